// The stored points and their summary: every range query agrees with a scan of the points, and
// the memory stays close to one byte per point.
#include "ChartData.h"
#include "ByteSeries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

using chartdata::Lcg;
using chartdata::Points;

ByteRange scan(const Points& points, std::int64_t first, std::int64_t last)
{
    ByteRange r;
    for (std::int64_t i = first; i <= last; ++i)
        r.add(points[static_cast<std::size_t>(i)]);
    return r;
}

std::int64_t scanVariation(const Points& points, std::int64_t first, std::int64_t last)
{
    std::int64_t total = 0;
    for (std::int64_t i = first; i < last; ++i)
        total += std::abs(int{points[static_cast<std::size_t>(i + 1)]} - int{points[static_cast<std::size_t>(i)]});
    return total;
}

// Values of all sorts, with lone extremes, so a block that drops a point shows.
Points noisy(std::int64_t n, std::uint32_t seed)
{
    Lcg random(seed);
    Points points(static_cast<std::size_t>(n));
    for (auto& p : points) {
        const std::uint32_t r = random.next();
        p = static_cast<std::uint8_t>(r % 251 == 0 ? r % 256 : 100 + r % 20);
    }
    return points;
}

struct Length {
    const char* name;
    std::int64_t count;
};

class SummaryRanges : public testing::TestWithParam<Length> {};

TEST_P(SummaryRanges, AgreeWithAScanOfThePointsInExtremesAndVariation)
{
    const std::int64_t n = GetParam().count;
    const Points points = noisy(n, static_cast<std::uint32_t>(n));
    ByteSeries list;
    for (std::uint8_t p : points)
        list.append(p);
    ASSERT_EQ(list.count(), n);

    auto check = [&](std::int64_t first, std::int64_t last) {
        const ByteRange expected = scan(points, first, last);
        const ByteRange got = list.range(first, last);
        ASSERT_EQ(got.low, expected.low) << first << ".." << last;
        ASSERT_EQ(got.high, expected.high) << first << ".." << last;
        ASSERT_EQ(list.variation(first, last), scanVariation(points, first, last)) << first << ".." << last;
    };
    // Ranges that start or end on every block edge near both ends, then random ones.
    for (std::int64_t edge : {std::int64_t{0}, std::int64_t{1}, std::int64_t{15}, std::int64_t{16},
                              std::int64_t{255}, std::int64_t{256}, std::int64_t{4096}, std::int64_t{65536}}) {
        for (std::int64_t d : {-1, 0, 1}) {
            const std::int64_t a = std::clamp<std::int64_t>(edge + d, 0, n - 1);
            const std::int64_t b = std::clamp<std::int64_t>(n - 1 - edge - d, 0, n - 1);
            check(std::min(a, b), std::max(a, b));
            check(0, a);
            check(b, n - 1);
        }
    }
    Lcg random(7);
    for (int k = 0; k < 2000; ++k) {
        const std::int64_t a = random.next() % n;
        const std::int64_t b = random.next() % n;
        check(std::min(a, b), std::max(a, b));
    }
    EXPECT_EQ(list.minimum(), scan(points, 0, n - 1).low);
    EXPECT_EQ(list.maximum(), scan(points, 0, n - 1).high);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, SummaryRanges,
    testing::Values(Length{"one", 1}, Length{"lessThanABlock", 15}, Length{"oneBlock", 16},
                    Length{"oneBlockAndOne", 17}, Length{"twoLevels", 257}, Length{"threeLevels", 4097},
                    Length{"oneChunk", 65536}, Length{"chunkAndOne", 65537},
                    Length{"fiveLevels", (1 << 20) + 3}),
    [](const testing::TestParamInfo<Length>& info) { return std::string(info.param.name); });

TEST(SummaryRanges, AnEmptyRangeIsEmpty)
{
    ByteSeries list;
    list.append(5);
    list.append(6);
    EXPECT_TRUE(list.range(1, 0).empty());
    EXPECT_FALSE(list.range(0, 0).empty());
}

TEST(ValueListFill, ABulkFillStoresAndSummarisesLikeSinglePoints)
{
    const Points points = noisy(70001, 3);
    ByteSeries single;
    ByteSeries bulk;
    for (std::uint8_t p : points)
        single.append(p);
    // in uneven pieces, so the pieces end inside blocks and chunks
    std::size_t done = 0;
    for (std::size_t piece : {std::size_t{1}, std::size_t{30}, std::size_t{65536}, std::size_t{4434}}) {
        bulk.append(std::span<const std::uint8_t>(points).subspan(done, piece));
        done += piece;
    }
    ASSERT_EQ(bulk.count(), single.count());
    for (std::int64_t i = 0; i < bulk.count(); i += 97)
        ASSERT_EQ(bulk.at(i), single.at(i)) << i;
    Lcg random(11);
    for (int k = 0; k < 500; ++k) {
        const std::int64_t a = random.next() % bulk.count();
        const std::int64_t b = random.next() % bulk.count();
        const ByteRange x = bulk.range(std::min(a, b), std::max(a, b));
        const ByteRange y = single.range(std::min(a, b), std::max(a, b));
        ASSERT_EQ(x.low, y.low);
        ASSERT_EQ(x.high, y.high);
        ASSERT_EQ(bulk.variation(std::min(a, b), std::max(a, b)), single.variation(std::min(a, b), std::max(a, b)));
    }
}

// What the points cost is measured in bench/ (ChartBench's bytes per round); here only that a
// clearing hands it all back and the series starts afresh.
TEST(ValueListMemory, IsHandedBackOnClear)
{
    ByteSeries list;
    list.append(chartdata::randomWalk((1 << 21) + 5, 1));
    ASSERT_GE(list.allocatedBytes(), static_cast<std::size_t>(list.count()));

    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.allocatedBytes(), 0u);
    list.append(9);
    EXPECT_EQ(list.range(0, 0).low, 9);
    EXPECT_EQ(list.minimum(), 9);
}

}  // namespace
