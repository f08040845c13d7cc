// Points of a curve: their x is their position, their y is kept as one whole byte.
#include "TFastLineSeries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(SeriesPoints, AppendGivesEachPointTheNextIndexAndClearStartsAgainAtZero)
{
    TFastLineSeries series;
    EXPECT_EQ(series.AppendPoint(3), 0);
    EXPECT_EQ(series.AppendPoint(4), 1);
    EXPECT_EQ(series.AppendPoint(5), 2);
    ASSERT_EQ(series.Count(), 3);
    EXPECT_EQ(series.XValue(2), 2.0);
    EXPECT_EQ(series.YValue(1), 4.0);

    series.ClearPoints();
    EXPECT_EQ(series.Count(), 0);
    EXPECT_EQ(series.AppendPoint(7), 0);
    EXPECT_EQ(series.YValue(0), 7.0);
}

struct Stored {
    double given;
    double kept;
};

class SeriesByteStorage : public testing::TestWithParam<Stored> {};

TEST_P(SeriesByteStorage, KeepsTheValueAsAWholeNumberFrom0To255)
{
    TFastLineSeries series;
    series.AppendPoint(GetParam().given);
    EXPECT_EQ(series.YValue(0), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Values, SeriesByteStorage,
                         testing::Values(Stored{0, 0}, Stored{36, 36}, Stored{17.4, 17},
                                         Stored{17.5, 18}, Stored{255, 255}, Stored{300, 255},
                                         Stored{-5, 0}, Stored{std::nan(""), 0},
                                         Stored{std::numeric_limits<double>::infinity(), 255}));

TEST(SeriesPoints, SmallestAndLargestValueFollowAppendsAndClears)
{
    TFastLineSeries series;
    EXPECT_EQ(series.MinYValue(), 0.0);
    EXPECT_EQ(series.MaxYValue(), 0.0);
    for (double y : {12.0, 30.0, 5.0, 20.0})
        series.AppendPoint(y);
    EXPECT_EQ(series.MinYValue(), 5.0);
    EXPECT_EQ(series.MaxYValue(), 30.0);
    series.ClearPoints();
    series.AppendPoint(33);
    EXPECT_EQ(series.MinYValue(), 33.0);
    EXPECT_EQ(series.MaxYValue(), 33.0);
}

TEST(SeriesPoints, EveryAppendClearAndRealPropertyChangeNotifiesTheOwner)
{
    TFastLineSeries series;
    int notified = 0, added = 0;
    series.setOnChange([&] { ++notified; });
    series.setOnPointsAdded([&] { ++added; });

    // Appended points have their own notification.
    series.AppendPoint(1);
    series.AppendPoint(2);
    EXPECT_EQ(added, 2);
    EXPECT_EQ(notified, 0);
    series.ClearPoints();
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(added, 2);
    series.LinePen().setColor(Qt::green);
    series.LinePen().setWidth(3);
    series.LinePen().setStyle(TPenStyle::DashDot);
    series.setTitle(QStringLiteral("Beute"));
    series.setVertAxis(TVertAxis::Right);
    EXPECT_EQ(notified, 6);
    // Setting what is already set changes nothing and repaints nothing.
    series.LinePen().setColor(Qt::green);
    series.setVertAxis(TVertAxis::Right);
    EXPECT_EQ(notified, 6);
}

}  // namespace
