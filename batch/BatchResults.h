#pragma once

#include "Side.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Every game's counts at every checkpoint, kept for the CSV. Games are rows filled
// independently, so threads may each write their own games at the same time.
class BatchResults {
public:
    BatchResults(std::int32_t games, std::size_t checkpoints)
        : games_(games), checkpoints_(checkpoints), counts_(static_cast<std::size_t>(games) * checkpoints * 2)
    {
    }

    std::int32_t games() const { return games_; }
    std::size_t checkpoints() const { return checkpoints_; }
    // The counts as bytes, game after game, each checkpoint's hunters then prey: for passing them on.
    std::uint8_t* data() { return counts_.data(); }
    const std::uint8_t* data() const { return counts_.data(); }
    std::size_t bytes() const { return counts_.size(); }

    // The count of one side after the round of checkpoint c (0: after the new game).
    int count(std::int32_t game, std::size_t c, Side side) const { return counts_[index(game, c, side)]; }
    void record(std::int32_t game, std::size_t c, int hunters, int prey)
    {
        counts_[index(game, c, Side::Hunter)] = static_cast<std::uint8_t>(hunters);
        counts_[index(game, c, Side::Prey)] = static_cast<std::uint8_t>(prey);
    }

private:
    std::size_t index(std::int32_t game, std::size_t c, Side side) const
    {
        // Hunters first in each pair.
        return (static_cast<std::size_t>(game) * checkpoints_ + c) * 2 + (side == Side::Hunter ? 0 : 1);
    }

    std::int32_t games_;
    std::size_t checkpoints_;
    std::vector<std::uint8_t> counts_;
};
