#pragma once

#include "SprayPlan.h"

#include <cstddef>
#include <cstdint>

// What a batch plays: games from consecutive seeds, the same rounds and sprays for each, the
// rounds after which each game's counts are taken, and what is kept of them.
struct BatchPlan {
    // What a batch keeps in memory until the end — the summary's totals, every game's counts for
    // the CSV — should stay below this many bytes; a front end refuses a plan beyond it.
    static constexpr std::uint64_t maxKeptBytes = std::uint64_t{1} << 30;

    std::uint32_t firstSeed = 0;
    std::int32_t games = 1;
    std::int32_t rounds = 0;
    std::int32_t every = 1;
    SprayPlan sprays;
    bool summary = false;  // totals are kept per checkpoint
    bool counts = false;   // every game's counts are kept, for the CSV

    // Seeds run on from firstSeed and wrap modulo 2^32.
    std::uint32_t seed(std::int32_t game) const { return firstSeed + static_cast<std::uint32_t>(game); }

    // Checkpoints are rounds 0, every, 2 every, ... up to rounds, and rounds itself when it is not
    // a multiple.
    std::size_t checkpointCount() const { return checkpointCount(rounds, every); }
    std::int32_t checkpointRound(std::size_t c) const
    {
        const auto round = static_cast<std::int64_t>(c) * every;
        return round < rounds ? static_cast<std::int32_t>(round) : rounds;
    }
    static std::size_t checkpointCount(std::int32_t rounds, std::int32_t every)
    {
        return static_cast<std::size_t>(rounds / every) + 1 + (rounds % every != 0);
    }

    // The bytes of one thread's totals (0 without the summary) and of every game's counts (0
    // without them).
    std::uint64_t totalsBytes() const;
    std::uint64_t countsBytes() const;
    // Threads that can each keep totals of their own beside the counts within maxKeptBytes; 0
    // when not even one can.
    std::uint64_t maxThreads() const;
};
