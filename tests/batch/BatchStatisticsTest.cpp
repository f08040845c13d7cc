#include "BatchStatistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

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

    // The 10th percentile of three games is the least count (a third of them reach 10 %), the
    // 90th the greatest (two thirds do not reach 90 %).
    struct Expected {
        double mean, sd;
        int min, max, p10, p90, extinct, wentExtinct;
        double meanFirst;
    };
    const Expected hunterRows[3] = {
        {5, 0, 5, 5, 5, 5, 0, 0, 0},
        // (0 + 3 + 6) / 3 = 3; squares 9 + 0 + 9 over 2 gives sd 3; games 0 and 1 died out by
        // round 10 (rounds 4 and 8), game 2 only at 12.
        {3, 3, 0, 6, 0, 6, 1, 2, 6},
        // (2 + 0 + 1) / 3 = 1; squares 1 + 1 + 0 over 2 gives sd 1; all three by now: (4+8+12)/3.
        {1, 1, 0, 2, 0, 2, 1, 3, 8},
    };
    const Expected preyRows[3] = {
        {10, 0, 10, 10, 10, 10, 0, 0, 0},
        // 42 / 3 = 14; squares 4 + 256 + 196 = 456 over 2 = 228; only game 2 (round 10).
        {14, std::sqrt(228.0), 0, 30, 0, 30, 1, 1, 10},
        // 36 / 3 = 12; squares 576 + 144 + 144 = 864 over 2 = 432; games 1 and 2: (15+10)/2.
        {12, std::sqrt(432.0), 0, 36, 0, 36, 2, 2, 12.5},
    };
    // Which partial each game goes into, and the order the partials are merged in.
    const std::vector<std::vector<int>> splits[] = {{{0, 1, 2}}, {{2}, {0, 1}}, {{1}, {2}, {0}}, {{}, {2, 0}, {1}}};
    for (const auto& split : splits) {
        BatchTotals merged{3, 20};
        for (const auto& part : split) {
            BatchTotals partial{3, 20};
            for (const int g : part) {
                addGame(partial, hunters[g], prey[g], firstHunters[g], firstPrey[g]);
                partial.addFirstExtinctions(firstHunters[g], firstPrey[g]);
            }
            merged.merge(partial);
        }
        // Over the whole run: hunters 4, 8 and 12, prey 10 and 15 (an even n: the mean of both).
        const FirstExtinctionStatistics firstOfHunters = firstExtinctionStatistics(merged.firstExtinctions(Side::Hunter));
        const FirstExtinctionStatistics firstOfPrey = firstExtinctionStatistics(merged.firstExtinctions(Side::Prey));
        EXPECT_EQ(firstOfHunters.games, 3);
        EXPECT_EQ(firstOfHunters.mean, 8);
        EXPECT_EQ(firstOfHunters.median, 8);
        EXPECT_EQ(firstOfPrey.games, 2);
        EXPECT_EQ(firstOfPrey.mean, 12.5);
        EXPECT_EQ(firstOfPrey.median, 12.5);
        for (int c = 0; c < 3; ++c) {
            SCOPED_TRACE(c);
            for (const auto& [totals, e] : {std::pair{merged.at(c).hunters, hunterRows[c]}, std::pair{merged.at(c).prey, preyRows[c]}}) {
                const SideStatistics s = sideStatistics(totals);
                EXPECT_EQ(s.games, 3);
                EXPECT_DOUBLE_EQ(s.mean, e.mean);
                EXPECT_NEAR(s.sd, e.sd, 1e-12);
                EXPECT_EQ(s.min, e.min);
                EXPECT_EQ(s.max, e.max);
                EXPECT_EQ(s.p10, e.p10);
                EXPECT_EQ(s.p90, e.p90);
                EXPECT_EQ(s.extinct, e.extinct);
                EXPECT_EQ(s.wentExtinct, e.wentExtinct);
                EXPECT_DOUBLE_EQ(s.meanFirstExtinction, e.meanFirst);
            }
        }
    }
}

