#include "BatchStatistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
// Adds games into totals of checkpoints at rounds 0, 10 and 20; firsts are each game's first
// extinction round, seen by a checkpoint once it has passed.
void addGame(BatchTotals& totals, const int hunters[3], const int prey[3], std::int32_t firstHunters,
             std::int32_t firstPrey)
{
    for (int c = 0; c < 3; ++c) {
        const auto seen = [&](std::int32_t first) { return first != neverExtinct && first <= c * 10 ? first : neverExtinct; };
        totals.add(static_cast<std::size_t>(c), hunters[c], prey[c], seen(firstHunters), seen(firstPrey));
    }
}
}  // namespace

// Three games, checkpoints at rounds 0, 10 and 20, worked out by hand.
//   game  hunters (r0 r10 r20)  first 0  prey (r0 r10 r20)  first 0
//   0          5    0    2         4          10   12   36     never
//   1          5    3    0         8          10   30    0       15
//   2          5    6    1        12          10    0    0       10
// Each split of the games into partial totals, merged in any order, gives the same figures.
TEST(BatchStatistics, HandWorkedBatch)
{
    const int hunters[3][3] = {{5, 0, 2}, {5, 3, 0}, {5, 6, 1}};
    const int prey[3][3] = {{10, 12, 36}, {10, 30, 0}, {10, 0, 0}};
    const std::int32_t firstHunters[3] = {4, 8, 12};
    const std::int32_t firstPrey[3] = {neverExtinct, 15, 10};

    struct Expected {
        double mean, sd;
        int min, max, extinct, wentExtinct;
        double meanFirst;
    };
    const Expected hunterRows[3] = {
        {5, 0, 5, 5, 0, 0, 0},
        // (0 + 3 + 6) / 3 = 3; squares 9 + 0 + 9 over 2 gives sd 3; games 0 and 1 died out by
        // round 10 (rounds 4 and 8), game 2 only at 12.
        {3, 3, 0, 6, 1, 2, 6},
        // (2 + 0 + 1) / 3 = 1; squares 1 + 1 + 0 over 2 gives sd 1; all three by now: (4+8+12)/3.
        {1, 1, 0, 2, 1, 3, 8},
    };
    const Expected preyRows[3] = {
        {10, 0, 10, 10, 0, 0, 0},
        // 42 / 3 = 14; squares 4 + 256 + 196 = 456 over 2 = 228; only game 2 (round 10).
        {14, std::sqrt(228.0), 0, 30, 1, 1, 10},
        // 36 / 3 = 12; squares 576 + 144 + 144 = 864 over 2 = 432; games 1 and 2: (15+10)/2.
        {12, std::sqrt(432.0), 0, 36, 2, 2, 12.5},
    };
    // Which partial each game goes into, and the order the partials are merged in.
    const std::vector<std::vector<int>> splits[] = {{{0, 1, 2}}, {{2}, {0, 1}}, {{1}, {2}, {0}}, {{}, {2, 0}, {1}}};
    for (const auto& split : splits) {
        BatchTotals merged{3};
        for (const auto& part : split) {
            BatchTotals partial{3};
            for (const int g : part)
                addGame(partial, hunters[g], prey[g], firstHunters[g], firstPrey[g]);
            merged.merge(partial);
        }
        for (int c = 0; c < 3; ++c) {
            SCOPED_TRACE(c);
            for (const auto& [totals, e] : {std::pair{merged.at(c).hunters, hunterRows[c]}, std::pair{merged.at(c).prey, preyRows[c]}}) {
                const SideStatistics s = sideStatistics(totals, 3);
                EXPECT_DOUBLE_EQ(s.mean, e.mean);
                EXPECT_NEAR(s.sd, e.sd, 1e-12);
                EXPECT_EQ(s.min, e.min);
                EXPECT_EQ(s.max, e.max);
                EXPECT_EQ(s.extinct, e.extinct);
                EXPECT_EQ(s.wentExtinct, e.wentExtinct);
                EXPECT_DOUBLE_EQ(s.meanFirstExtinction, e.meanFirst);
            }
        }
    }
}

TEST(BatchStatistics, SingleGameHasNoSpreadAndRoundZeroExtinctionCounts)
{
    BatchTotals totals{2};
    totals.add(0, 0, 15, 0, neverExtinct);
    totals.add(1, 2, 20, 0, neverExtinct);
    const SideStatistics start = sideStatistics(totals.at(0).hunters, 1);
    EXPECT_EQ(start.sd, 0);
    EXPECT_EQ(start.extinct, 1);
    EXPECT_EQ(start.wentExtinct, 1);
    EXPECT_EQ(start.meanFirstExtinction, 0);
    // Back from 0: no longer extinct, but it did die out once.
    EXPECT_EQ(sideStatistics(totals.at(1).hunters, 1).extinct, 0);
    EXPECT_EQ(sideStatistics(totals.at(1).hunters, 1).wentExtinct, 1);
    EXPECT_EQ(sideStatistics(totals.at(1).prey, 1).wentExtinct, 0);
}

// Sums over up to 2^31 games: the spread comes from exact integers, so equal counts give exactly
// no spread and a split population the exact one, where sums of squares in floating point
// would cancel to noise.
TEST(BatchStatistics, ExactForTheLargestBatches)
{
    constexpr std::int64_t n = std::numeric_limits<std::int32_t>::max();
    struct Case {
        std::int64_t games, sum, sumOfSquares;
        double mean, sd;
    };
    const Case cases[] = {
        {n, 36 * n, 1296 * n, 36, 0},
        {n, 0, 0, 0, 0},
        // n - 1 games at 36, one at 35.
        {n, 36 * n - 1, 1296 * (n - 1) + 1225, 36 - 1.0 / n, std::sqrt(1.0 / n)},
        // (n + 1) / 2 games at 0, the rest at 36.
        {n, 36 * (n / 2), 1296 * (n / 2), 36.0 * (n / 2) / n, 36 * std::sqrt(0.25 * (n * n - 1) / (double(n) * (n - 1)))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sum);
        SideTotals totals;
        totals.sum = c.sum;
        totals.sumOfSquares = c.sumOfSquares;
        const SideStatistics s = sideStatistics(totals, c.games);
        EXPECT_DOUBLE_EQ(s.mean, c.mean);
        if (c.sd == 0)
            EXPECT_EQ(s.sd, 0);
        else
            EXPECT_NEAR(s.sd / c.sd, 1, 1e-12);
    }
}
