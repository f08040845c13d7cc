#pragma once

#include "Side.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// What a batch keeps of each game: both counts at every checkpoint and the first round after
// which each side had no animal. Games are rows filled independently, so threads may each
// write their own games at the same time.
class BatchResults {
public:
    static constexpr std::int32_t never = -1;

    BatchResults(std::int32_t games, std::size_t checkpoints);

    std::int32_t games() const { return games_; }
    std::size_t checkpoints() const { return checkpoints_; }

    // The count of one side after the round of checkpoint c (0: after the new game).
    int count(std::int32_t game, std::size_t c, Side side) const { return counts_[index(game, c, side)]; }
    void record(std::int32_t game, std::size_t c, int hunters, int prey)
    {
        counts_[index(game, c, Side::Hunter)] = static_cast<std::uint8_t>(hunters);
        counts_[index(game, c, Side::Prey)] = static_cast<std::uint8_t>(prey);
    }

    // The first round after which the side's count was 0 (0: right after the new game), or never.
    std::int32_t firstExtinction(std::int32_t game, Side side) const { return firsts_[firstIndex(game, side)]; }
    void setFirstExtinction(std::int32_t game, Side side, std::int32_t round) { firsts_[firstIndex(game, side)] = round; }

private:
    std::size_t index(std::int32_t game, std::size_t c, Side side) const
    {
        return (static_cast<std::size_t>(game) * checkpoints_ + c) * 2 + slot(side);
    }
    static std::size_t firstIndex(std::int32_t game, Side side)
    {
        return static_cast<std::size_t>(game) * 2 + slot(side);
    }
    // Hunters first in each pair.
    static std::size_t slot(Side side) { return side == Side::Hunter ? 0 : 1; }

    std::int32_t games_;
    std::size_t checkpoints_;
    std::vector<std::uint8_t> counts_;
    std::vector<std::int32_t> firsts_;
};
