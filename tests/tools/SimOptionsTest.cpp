#include "SimOptions.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
using Args = std::vector<std::string>;
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
}

TEST(SimOptions, Defaults)
{
    std::string error;
    const auto o = parseSimOptions({}, error);
    ASSERT_TRUE(o);
    EXPECT_FALSE(o->seed);
    EXPECT_EQ(o->rounds, 100);
    EXPECT_TRUE(o->sprays.empty());
    EXPECT_FALSE(o->board);
    EXPECT_FALSE(o->batch);
    EXPECT_EQ(o->games, 1);
    EXPECT_EQ(o->jobs, 0u);
    EXPECT_FALSE(o->every);
    EXPECT_FALSE(o->summary);
    EXPECT_FALSE(o->csv);
    EXPECT_FALSE(o->quiet);
}

TEST(SimOptions, SingleGameValues)
{
    std::string error;
    const auto o = parseSimOptions({"--seed", "4294967295", "--rounds", "2147483647", "--board"}, error);
    ASSERT_TRUE(o);
    EXPECT_EQ(*o->seed, 4294967295u);
    EXPECT_EQ(o->rounds, 2147483647);
    EXPECT_TRUE(o->board);
    EXPECT_FALSE(o->batch);
}

TEST(SimOptions, SprayOrders)
{
    struct Case {
        Args args;
        std::vector<SprayOrder> sprays;
    };
    const Case cases[] = {
        {{"--insecticide", "7"}, {{1, 7}}},
        {{"--insecticide", "0"}, {{1, 0}}},
        {{"--spray", "1:7"}, {{1, 7}}},
        {{"--spray", "200:10", "--spray", "5:1"}, {{200, 10}, {5, 1}}},
        // Pressing the button again before the same round replaces the count.
        {{"--spray", "3:4", "--spray", "3:9"}, {{3, 9}}},
        {{"--insecticide", "4", "--spray", "1:2"}, {{1, 2}}},
        {{"--spray", "1:2", "--insecticide", "4"}, {{1, 4}}},
        {{"--spray", "2147483647:2147483647", "--spray", "9:0"}, {{2147483647, 2147483647}, {9, 0}}},
        {{"--spray", "200:10:100"}, {{200, 10, 100}}},
        {{"--spray=5:3:10", "--spray", "25:0"}, {{5, 3, 10}, {25, 0}}},
        {{"--spray", "1:0:2147483647"}, {{1, 0, 2147483647}}},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto o = parseSimOptions(c.args, error);
        ASSERT_TRUE(o) << c.args[1] << ": " << error;
        EXPECT_EQ(o->sprays.orders(), c.sprays) << c.args[1];
        EXPECT_FALSE(o->batch);
    }
}

TEST(SimOptions, BatchModeAndOutputs)
{
    struct Case {
        Args args;
        bool summary;
        std::optional<std::string> csv;
    };
    const Case cases[] = {
        {{"--games", "5"}, true, std::nullopt},
        {{"--every", "3"}, true, std::nullopt},
        {{"--summary"}, true, std::nullopt},
        {{"--csv", "out.csv"}, false, "out.csv"},
        {{"--csv", "-"}, false, "-"},
        {{"--games", "2", "--csv", "x", "--summary"}, true, "x"},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto o = parseSimOptions(c.args, error);
        ASSERT_TRUE(o) << c.args[0] << ": " << error;
        EXPECT_TRUE(o->batch) << c.args[0];
        EXPECT_EQ(o->summary, c.summary) << c.args[0];
        EXPECT_EQ(o->csv, c.csv) << c.args[0];
    }

    std::string error;
    const auto o = parseSimOptions({"--games", "2147483647", "--jobs", "256", "--every", "1", "--quiet"}, error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->games, 2147483647);
    EXPECT_EQ(o->jobs, 256u);
    EXPECT_EQ(o->every, 1);
    EXPECT_TRUE(o->quiet);
}

TEST(SimOptions, ValuesAfterAnEqualsSign)
{
    std::string error;
    const auto o = parseSimOptions({"--csv=--games", "--seed=7", "--rounds=0", "--jobs=2", "--quiet", "--spray=3:4"}, error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->csv, "--games");
    EXPECT_EQ(o->seed, 7u);
    EXPECT_EQ(o->rounds, 0);
    EXPECT_EQ(o->jobs, 2u);
    EXPECT_EQ(o->sprays.orders(), (std::vector<SprayOrder>{{3, 4}}));
    EXPECT_TRUE(o->batch);
}

