#pragma once

#include "BatchStatistics.h"
#include "BatchTotals.h"

#include <array>
#include <cstddef>
#include <vector>

// One condition of a series summed up, as the window and the browser show it: each side's
// statistics at every checkpoint (mean, p10, p90, extinct, once, ...), its first extinctions, and
// the share of games that end without it with its Wilson interval; beside the exact totals they
// come from, which the CSV writes.
class SeriesFigures {
public:
    // The figures of nothing: no checkpoints.
    SeriesFigures() = default;
    // The figures of totals of at least one checkpoint.
    explicit SeriesFigures(BatchTotals totals);

    const BatchTotals& totals() const { return totals_; }
    std::size_t checkpoints() const { return totals_.checkpoints(); }
    const SideStatistics& at(std::size_t checkpoint, Side side) const
    {
        return statistics_[2 * checkpoint + (side == Side::Hunter ? 0 : 1)];
    }
    const FirstExtinctionStatistics& firstExtinction(Side side) const { return first_[index(side)]; }
    // The games without the side's animals after the last round, out of all games.
    const ShareInterval& extinctAtEnd(Side side) const { return end_[index(side)]; }

private:
    static std::size_t index(Side side) { return side == Side::Hunter ? 0 : 1; }

    BatchTotals totals_;
    std::vector<SideStatistics> statistics_;
    std::array<FirstExtinctionStatistics, 2> first_{};
    std::array<ShareInterval, 2> end_{};
};
