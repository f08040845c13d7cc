#include "SprayPlan.h"

#include <algorithm>

void SprayPlan::order(SprayOrder order)
{
    std::erase_if(orders_, [&](const SprayOrder& earlier) { return earlier.round == order.round; });
    orders_.push_back(order);
}

std::optional<std::int32_t> SprayPlan::countBefore(std::int32_t round) const
{
    const auto last = std::find_if(orders_.rbegin(), orders_.rend(), [&](const SprayOrder& o) { return o.round == round; });
    if (last == orders_.rend())
        return std::nullopt;
    return last->count;
}

std::optional<std::int32_t> SprayPlan::nextOrderAfter(std::int32_t round) const
{
    std::optional<std::int32_t> next;
    for (const SprayOrder& o : orders_)
        if (o.round > round && (!next || o.round < *next))
            next = o.round;
    return next;
}
