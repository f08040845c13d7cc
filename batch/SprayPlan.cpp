#include "SprayPlan.h"

#include <algorithm>
#include <limits>

void SprayPlan::order(SprayOrder order)
{
    // Every round of the earlier order is one of the new order's: its start is, and so are its
    // repeats when their period is a multiple of the new one's.
    const auto overruled = [&](const SprayOrder& earlier) {
        return order.fallsBefore(earlier.round) &&
               (earlier.period == 0 || (order.period > 0 && earlier.period % order.period == 0));
    };
    std::erase_if(orders_, overruled);
    orders_.push_back(order);
}

std::optional<std::int32_t> SprayPlan::countBefore(std::int32_t round) const
{
    const auto last =
        std::find_if(orders_.rbegin(), orders_.rend(), [&](const SprayOrder& o) { return o.fallsBefore(round); });
    if (last == orders_.rend())
        return std::nullopt;
    return last->count;
}

std::optional<std::int32_t> SprayPlan::nextOrderAfter(std::int32_t round) const
{
    std::int64_t next = std::numeric_limits<std::int64_t>::max();
    for (const SprayOrder& o : orders_) {
        if (round < o.round)
            next = std::min<std::int64_t>(next, o.round);
        else if (o.period > 0)
            next = std::min(next, o.round + (std::int64_t{round - o.round} / o.period + 1) * o.period);
    }
    if (next > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(next);
}

std::vector<std::int32_t> SprayPlan::sprayedRounds(std::int32_t rounds) const
{
    std::vector<std::int32_t> sprayed;
    std::int32_t left = 0;
    for (std::int32_t round = 1; round <= rounds; ++round) {
        if (const std::optional<std::int32_t> count = countBefore(round))
            left = *count;
        if (left > 0) {
            sprayed.push_back(round);
            --left;
        }
    }
    return sprayed;
}
