#pragma once

#include "BatchTotals.h"

#include <cstdint>
#include <vector>

// One side's figures at one checkpoint, over all games of a batch.
struct SideStatistics {
    std::int64_t games = 0;
    double mean = 0;
    double sd = 0;  // sample standard deviation, n - 1 in the denominator; 0 for a single game
    int min = 0;
    int max = 0;
    int p10 = 0;  // the 10th and the 90th percentile of the count, as percentile() gives them
    int p90 = 0;
    std::int64_t extinct = 0;        // games with a count of 0 at the checkpoint
    std::int64_t wentExtinct = 0;    // games whose count was 0 at some round up to the checkpoint
    double meanFirstExtinction = 0;  // mean first such round over those games; 0 when there are none
};

// The figures of a side from its totals, all 0 for no games. Computed from exact counts, they
// are the same however the games were spread over threads and processes.
SideStatistics sideStatistics(const SideTotals& totals);

// The p-th percentile of the counts, p from 0 to 100: the smallest count c such that at least p %
// of the games have a count of at most c, decided in whole numbers (games up to c, times 100, at
// least p times all games); 0 for no games.
int percentile(const CountHistogram& gamesWith, int p);

// When a side first had no animal left, over the games of a batch in which that happened.
struct FirstExtinctionStatistics {
    std::int64_t games = 0;  // n, the games in which it happened
    double mean = 0;         // their mean first round; 0 for none
    // Their median first round: the middle one of the n rounds in order, and for an even n the
    // mean of the two middle ones (so it may end in .5); 0 for none.
    double median = 0;
};

// The statistics of the first extinctions from the games by round (gamesByRound[r]: the games
// that first had none after round r), exactly.
FirstExtinctionStatistics firstExtinctionStatistics(const std::vector<std::int32_t>& gamesByRound);

// A share of games and its Wilson score interval at 95 %.
struct ShareInterval {
    double share = 0;
    double lower = 0;
    double upper = 1;
};

// The share k / n with its Wilson interval. With p = k / n and z = 1.959963984540054 (the 97.5 %
// point of the standard normal distribution) the interval is
//     (p + z²/2n ± z √(p (1 − p)/n + z²/4n²)) / (1 + z²/n),
// whose lower end is exactly 0 for k = 0 and upper end exactly 1 for k = n. For n = 0 nothing is
// known: share 0, interval 0 to 1.
ShareInterval wilsonInterval(std::int64_t k, std::int64_t n);

// part as a percentage of whole (at least 1), the way every share of the summary and of the CSV
// is computed before it is rounded for printing.
inline double percentOf(std::int64_t part, std::int64_t whole)
{
    return 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}
