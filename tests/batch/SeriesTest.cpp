#include "SeriesRun.h"

#include <gtest/gtest.h>

#include <string>

namespace {
SeriesSettings settings(std::int32_t games, std::int32_t rounds, std::int32_t start, std::int32_t count,
                        std::int32_t period)
{
    SeriesSettings s;
    s.games = games;
    s.rounds = rounds;
    s.firstGame = 4294967290u;
    s.sprayStart = start;
    s.sprayRounds = count;
    s.sprayPeriod = period;
    return s;
}

void expectSameFigures(const SeriesFigures& a, const SeriesFigures& b)
{
    ASSERT_EQ(a.checkpoints(), b.checkpoints());
    for (std::size_t c = 0; c < a.checkpoints(); ++c)
        ASSERT_TRUE(a.totals().at(c) == b.totals().at(c)) << "checkpoint " << c;
    for (const Side side : {Side::Hunter, Side::Prey})
        EXPECT_EQ(a.totals().firstExtinctions(side), b.totals().firstExtinctions(side));
}
}  // namespace

// Each entry at the edges of its range, and the first bad one named when several are.
TEST(SeriesSettings, NamesTheFirstEntryOutOfRange)
{
    using Entry = SeriesSettings::Entry;
    struct Case {
        SeriesSettings settings;
        std::optional<Entry> expected;
    };
    const Case cases[] = {
        {settings(1, 1, 1, 1, 0), std::nullopt},
        {settings(100000, 100000, 100000, 100000, 100000), std::nullopt},
        {settings(0, 500, 200, 10, 100), Entry::Games},
        {settings(100001, 500, 200, 10, 100), Entry::Games},
        {settings(1000, 0, 200, 10, 100), Entry::Rounds},
        {settings(1000, 100001, 200, 10, 100), Entry::Rounds},
        {settings(1000, 500, 0, 10, 100), Entry::SprayStart},
        {settings(1000, 500, 501, 10, 100), Entry::SprayStart},
        {settings(1000, 500, 500, 0, 100), Entry::SprayRounds},
        {settings(1000, 500, 500, 100001, 100), Entry::SprayRounds},
        {settings(1000, 500, 500, 10, -1), Entry::SprayPeriod},
        {settings(1000, 500, 500, 10, 100001), Entry::SprayPeriod},
        {settings(0, 0, 0, 0, -1), Entry::Games},
        {settings(1, 0, 0, 0, -1), Entry::Rounds},
    };
    for (const Case& c : cases) {
        const SeriesSettings& s = c.settings;
        EXPECT_EQ(s.invalidEntry(), c.expected) << s.games << " " << s.rounds << " " << s.sprayStart << ":"
                                                << s.sprayRounds << ":" << s.sprayPeriod;
    }
}

// Three games by hand over rounds 0 and 10: hunters 3, 0, 0 at the end (the first game's
// died out after round 4 and came back, the second's after round 7, the third had none from the
// start); the prey never died out.
TEST(SeriesFigures, EndAndFirstExtinctionsOfAHandWorkedCondition)
{
    BatchTotals totals{2, 10};
    const int hunters[3][2] = {{5, 3}, {6, 0}, {0, 0}};
    const std::int32_t first[3] = {4, 7, 0};
    for (int g = 0; g < 3; ++g) {
        totals.add(0, hunters[g][0], 10, g == 2 ? 0 : neverExtinct, neverExtinct);
        totals.add(1, hunters[g][1], 12, first[g], neverExtinct);
        totals.addFirstExtinctions(first[g], neverExtinct);
    }
    const SeriesFigures figures{totals};
    EXPECT_EQ(figures.checkpoints(), 2u);
    EXPECT_DOUBLE_EQ(figures.at(0, Side::Hunter).mean, 11.0 / 3);
    EXPECT_EQ(figures.at(1, Side::Hunter).wentExtinct, 3);
    EXPECT_EQ(figures.at(1, Side::Prey).p90, 12);
    EXPECT_EQ(figures.firstExtinction(Side::Hunter).games, 3);
    EXPECT_DOUBLE_EQ(figures.firstExtinction(Side::Hunter).mean, 11.0 / 3);
    EXPECT_EQ(figures.firstExtinction(Side::Hunter).median, 4);
    EXPECT_EQ(figures.firstExtinction(Side::Prey).games, 0);
    // Two of three at the end: the roots of (3 + z²) p² - (4 + z²) p + 4/3 = 0.
    EXPECT_DOUBLE_EQ(figures.extinctAtEnd(Side::Hunter).share, 2.0 / 3);
    EXPECT_NEAR(figures.extinctAtEnd(Side::Hunter).lower, 0.20765960080204775, 1e-14);
    EXPECT_NEAR(figures.extinctAtEnd(Side::Hunter).upper, 0.93850805527960376, 1e-14);
    EXPECT_EQ(figures.extinctAtEnd(Side::Prey).share, 0);
}

// Threads or slices of any size, across the end of A's games: the same figures, and B differs
// from A only from the first campaign on.
TEST(SeriesRun, SameFiguresOnThreadsAndInSlices)
{
    const SeriesSettings s = settings(21, 300, 50, 10, 60);
    SeriesRun threaded{s};
    EXPECT_EQ(threaded.progress(), 0);
    ASSERT_TRUE(threaded.run(2));
    EXPECT_TRUE(threaded.isComplete());
    EXPECT_EQ(threaded.progress(), 1);
    const SeriesResult expected = threaded.takeResult();
    EXPECT_EQ(expected.unsprayed.checkpoints(), 301u);
    for (std::size_t c = 0; c < 50; ++c)
        ASSERT_TRUE(expected.unsprayed.totals().at(c) == expected.sprayed.totals().at(c)) << c;
    EXPECT_FALSE(expected.unsprayed.totals().at(50) == expected.sprayed.totals().at(50));

    for (const std::int32_t slice : {1, 8, 13, 100}) {
        SCOPED_TRACE(slice);
        SeriesRun sliced{s};
        int slices = 1;
        while (!sliced.playSlice(slice)) {
            EXPECT_FALSE(sliced.isComplete());
            ++slices;
        }
        EXPECT_EQ(slices, (2 * s.games + slice - 1) / slice);
        EXPECT_EQ(sliced.progress(), 1);
        const SeriesResult result = sliced.takeResult();
        expectSameFigures(result.unsprayed, expected.unsprayed);
        expectSameFigures(result.sprayed, expected.sprayed);
    }
}

TEST(SeriesRun, ACancelledRunIsNotComplete)
{
    SeriesRun run{settings(100000, 1000, 1, 1, 0)};
    const std::atomic<bool> cancel{true};
    EXPECT_FALSE(run.run(2, &cancel));
    EXPECT_FALSE(run.isComplete());
    EXPECT_LT(run.progress(), 1);
}
