#include "SeriesFigures.h"

#include <utility>

SeriesFigures::SeriesFigures(BatchTotals totals) : totals_(std::move(totals))
{
    statistics_.reserve(2 * totals_.checkpoints());
    for (std::size_t c = 0; c < totals_.checkpoints(); ++c) {
        statistics_.push_back(sideStatistics(totals_.at(c).hunters));
        statistics_.push_back(sideStatistics(totals_.at(c).prey));
    }
    for (const Side side : {Side::Hunter, Side::Prey}) {
        first_[index(side)] = firstExtinctionStatistics(totals_.firstExtinctions(side));
        const SideStatistics& last = at(totals_.checkpoints() - 1, side);
        end_[index(side)] = wilsonInterval(last.extinct, last.games);
    }
}