TEST(BatchStatistics, SingleGameHasNoSpreadAndRoundZeroExtinctionCounts)
{
    BatchTotals totals{2, 1};
    totals.add(0, 0, 15, 0, neverExtinct);
    totals.add(1, 2, 20, 0, neverExtinct);
    const SideStatistics start = sideStatistics(totals.at(0).hunters);
    EXPECT_EQ(start.sd, 0);
    EXPECT_EQ(start.extinct, 1);
    EXPECT_EQ(start.wentExtinct, 1);
    EXPECT_EQ(start.meanFirstExtinction, 0);
    // Back from 0: no longer extinct, but it did die out once.
    EXPECT_EQ(sideStatistics(totals.at(1).hunters).extinct, 0);
    EXPECT_EQ(sideStatistics(totals.at(1).hunters).wentExtinct, 1);
    EXPECT_EQ(sideStatistics(totals.at(1).prey).wentExtinct, 0);
    EXPECT_EQ(sideStatistics(SideTotals{}).games, 0);
}

// Percentiles of small histograms worked out by hand: the smallest count with at least p % of
// the games at or below it, exactly at the boundary included.
TEST(BatchStatistics, Percentiles)
{
    struct Case {
        std::vector<std::pair<int, std::int32_t>> gamesWith;  // count, games
        int p;
        int expected;
    };
    const Case cases[] = {
        {{{7, 1}}, 10, 7},
        {{{7, 1}}, 90, 7},
        {{{7, 1}}, 100, 7},
        // p = 0 asks for no game at all: the least possible count.
        {{{7, 1}}, 0, 0},
        // Counts 0 to 9 once each: 1 game of 10 is 10 %, 9 are 90 %.
        {{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}}, 10, 0},
        {{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}}, 90, 8},
        {{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}}, 50, 4},
        // Counts 0 to 10: 1 of 11 is under 10 %, 2 are over; 9 of 11 are under 90 %, 10 over.
        {{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}, {10, 1}}, 10, 1},
        {{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}, {10, 1}}, 90, 9},
        // 2 of 20 at 0 is exactly 10 %; 1 of 20 is not.
        {{{0, 2}, {5, 18}}, 10, 0},
        {{{0, 1}, {5, 19}}, 10, 5},
        {{{0, 2}, {5, 18}}, 90, 5},
        {{{36, 3}}, 10, 36},
        {{{0, 1}, {36, 1}}, 50, 0},
        {{{0, 1}, {36, 1}}, 51, 36},
        // As many games as a batch can have: no overflow on the way.
        {{{3, 1}, {20, 2147483646}}, 10, 20},
        {{{3, 2147483646}, {20, 1}}, 100, 20},
        {{}, 90, 0},
    };
    for (const auto& c : cases) {
        CountHistogram gamesWith{};
        std::string shown;
        for (const auto& [count, games] : c.gamesWith) {
            gamesWith[static_cast<std::size_t>(count)] = games;
            shown += std::to_string(games) + " at " + std::to_string(count) + ", ";
        }
        EXPECT_EQ(percentile(gamesWith, c.p), c.expected) << shown << "p" << c.p;
    }
}

