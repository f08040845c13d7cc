#pragma once

#include "BatchResults.h"

#include <cstdint>
#include <vector>

// One side's figures at one checkpoint, over all games of a batch.
struct SideStatistics {
    double mean = 0;
    double sd = 0;  // sample standard deviation, n - 1 in the denominator; 0 for a single game
    int min = 0;
    int max = 0;
    std::int32_t extinct = 0;     // games with a count of 0 at the checkpoint
    std::int32_t wentExtinct = 0;  // games whose count was 0 at some round up to the checkpoint
    double meanFirstExtinction = 0;  // mean first such round over those games; 0 when there are none
};

struct CheckpointStatistics {
    std::int32_t round = 0;
    SideStatistics hunters;
    SideStatistics prey;
};

// The figures of every checkpoint, computed in game order so they come out the same however
// the games were spread over threads.
std::vector<CheckpointStatistics> batchStatistics(const BatchResults& results,
                                                  const std::vector<std::int32_t>& checkpointRounds);
