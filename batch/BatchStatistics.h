#pragma once

#include "BatchTotals.h"

#include <cstdint>

// One side's figures at one checkpoint, over all games of a batch.
struct SideStatistics {
    double mean = 0;
    double sd = 0;  // sample standard deviation, n - 1 in the denominator; 0 for a single game
    int min = 0;
    int max = 0;
    std::int64_t extinct = 0;      // games with a count of 0 at the checkpoint
    std::int64_t wentExtinct = 0;  // games whose count was 0 at some round up to the checkpoint
    double meanFirstExtinction = 0;  // mean first such round over those games; 0 when there are none
};

// The figures of a side from its totals over games (at least 1) games. Computed from exact sums,
// they are the same however the games were spread over threads and processes.
SideStatistics sideStatistics(const SideTotals& totals, std::int64_t games);