// Medians of the first extinction rounds: the middle round for an odd number of games, the mean
// of the two middle ones for an even number.
TEST(BatchStatistics, FirstExtinctionMeanAndMedian)
{
    struct Case {
        std::vector<std::int32_t> rounds;  // one game each
        double mean, median;
    };
    const Case cases[] = {
        {{}, 0, 0},
        {{7}, 7, 7},
        {{0, 0, 0}, 0, 0},
        {{9, 2, 3}, 14.0 / 3, 3},
        {{10, 2, 9, 3}, 6, 6},
        {{5, 8, 5, 5}, 5.75, 5},
        {{0, 1}, 0.5, 0.5},
        {{1, 2, 4, 4, 30, 31}, 12, 4},
        {{1, 2, 4, 5, 30, 31}, 73.0 / 6, 4.5},
    };
    for (const auto& c : cases) {
        std::vector<std::int32_t> gamesByRound(40);
        std::string shown;
        for (const std::int32_t round : c.rounds) {
            ++gamesByRound[static_cast<std::size_t>(round)];
            shown += std::to_string(round) + " ";
        }
        const FirstExtinctionStatistics s = firstExtinctionStatistics(gamesByRound);
        EXPECT_EQ(s.games, static_cast<std::int64_t>(c.rounds.size())) << shown;
        EXPECT_DOUBLE_EQ(s.mean, c.mean) << shown;
        EXPECT_EQ(s.median, c.median) << shown;
    }
}

// Wilson's interval is the set of shares p with |k/n - p| <= z sqrt(p (1 - p) / n): the roots of
// (n + z²) p² - (2k + z²) p + k²/n = 0, solved by hand to 17 digits. For k = 0 the upper root is
// z²/(n + z²), for k = n the lower one n/(n + z²), and k = n/2 lies in the middle.
TEST(BatchStatistics, WilsonInterval)
{
    struct Case {
        std::int64_t k, n;
        double lower, upper;
    };
    const Case cases[] = {
        {0, 0, 0, 1},
        {0, 1, 0, 0.79345068562276255},
        {1, 1, 0.20654931437723742, 1},
        {0, 10, 0, 0.2775327998628892},
        {10, 10, 0.72246720013711074, 1},
        {5, 10, 0.236593090512564, 0.76340690948743595},
        {3, 7, 0.1582198552514697, 0.74954163547234276},
        {0, 1000, 0, 0.003826758485555123},
        {1, 1000, 0.00017654637062607803, 0.0056425585979579347},
        {700, 1000, 0.67087613908278276, 0.72759315752299514},
        {999, 1000, 0.99435744140204207, 0.99982345362937397},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.k) + " of " + std::to_string(c.n));
        const ShareInterval interval = wilsonInterval(c.k, c.n);
        EXPECT_EQ(interval.share, c.n == 0 ? 0 : double(c.k) / double(c.n));
        EXPECT_NEAR(interval.lower, c.lower, 1e-14);
        EXPECT_NEAR(interval.upper, c.upper, 1e-14);
        // The ends of the scale exactly, not within a rounding.
        if (c.k == 0) {
            EXPECT_EQ(interval.lower, 0);
        }
        if (c.k == c.n) {
            EXPECT_EQ(interval.upper, 1);
        }
    }
}

// Up to 2^31 games: the spread comes from exact integers, so equal counts give exactly no spread
// and a split population the exact one, where sums of squares in floating point would cancel to
// noise.
TEST(BatchStatistics, ExactForTheLargestBatches)
{
    constexpr std::int32_t n = std::numeric_limits<std::int32_t>::max();
    struct Case {
        std::int32_t at0, at35, at36;
        double mean, sd;
    };
    const Case cases[] = {
        {0, 0, n, 36, 0},
        {n, 0, 0, 0, 0},
        {0, 1, n - 1, 36 - 1.0 / n, std::sqrt(1.0 / n)},
        {n / 2 + 1, 0, n / 2, 36.0 * (n / 2) / n, 36 * std::sqrt(0.25 * (std::int64_t{n} * n - 1) / (double(n) * (n - 1)))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at0);
        SideTotals totals;
        totals.gamesWith[0] = c.at0;
        totals.gamesWith[35] = c.at35;
        totals.gamesWith[36] = c.at36;
        const SideStatistics s = sideStatistics(totals);
        EXPECT_EQ(s.games, n);
        EXPECT_DOUBLE_EQ(s.mean, c.mean);
        if (c.sd == 0) {
            EXPECT_EQ(s.sd, 0);
        } else {
            EXPECT_NEAR(s.sd / c.sd, 1, 1e-12);
        }
    }
}
