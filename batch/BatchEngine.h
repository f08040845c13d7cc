#pragma once

#include "Cell.h"
#include "Side.h"

#include <array>
#include <bit>
#include <cstdint>

// Plays several games of a batch side by side, by the same rules as GameCore in automatic mode,
// for throughput: each board is two 36-bit masks (prey and hunters, bit 6 (x - 1) + (y - 1), so
// ascending bits are scan order), a round is a few branch-free mask operations per game, and
// the games of a block share their round, their spray orders and so their side to move, which
// keeps the lanes in step. Every game has its own generator, drawn exactly as the core draws.
// The core stays the reference; the tests hold the two together round by round.
class BatchEngine {
public:
    static constexpr int lanes = 8;
    // Round a side never had no animal in.
    static constexpr std::uint32_t never = 0xFFFFFFFFu;

    // New games with these seeds, as GameCore::newGame after setSeed: 15 animals, round 0, no
    // spraying ordered.
    void newGames(const std::array<std::uint32_t, lanes>& seeds);
    // Orders rounds spraying rounds from the next round on in every lane, replacing any left.
    void orderSpray(std::int32_t rounds) { sprayRoundsLeft_ = rounds; }
    // Plays n automatic rounds in every lane.
    void playRounds(std::int32_t n);

    std::int32_t round() const { return round_; }
    int hunterCount(int lane) const { return countCells(hunters_[lane]); }
    int preyCount(int lane) const { return countCells(prey_[lane]); }
    // The first round after which the lane's side had no animal (0: right after the new game), or
    // never.
    std::uint32_t firstExtinction(int lane, Side side) const
    {
        return side == Side::Hunter ? firstHunters_[lane] : firstPrey_[lane];
    }
    Cell cell(int lane, int x, int y) const;

private:
    template <bool spraying> void playRun(std::int32_t n);

    // The cells of a mask, counted in a few inlined operations: where the target lacks the
    // instruction (x86-64 as Debian builds it) std::popcount is a call into the runtime library,
    // which with a checkpoint after every round costs a fifth of the time.
    static int countCells(std::uint64_t mask)
    {
#if defined(__POPCNT__) || defined(__wasm__)
        return std::popcount(mask);
#else
        mask -= (mask >> 1) & 0x5555555555555555u;
        mask = (mask & 0x3333333333333333u) + ((mask >> 2) & 0x3333333333333333u);
        mask = (mask + (mask >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
        return static_cast<int>((mask * 0x0101010101010101u) >> 56);
#endif
    }

    alignas(64) std::uint64_t prey_[lanes] = {};
    alignas(64) std::uint64_t hunters_[lanes] = {};
    alignas(32) std::uint32_t seeds_[lanes] = {};
    alignas(32) std::uint32_t firstHunters_[lanes] = {};
    alignas(32) std::uint32_t firstPrey_[lanes] = {};
    std::int32_t round_ = 0;
    std::int32_t sprayRoundsLeft_ = 0;
};
