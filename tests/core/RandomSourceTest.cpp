#include "RandomSource.h"

#include <gtest/gtest.h>

#include <vector>

TEST(RandomSource, SequenceFromSeedZero)
{
    RandomSource r;
    ASSERT_EQ(r.seed(), 0u);
    const std::vector<std::uint32_t> values = {0, 0, 5, 1, 1, 4, 1, 0};
    const std::vector<std::uint32_t> seeds = {1u,          134775814u,  3698175007u, 870078620u,
                                              1172187917u, 2884733762u, 1368768587u, 694906232u};
    for (size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(r.nextBelow(6), values[i]) << "draw " << i;
        EXPECT_EQ(r.seed(), seeds[i]) << "draw " << i;
    }
}

TEST(RandomSource, DegenerateRangesStillAdvance)
{
    for (std::uint32_t n : {0u, 1u}) {
        RandomSource r;
        r.setSeed(7);
        EXPECT_EQ(r.nextBelow(n), 0u);
        EXPECT_EQ(r.seed(), 7u * 134775813u + 1u);
    }
}

// The result comes from the top bits of the new state: 0 below ceil(2^32/6), 5 at the top.
TEST(RandomSource, ResultIsTakenFromTheHighBits)
{
    struct Row {
        std::uint32_t state;  // the state the step produces
        std::uint32_t expected;
    };
    const Row rows[] = {
        {0u, 0}, {715827882u, 0}, {715827883u, 1}, {1431655765u, 1}, {1431655766u, 2},
        {4294967295u, 5}, {3579139413u, 4}, {3579139414u, 5},
    };
    // Invert the step: previous = (state - 1) * inverse(134775813) mod 2^32.
    std::uint32_t inverse = 1;
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - 134775813u * inverse;  // Newton's iteration for the inverse mod 2^32
    ASSERT_EQ(inverse * 134775813u, 1u);
    for (const auto& row : rows) {
        RandomSource r;
        r.setSeed((row.state - 1u) * inverse);
        EXPECT_EQ(r.nextBelow(6), row.expected) << row.state;
        EXPECT_EQ(r.seed(), row.state);
    }
}

