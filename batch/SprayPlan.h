#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// A spraying order as pressing "Insektizid" gives it: count rounds of spraying from the round it
// is given before on, replacing the rounds left of a campaign (0 ends a running one). With a
// period, the same order is given again every period rounds after.
struct SprayOrder {
    std::int32_t round = 1;
    std::int32_t count = 0;
    std::int32_t period = 0;  // 0: given once

    // Whether the order is given just before the round.
    bool fallsBefore(std::int32_t r) const
    {
        return r == round || (period > 0 && r > round && (r - round) % period == 0);
    }
    bool operator==(const SprayOrder&) const = default;
};

// The spraying orders that every game of a batch follows. Where several orders fall before the
// same round, the one given last counts.
class SprayPlan {
public:
    // Adds an order after the others; earlier ones that it overrules in every round they fall
    // before are dropped.
    void order(SprayOrder order);
    // The orders in the order given.
    const std::vector<SprayOrder>& orders() const { return orders_; }
    bool empty() const { return orders_.empty(); }

    // The count ordered just before the round is played, if any order falls there.
    std::optional<std::int32_t> countBefore(std::int32_t round) const;
    // The first round after the given one before which an order falls, if any.
    std::optional<std::int32_t> nextOrderAfter(std::int32_t round) const;
    // The rounds from 1 to rounds that spray, in order: each order sets the spraying rounds left,
    // and a round sprays while any are left.
    std::vector<std::int32_t> sprayedRounds(std::int32_t rounds) const;

    bool operator==(const SprayPlan&) const = default;

private:
    std::vector<SprayOrder> orders_;
};
