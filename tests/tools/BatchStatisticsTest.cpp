#include "BatchStatistics.h"

#include <gtest/gtest.h>

#include <cmath>

// Three games, checkpoints at rounds 0, 10 and 20, worked out by hand.
//   game  hunters (r0 r10 r20)  first 0  prey (r0 r10 r20)  first 0
//   0          5    0    2         4          10   12   36     never
//   1          5    3    0         8          10   30    0       15
//   2          5    6    1        12          10    0    0       10
TEST(BatchStatistics, HandWorkedBatch)
{
    BatchResults results(3, 3);
    const int hunters[3][3] = {{5, 0, 2}, {5, 3, 0}, {5, 6, 1}};
    const int prey[3][3] = {{10, 12, 36}, {10, 30, 0}, {10, 0, 0}};
    for (int g = 0; g < 3; ++g)
        for (int c = 0; c < 3; ++c)
            results.record(g, c, hunters[g][c], prey[g][c]);
    results.setFirstExtinction(0, Side::Hunter, 4);
    results.setFirstExtinction(1, Side::Hunter, 8);
    results.setFirstExtinction(2, Side::Hunter, 12);
    results.setFirstExtinction(1, Side::Prey, 15);
    results.setFirstExtinction(2, Side::Prey, 10);

    const auto table = batchStatistics(results, {0, 10, 20});
    ASSERT_EQ(table.size(), 3u);

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
    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(table[c].round, c * 10);
        for (const auto& [s, e] : {std::pair{table[c].hunters, hunterRows[c]}, std::pair{table[c].prey, preyRows[c]}}) {
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

TEST(BatchStatistics, SingleGameHasNoSpreadAndRoundZeroExtinctionCounts)
{
    BatchResults results(1, 2);
    results.record(0, 0, 0, 15);
    results.record(0, 1, 2, 20);
    results.setFirstExtinction(0, Side::Hunter, 0);
    const auto table = batchStatistics(results, {0, 5});
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].hunters.sd, 0);
    EXPECT_EQ(table[0].hunters.extinct, 1);
    EXPECT_EQ(table[0].hunters.wentExtinct, 1);
    EXPECT_EQ(table[0].hunters.meanFirstExtinction, 0);
    // Back from 0: no longer extinct, but it did die out once.
    EXPECT_EQ(table[1].hunters.extinct, 0);
    EXPECT_EQ(table[1].hunters.wentExtinct, 1);
    EXPECT_EQ(table[1].prey.wentExtinct, 0);
}
