#include "SprayPlan.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>

// Which rounds the orders fall before and which count counts there, for rounds 1 to 40; the
// next order after a round is the first of those rounds that follows it.
TEST(SprayPlan, OrdersFallBeforeTheirRounds)
{
    struct Case {
        const char* name;
        std::vector<SprayOrder> orders;
        std::map<std::int32_t, std::int32_t> expected;  // round: count ordered just before it
        std::vector<SprayOrder> kept;
    };
    const Case cases[] = {
        {"none", {}, {}, {}},
        {"once", {{5, 3}}, {{5, 3}}, {{5, 3}}},
        {"two rounds, either order", {{30, 1}, {2, 0}}, {{2, 0}, {30, 1}}, {{30, 1}, {2, 0}}},
        {"the same round: the later order", {{7, 4}, {7, 9}}, {{7, 9}}, {{7, 9}}},
        {"every 10 rounds", {{5, 3, 10}}, {{5, 3}, {15, 3}, {25, 3}, {35, 3}}, {{5, 3, 10}}},
        {"every round", {{38, 2, 1}}, {{38, 2}, {39, 2}, {40, 2}}, {{38, 2, 1}}},
        // A later order wins where it falls; the repeats go on around it.
        {"a stop amid repeats", {{5, 3, 10}, {25, 0}}, {{5, 3}, {15, 3}, {25, 0}, {35, 3}}, {{5, 3, 10}, {25, 0}}},
        {"a once order at the start", {{5, 3, 10}, {5, 7}}, {{5, 7}, {15, 3}, {25, 3}, {35, 3}}, {{5, 3, 10}, {5, 7}}},
        // Orders that a later one overrules wherever they fall are gone.
        {"a series over a once order", {{15, 1}, {5, 3, 10}}, {{5, 3}, {15, 3}, {25, 3}, {35, 3}}, {{5, 3, 10}}},
        {"a denser series", {{4, 2, 12}, {4, 1, 6}}, {{4, 1}, {10, 1}, {16, 1}, {22, 1}, {28, 1}, {34, 1}, {40, 1}},
         {{4, 1, 6}}},
        {"an earlier series, not a multiple", {{4, 2, 9}, {4, 1, 6}},
         {{4, 1}, {10, 1}, {13, 2}, {16, 1}, {22, 1}, {28, 1}, {31, 2}, {34, 1}, {40, 1}}, {{4, 2, 9}, {4, 1, 6}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SprayPlan plan;
        for (const SprayOrder& order : c.orders)
            plan.order(order);
        EXPECT_EQ(plan.orders(), c.kept);
        std::map<std::int32_t, std::int32_t> ordered;
        for (std::int32_t round = 1; round <= 40; ++round)
            if (const auto count = plan.countBefore(round))
                ordered[round] = *count;
        EXPECT_EQ(ordered, c.expected);
        for (std::int32_t round = 0; round < 39; ++round) {
            const auto next = c.expected.upper_bound(round);
            if (next != c.expected.end()) {
                EXPECT_EQ(plan.nextOrderAfter(round), next->first) << round;
            }
        }
    }
}

TEST(SprayPlan, RepeatsEndAtTheLastRound)
{
    constexpr std::int32_t last = std::numeric_limits<std::int32_t>::max();
    SprayPlan plan;
    plan.order({last - 10, 1, 6});
    EXPECT_EQ(plan.nextOrderAfter(last - 10), last - 4);
    EXPECT_EQ(plan.nextOrderAfter(last - 4), std::nullopt);
    EXPECT_EQ(plan.countBefore(last - 4), 1);
    EXPECT_EQ(plan.countBefore(last), std::nullopt);
}
