#include "BatchPlan.h"

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

TEST(BatchPlan, SeedsWrapAround)
{
    BatchPlan plan;
    plan.firstSeed = 4294967295u;
    plan.games = 3;
    EXPECT_EQ(plan.seed(0), 4294967295u);
    EXPECT_EQ(plan.seed(1), 0u);
    EXPECT_EQ(plan.seed(2), 1u);
}
