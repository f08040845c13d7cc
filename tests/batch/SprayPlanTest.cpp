#include "SprayPlan.h"

#include <gtest/gtest.h>

#include <map>

// Which rounds an order falls before and which count it gives, for rounds 1 to 40; the next
// order after a round is the first of those rounds that follows it.
TEST(SprayPlan, OrdersFallBeforeTheirRounds)
{
    struct Case {
        const char* name;
        std::vector<SprayOrder> orders;
        std::map<std::int32_t, std::int32_t> expected;  // round: count ordered just before it
    };
    const Case cases[] = {
        {"none", {}, {}},
        {"one campaign", {{5, 3}}, {{5, 3}}},
        {"two rounds, either order", {{30, 1}, {2, 0}}, {{2, 0}, {30, 1}}},
        {"the same round: the later order", {{7, 4}, {7, 9}}, {{7, 9}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SprayPlan plan;
        for (const SprayOrder& order : c.orders)
            plan.order(order);
        std::map<std::int32_t, std::int32_t> ordered;
        for (std::int32_t round = 1; round <= 40; ++round)
            if (const auto count = plan.countBefore(round))
                ordered[round] = *count;
        EXPECT_EQ(ordered, c.expected);
        for (std::int32_t round = 0; round < 40; ++round) {
            const auto next = c.expected.upper_bound(round);
            EXPECT_EQ(plan.nextOrderAfter(round), next == c.expected.end() ? std::nullopt : std::optional{next->first})
                << round;
        }
    }
}
