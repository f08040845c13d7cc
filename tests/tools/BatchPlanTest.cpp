#include "BatchPlan.h"

#include <gtest/gtest.h>

#include <limits>

TEST(BatchPlan, CheckpointRounds)
{
    constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
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
        {max, 1 << 30, {0, 1 << 30, max}},
        {max, max, {0, max}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkpointRounds(c.rounds, c.every), c.expected) << c.rounds << " every " << c.every;
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
        EXPECT_EQ(plan->checkpoints.back(), c.rounds);
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

TEST(BatchPlan, RefusesMoreCountsThanItCanKeep)
{
    SimOptions options;
    options.rounds = std::numeric_limits<std::int32_t>::max();
    options.every = 1;
    std::string error;
    EXPECT_FALSE(BatchPlan::make(options, 0, error));
    EXPECT_NE(error.find("--every"), std::string::npos);

    options.every = 1000;
    options.games = 1000;
    EXPECT_FALSE(BatchPlan::make(options, 0, error));

    options.games = 1;
    error.clear();
    EXPECT_TRUE(BatchPlan::make(options, 0, error)) << error;

    // Even without rounds every game keeps its counts and first extinctions.
    options.rounds = 0;
    options.games = std::numeric_limits<std::int32_t>::max();
    EXPECT_FALSE(BatchPlan::make(options, 0, error));
    options.games = 1000000;
    EXPECT_TRUE(BatchPlan::make(options, 0, error)) << error;
}