TEST(SimOptions, RefusedCommandLines)
{
    struct Case {
        Args args;
        std::string reason;  // a part of the one-line error
    };
    const Case cases[] = {
        {{"--seed", "4294967296"}, "--seed"},
        {{"--seed", "+1"}, "--seed"},
        {{"--seed", ""}, "--seed"},
        {{"--rounds", "2147483648"}, "--rounds"},
        {{"--rounds", "-1"}, "--rounds"},
        {{"--rounds", "1e3"}, "--rounds"},
        {{"--rounds", "0x10"}, "--rounds"},
        {{"--insecticide", "1 "}, "--insecticide"},
        {{"--insecticide", "-1"}, "--insecticide"},
        {{"--rounds"}, "needs a value"},
        {{"-r", "5"}, "unknown option '-r'"},
        {{"--board", "--what"}, "unknown option '--what'"},
        {{"--games", "0"}, "--games"},
        {{"--games", "-3"}, "--games"},
        {{"--games", "2147483648"}, "--games"},
        {{"--games"}, "needs a value"},
        {{"--jobs", "0"}, "--jobs"},
        {{"--jobs", "257"}, "--jobs"},
        {{"--every", "0"}, "--every"},
        {{"--spray", "0:5"}, "--spray"},
        {{"--spray", "5:-1"}, "--spray"},
        {{"--spray", "5"}, "--spray"},
        {{"--spray", "5:"}, "--spray"},
        {{"--spray", ":5"}, "--spray"},
        {{"--spray", "1:2:0"}, "--spray needs R:K or R:K:P"},
        {{"--spray", "1:2:"}, "--spray"},
        {{"--spray", "1:2:3:4"}, "--spray"},
        {{"--spray", "1:2:-1"}, "--spray"},
        {{"--spray", "1::3"}, "--spray"},
        {{"--spray", "1:2:2147483648"}, "--spray"},
        {{"--spray", "2147483648:1"}, "--spray"},
        {{"--spray", " 1:2"}, "--spray"},
        {{"--csv", ""}, "--csv"},
        {{"--csv"}, "needs a value"},
        {{"--games", "2", "--board"}, "--board"},
        {{"--csv", "x.csv", "--board"}, "--board"},
        {{"--summary", "--csv", "-"}, "standard output"},
        // A value that looks like an option is one forgotten, unless written with =.
        {{"--csv", "--games", "5"}, "--csv needs a value, not the option '--games' (a value that begins with -- is written --csv=--games)"},
        {{"--seed", "--rounds", "5"}, "--seed needs a value, not the option '--rounds'"},
        {{"--csv="}, "--csv needs a file name"},
        {{"--board=1"}, "--board takes no value"},
        {{"--bogus=1"}, "unknown option '--bogus'"},
        // What means nothing for a single game.
        {{"--jobs", "2"}, "--jobs is for batches"},
        {{"--seed", "1", "--quiet"}, "--quiet is for batches"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(parseSimOptions(c.args, error)) << c.args[0];
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

TEST(SimOptions, DefaultEveryIsATenthOfTheRounds)
{
    struct Case {
        std::int32_t rounds, every;
    };
    for (const auto c : {Case{100000, 10000}, Case{1000, 100}, Case{15, 1}, Case{9, 1}, Case{0, 1}}) {
        SimOptions options;
        options.rounds = c.rounds;
        std::string error;
        const auto plan = batchPlan(options, 0, error);
        ASSERT_TRUE(plan) << error;
        EXPECT_EQ(plan->every, c.every) << c.rounds;
        EXPECT_EQ(plan->checkpointRound(plan->checkpointCount() - 1), c.rounds);
    }
}

// The summary's totals grow with the checkpoints and the rounds, the CSV's counts with games times
// checkpoints; what does not fit is refused before play, saying what would help.
TEST(SimOptions, RefusesBatchesItCannotKeep)
{
    struct Case {
        std::int32_t games, rounds, every;
        bool summary, csv;
        const char* refusal;  // nullptr: accepted
    };
    const Case cases[] = {
        {1, 3000000, 1, true, false, nullptr},
        {1, 4000000, 1, true, false, "(1 game x 4000001 checkpoints, 4000000 rounds); choose a larger --every"},
        // A count per round: beyond some 130 million rounds fewer checkpoints no longer help.
        {1, 130000000, 13000000, true, false, nullptr},
        {1, 140000000, 14000000, true, false, "(1 game x 11 checkpoints, 140000000 rounds); choose fewer rounds"},
        {1, 300000000, 1, true, false, "(1 game x 300000001 checkpoints, 300000000 rounds); choose fewer rounds"},
        {1000, int32Max, 1000, true, true, "(1000 games x 2147485 checkpoints, 2147483647 rounds); choose fewer rounds or fewer games"},
        {1, 300000000, 1, false, true, nullptr},
        {1, int32Max, 1, false, true, "(1 game x 2147483648 checkpoints); choose a larger --every or fewer games"},
        {600000000, 0, 1, false, true, "(600000000 games x 1 checkpoint); choose fewer games"},
        // Without the CSV nothing grows with the games.
        {int32Max, 0, 1, true, false, nullptr},
        {int32Max, 1000, 100, true, false, nullptr},
        {1000000, 0, 1, true, true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.games) + " games, " + std::to_string(c.rounds) + " every " +
                     std::to_string(c.every) + (c.summary ? " summary" : "") + (c.csv ? " csv" : ""));
        SimOptions options;
        options.games = c.games;
        options.rounds = c.rounds;
        options.every = c.every;
        options.summary = c.summary;
        if (c.csv)
            options.csv = "out.csv";
        std::string error;
        const auto plan = batchPlan(options, 0, error);
        if (c.refusal) {
            EXPECT_FALSE(plan);
            EXPECT_NE(error.find(c.refusal), std::string::npos) << error;
            // Fewer games help only where the games' counts are kept.
            EXPECT_EQ(error.find("fewer games") != std::string::npos, c.csv) << error;
            continue;
        }
        ASSERT_TRUE(plan) << error;
        // Every thread's totals fit beside the counts.
        EXPECT_GE(plan->maxThreads(), 1u);
        EXPECT_LE(std::min<std::uint64_t>(plan->maxThreads(), 256) * plan->totalsBytes() + plan->countsBytes(),
                  BatchPlan::maxKeptBytes);
    }
}
