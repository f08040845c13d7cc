// The chart's model: a curve's points (x their position, y one whole byte each), its parts as
// stored, and the signals a view repaints on.
#include "ChartModel.h"
#include "TwoCurveChart.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

struct Stored {
    double given;
    int kept;
};

class SeriesByteStorage : public testing::TestWithParam<Stored> {};

TEST_P(SeriesByteStorage, KeepsTheValueAsAWholeNumberFrom0To255)
{
    ChartModel model;
    model.append(model.addSeries(), GetParam().given);
    EXPECT_EQ(model.points(0).at(0), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Values, SeriesByteStorage,
                         testing::Values(Stored{0, 0}, Stored{36, 36}, Stored{17.4, 17},
                                         Stored{17.5, 18}, Stored{255, 255}, Stored{300, 255},
                                         Stored{-5, 0}, Stored{std::nan(""), 0},
                                         Stored{std::numeric_limits<double>::infinity(), 255}));

struct Change {
    const char* name;
    std::function<void(ChartModel&)> apply;
};

class ModelChange : public testing::TestWithParam<Change> {};

TEST_P(ModelChange, SignalsChangedOnceAndNothingWhenTheSameValueIsSetAgain)
{
    ChartModel model;
    model.addSeries();
    QSignalSpy changed(&model, &ChartModel::changed);
    GetParam().apply(model);
    EXPECT_EQ(changed.count(), 1);
    GetParam().apply(model);
    EXPECT_EQ(changed.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Setters, ModelChange,
    testing::Values(
        Change{"panelColour", [](ChartModel& c) { c.setColor(Qt::green); }},
        Change{"backColourMakesTheWallSolid", [](ChartModel& c) { c.setBackColor(c.backColor()); }},
        Change{"backWallColour", [](ChartModel& c) { c.setBackWallColor(Qt::green); }},
        Change{"monochrome", [](ChartModel& c) { c.setMonochrome(true); }},
        Change{"clipping", [](ChartModel& c) { c.setClipPoints(false); }},
        Change{"margins", [](ChartModel& c) { c.setMargins(2, 2, 2, 2); }},
        Change{"leftAxis", [](ChartModel& c) { c.setLeftAxis(fixedRange(c.leftAxis(), 0, 40)); }},
        Change{"rightAxis", [](ChartModel& c) { c.setRightAxis(fixedRange(c.rightAxis(), 0, 40)); }},
        Change{"bottomAxis", [](ChartModel& c) { c.setBottomAxis(fixedRange(c.bottomAxis(), 0, 40)); }},
        Change{"series", [](ChartModel& c) {
                   LineSeries series = c.series(0);
                   series.linePen.style = PenStyle::Dot;
                   c.setSeries(0, series);
               }}),
    [](const testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });

TEST(ModelValues, PenWidthsAndFontSizesBelowOneAreStoredAsOne)
{
    ChartModel model;
    LineSeries series;
    series.linePen.width = 0;
    model.addSeries(series);
    EXPECT_EQ(model.series(0).linePen.width, 1);
    ChartAxis axis;
    axis.grid.width = -3;
    axis.title.font.pixelSize = 0;
    axis.labelsSeparation = -5;
    model.setLeftAxis(axis);
    EXPECT_EQ(model.leftAxis().grid.width, 1);
    EXPECT_EQ(model.leftAxis().title.font.pixelSize, 1);
    EXPECT_EQ(model.leftAxis().labelsSeparation, 0);
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
    ChartModel model;
    const int s = model.addSeries({}, f.capacity);
    QSignalSpy added(&model, &ChartModel::pointsAdded);
    QSignalSpy changed(&model, &ChartModel::changed);
    for (int i = 0; i < f.before; ++i)
        ASSERT_EQ(model.append(s, i), i);
    std::vector<std::uint8_t> values(static_cast<std::size_t>(f.bulk), 7);
    EXPECT_EQ(model.append(s, values), f.storedBulk);
    const int signalled = f.before + (f.storedBulk > 0 ? 1 : 0);
    EXPECT_EQ(added.count(), signalled);
    ASSERT_EQ(model.points(s).count(), f.before + f.storedBulk);

    // Full now: a further point is refused without a trace.
    EXPECT_EQ(model.append(s, 30), -1);
    EXPECT_EQ(model.append(s, values), 0);
    EXPECT_EQ(model.points(s).count(), f.capacity);
    EXPECT_EQ(added.count(), signalled);
    if (f.capacity > 0) {
        EXPECT_EQ(model.points(s).at(f.capacity - 1), f.storedBulk > 0 ? 7 : f.before - 1);
        EXPECT_LT(model.points(s).maximum(), 30);
    }

    // Clearing makes room again; points added never signal changed(), clearing does.
    EXPECT_EQ(changed.count(), 0);
    model.clear(s);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(model.append(s, 30), f.capacity > 0 ? 0 : -1);
    EXPECT_EQ(model.points(s).count(), f.capacity > 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Fills, FullSeries,
                         testing::Values(Fill{"bulkFillsUp", 5, 2, 10, 3}, Fill{"bulkFitsExactly", 5, 0, 5, 5},
                                         Fill{"singlePointsFillUp", 3, 3, 4, 0}, Fill{"noRoomAtAll", 0, 0, 2, 0}),
                         [](const testing::TestParamInfo<Fill>& info) { return std::string(info.param.name); });

}  // namespace
