// Points of a curve: their x is their position, their y is kept as one whole byte.
#include "LineSeries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

TEST(SeriesPoints, AppendGivesEachPointTheNextIndexAndClearStartsAgainAtZero)
{
    LineSeries series;
    EXPECT_EQ(series.append(3), 0);
    EXPECT_EQ(series.append(4), 1);
    EXPECT_EQ(series.append(5), 2);
    ASSERT_EQ(series.count(), 3);
    EXPECT_EQ(series.xValue(2), 2.0);
    EXPECT_EQ(series.yValue(1), 4.0);

    series.clear();
    EXPECT_EQ(series.count(), 0);
    EXPECT_EQ(series.append(7), 0);
    EXPECT_EQ(series.yValue(0), 7.0);
}

struct Stored {
    double given;
    double kept;
};

class SeriesByteStorage : public testing::TestWithParam<Stored> {};

TEST_P(SeriesByteStorage, KeepsTheValueAsAWholeNumberFrom0To255)
{
    LineSeries series;
    series.append(GetParam().given);
    EXPECT_EQ(series.yValue(0), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Values, SeriesByteStorage,
                         testing::Values(Stored{0, 0}, Stored{36, 36}, Stored{17.4, 17},
                                         Stored{17.5, 18}, Stored{255, 255}, Stored{300, 255},
                                         Stored{-5, 0}, Stored{std::nan(""), 0},
                                         Stored{std::numeric_limits<double>::infinity(), 255}));

TEST(SeriesPoints, SmallestAndLargestValueFollowAppendsAndClears)
{
    LineSeries series;
    EXPECT_EQ(series.minYValue(), 0.0);
    EXPECT_EQ(series.maxYValue(), 0.0);
    for (double y : {12.0, 30.0, 5.0, 20.0})
        series.append(y);
    EXPECT_EQ(series.minYValue(), 5.0);
    EXPECT_EQ(series.maxYValue(), 30.0);
    series.clear();
    series.append(33);
    EXPECT_EQ(series.minYValue(), 33.0);
    EXPECT_EQ(series.maxYValue(), 33.0);
}

TEST(SeriesPoints, EveryAppendClearAndRealPropertyChangeNotifiesTheOwner)
{
    LineSeries series;
    int notified = 0, added = 0;
    series.setChangeHandler([&] { ++notified; });
    series.setPointsAddedHandler([&] { ++added; });

    // Appended points have their own notification.
    series.append(1);
    series.append(2);
    EXPECT_EQ(added, 2);
    EXPECT_EQ(notified, 0);
    series.clear();
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(added, 2);
    series.linePen().setColor(Qt::green);
    series.linePen().setWidth(3);
    series.linePen().setStyle(PenStyle::DashDot);
    series.setTitle(QStringLiteral("Beute"));
    series.setVerticalAxis(VerticalAxis::Right);
    EXPECT_EQ(notified, 6);
    // Setting what is already set changes nothing and repaints nothing.
    series.linePen().setColor(Qt::green);
    series.setVerticalAxis(VerticalAxis::Right);
    EXPECT_EQ(notified, 6);
}

struct Fill {
    const char* name;
    int capacity;
    int before;      // points appended one by one first
    int bulk;        // then this many in one go
    int storedBulk;  // how many of those the series takes
};

class FullSeries : public testing::TestWithParam<Fill> {};

TEST_P(FullSeries, RefusesPointsBeyondItsCapacityAndKeepsWhatItHolds)
{
    const Fill& f = GetParam();
    LineSeries series(f.capacity);
    int added = 0;
    series.setPointsAddedHandler([&] { ++added; });
    for (int i = 0; i < f.before; ++i)
        ASSERT_EQ(series.append(i), i);
    std::vector<std::uint8_t> values(static_cast<std::size_t>(f.bulk), 7);
    EXPECT_EQ(series.append(values), f.storedBulk);
    EXPECT_EQ(added, f.before + (f.storedBulk > 0 ? 1 : 0));
    ASSERT_EQ(series.count(), f.before + f.storedBulk);

    // Full now: a further point is refused without a trace.
    EXPECT_EQ(series.append(30), -1);
    EXPECT_EQ(series.append(values), 0);
    EXPECT_EQ(series.count(), f.capacity);
    EXPECT_EQ(added, f.before + (f.storedBulk > 0 ? 1 : 0));
    if (f.capacity > 0) {
        EXPECT_EQ(series.yValue(series.count() - 1), f.storedBulk > 0 ? 7.0 : f.before - 1.0);
        EXPECT_LT(series.maxYValue(), 30.0);
    }

    // Clearing makes room again.
    series.clear();
    EXPECT_EQ(series.append(30), f.capacity > 0 ? 0 : -1);
}

INSTANTIATE_TEST_SUITE_P(Fills, FullSeries,
                         testing::Values(Fill{"bulkFillsUp", 5, 2, 10, 3}, Fill{"bulkFitsExactly", 5, 0, 5, 5},
                                         Fill{"singlePointsFillUp", 3, 3, 4, 0}, Fill{"noRoomAtAll", 0, 0, 2, 0}),
                         [](const testing::TestParamInfo<Fill>& info) { return std::string(info.param.name); });

TEST(FullSeries, TheDefaultCapacityIsTheLargestInt)
{
    EXPECT_EQ(LineSeries().capacity(), std::numeric_limits<int>::max());
    EXPECT_EQ(LineSeries(-4).capacity(), 0);
}

}  // namespace
