#include "BatchPlan.h"
#include "BatchTotals.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();

std::vector<std::int32_t> checkpointRounds(std::int32_t rounds, std::int32_t every)
{
    BatchPlan plan;
    plan.rounds = rounds;
    plan.every = every;
    std::vector<std::int32_t> result;
    for (std::size_t c = 0; c < plan.checkpointCount(); ++c)
        result.push_back(plan.checkpointRound(c));
    return result;
}
}  // namespace

TEST(BatchPlan, CheckpointRounds)
{
    struct Case {
        std::int32_t rounds, every;
        std::vector<std::int32_t> expected;
    };
    const Case cases[] = {
        {0, 1, {0}},
        {0, 7, {0}},
        {1, 1, {0, 1}},
        {10, 5, {0, 5, 10}},
        {10, 3, {0, 3, 6, 9, 10}},
        {5, 10, {0, 5}},
        // The step past the last multiple would leave the 32-bit range.
        {int32Max, 1 << 30, {0, 1 << 30, int32Max}},
        {int32Max, int32Max, {0, int32Max}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkpointRounds(c.rounds, c.every), c.expected) << c.rounds << " every " << c.every;
    EXPECT_EQ(BatchPlan::checkpointCount(int32Max, 1), std::size_t{1} << 31);
}

TEST(BatchPlan, DefaultEveryIsATenthOfTheRounds)
{
    struct Case {
        std::int32_t rounds, every;
    };
    for (const auto c : {Case{100000, 10000}, Case{1000, 100}, Case{15, 1}, Case{9, 1}, Case{0, 1}}) {
        SimOptions options;
        options.rounds = c.rounds;
        std::string error;
        const auto plan = BatchPlan::make(options, 0, error);
        ASSERT_TRUE(plan) << error;
        EXPECT_EQ(plan->every, c.every) << c.rounds;
        EXPECT_EQ(plan->checkpointRound(plan->checkpointCount() - 1), c.rounds);
    }
}

TEST(BatchPlan, SeedsWrapAround)
{
    SimOptions options;
    options.games = 3;
    std::string error;
    const auto plan = BatchPlan::make(options, 4294967295u, error);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->seed(0), 4294967295u);
    EXPECT_EQ(plan->seed(1), 0u);
    EXPECT_EQ(plan->seed(2), 1u);
}

// The summary's totals grow with the checkpoints, the CSV's counts with games times checkpoints;
// what does not fit is refused before play, saying what to change.
TEST(BatchPlan, RefusesWhatItCannotKeep)
{
    struct Case {
        std::int32_t games, rounds, every;
        bool summary, csv;
        const char* refusal;  // nullptr: accepted
    };
    const Case cases[] = {
        {1, 300000000, 1, true, false, "(1 game x 300000001 checkpoints); choose a larger --every"},
        {1, 10000000, 1, true, false, nullptr},
        {1, 300000000, 1, false, true, nullptr},
        {1, int32Max, 1, false, true, "(1 game x 2147483648 checkpoints); choose a larger --every or fewer games"},
        {1000, int32Max, 1000, true, false, nullptr},
        {1000, int32Max, 1000, true, true, "(1000 games x 2147485 checkpoints)"},
        // Without the CSV nothing grows with the games.
        {int32Max, 0, 1, true, false, nullptr},
        {int32Max, 1000, 100, true, false, nullptr},
        {600000000, 0, 1, false, true, "(600000000 games x 1 checkpoint); choose a larger --every or fewer games"},
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
        const auto plan = BatchPlan::make(options, 0, error);
        if (c.refusal) {
            EXPECT_FALSE(plan);
            EXPECT_NE(error.find(c.refusal), std::string::npos) << error;
            // Fewer games help only where the games' counts are kept.
            EXPECT_EQ(error.find("fewer games") != std::string::npos, c.csv) << error;
            continue;
        }
        ASSERT_TRUE(plan) << error;
        // Every thread's totals fit beside the counts.
        const std::uint64_t table = c.summary ? plan->checkpointCount() * sizeof(CheckpointTotals) : 0;
        const std::uint64_t counts = c.csv ? 2 * plan->checkpointCount() * static_cast<std::uint64_t>(c.games) : 0;
        EXPECT_GE(plan->maxThreads, 1u);
        EXPECT_LE(std::min<std::uint64_t>(plan->maxThreads, 256) * table + counts, BatchPlan::maxKeptBytes);
    }
}
