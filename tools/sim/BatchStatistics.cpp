#include "BatchStatistics.h"

#include <algorithm>
#include <cmath>

namespace {
SideStatistics sideStatistics(const BatchResults& results, std::size_t c, std::int32_t round, Side side)
{
    SideStatistics s;
    const std::int32_t games = results.games();
    std::int64_t sum = 0;
    std::int64_t firstSum = 0;
    s.min = results.count(0, c, side);
    s.max = s.min;
    for (std::int32_t g = 0; g < games; ++g) {
        const int n = results.count(g, c, side);
        sum += n;
        s.min = std::min(s.min, n);
        s.max = std::max(s.max, n);
        s.extinct += n == 0;
        const std::int32_t first = results.firstExtinction(g, side);
        if (first != BatchResults::never && first <= round) {
            ++s.wentExtinct;
            firstSum += first;
        }
    }
    s.mean = static_cast<double>(sum) / games;
    if (games > 1) {
        // Two passes keep the variance exact enough for counts of at most 36.
        double squares = 0;
        for (std::int32_t g = 0; g < games; ++g) {
            const double d = results.count(g, c, side) - s.mean;
            squares += d * d;
        }
        s.sd = std::sqrt(squares / (games - 1));
    }
    if (s.wentExtinct > 0)
        s.meanFirstExtinction = static_cast<double>(firstSum) / s.wentExtinct;
    return s;
}
}  // namespace

std::vector<CheckpointStatistics> batchStatistics(const BatchResults& results,
                                                  const std::vector<std::int32_t>& checkpointRounds)
{
    std::vector<CheckpointStatistics> table;
    table.reserve(checkpointRounds.size());
    for (std::size_t c = 0; c < checkpointRounds.size(); ++c) {
        const std::int32_t round = checkpointRounds[c];
        table.push_back({round, sideStatistics(results, c, round, Side::Hunter),
                         sideStatistics(results, c, round, Side::Prey)});
    }
    return table;
}
