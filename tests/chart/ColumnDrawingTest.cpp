// Curves drawn one pixel column at a time from the value summary put exactly the pixels on the
// chart that drawing every single point puts there.
#include "ChartData.h"
#include "ChartImages.h"
#include "ChartLayout.h"
#include "ChartPainter.h"
#include "ColumnSegments.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>

namespace {

using namespace charttest;
using chartdata::Points;

// The chart drawn through the same painter set-up, from the summary or from every point.
QImage renderWith(ChartView& chart, SeriesDetail detail, bool printing = false, double zoom = 1.0)
{
    const QSize size(static_cast<int>(std::ceil(chart.width() * zoom)), static_cast<int>(std::ceil(chart.height() * zoom)));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(zoom, zoom);
    const QRect rect(QPoint(0, 0), chart.size());
    LabelCache labels;
    const ChartGeometry geometry = ChartLayout::compute(chart.model(), rect, labels);
    ChartPainter(chart.model(), geometry, labels, painter, printing, detail).draw(rect, chart.palette());
    return image;
}

// Empty when both images agree in every pixel; otherwise how many pixels differ and where.
std::string difference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return "sizes differ";
    int count = 0;
    QPoint first;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && count++ == 0)
                first = QPoint(x, y);
    if (count == 0)
        return {};
    std::ostringstream text;
    text << count << " pixels differ, the first at (" << first.x() << ", " << first.y() << ")";
    return text.str();
}

std::string differenceOfDetails(ChartView& chart, bool printing = false, double zoom = 1.0)
{
    return difference(renderWith(chart, SeriesDetail::Columns, printing, zoom),
                      renderWith(chart, SeriesDetail::EveryPoint, printing, zoom));
}

// Pixel columns along the bottom axis of chart: its plot width plus one.
int columnsOf(const ChartView& chart)
{
    return geometryOf(chart).plot.width() + 1;
}

void load(ChartView& chart, const Points& hunters, const Points& prey)
{
    chart.model().append(0, hunters);
    chart.model().append(1, prey);
}

struct Source {
    const char* name;
    std::function<std::pair<Points, Points>(std::int64_t)> make;
};

const Source sources[] = {
    {"randomWalk", [](std::int64_t n) { return std::pair(chartdata::randomWalk(n, 1), chartdata::randomWalk(n, 2)); }},
    {"populations",
     [](std::int64_t n) {
         chartdata::Curves curves = chartdata::populations(n, 20261208);
         return std::pair(std::move(curves.hunters), std::move(curves.prey));
     }},
    {"spikes", [](std::int64_t n) { return std::pair(chartdata::spikes(n, 3), chartdata::spikes(n, 4)); }},
};

struct Count {
    const char* name;
    double perColumn;  // points per pixel column
    int extra;
};

const Count counts[] = {
    {"aThirdOfTheColumns", 1.0 / 3, 0}, {"oneLessThanTheColumns", 1, -1}, {"asManyAsTheColumns", 1, 0},
    {"oneMoreThanTheColumns", 1, 1},    {"twiceTheColumnsAndOne", 2, 1},  {"37AndAHalfAColumn", 37.5, 0},
    {"400AColumn", 400, 0},
};

const QSize sizes[] = {QSize(chartWidth, chartHeight), QSize(1280, 400)};

using Case = std::tuple<int, int, int>;  // source, size, count

class ColumnDrawing : public testing::TestWithParam<Case> {};

TEST_P(ColumnDrawing, PutsThePixelsOfEveryPointOnTheChart)
{
    const auto [sourceIndex, sizeIndex, countIndex] = GetParam();
    const QSize size = sizes[sizeIndex];
    auto chart = twoCurveChart(size.width(), size.height());
    const Count& c = counts[countIndex];
    const auto n = static_cast<std::int64_t>(std::lround(c.perColumn * columnsOf(*chart))) + c.extra;
    const auto [hunters, prey] = sources[sourceIndex].make(n);
    load(*chart, hunters, prey);

    // The program's curves (two pixels, square ends) and the monochrome scheme's solid prey curve
    // over a thin one (one pixel, flat ends).
    EXPECT_EQ(differenceOfDetails(*chart), "") << n << " points, two-pixel pens";
    setLinePen(chart->model(), 0, 1);
    setLinePen(chart->model(), 1, 1);
    EXPECT_EQ(differenceOfDetails(*chart), "") << n << " points, one-pixel pens";
}

std::string caseName(const testing::TestParamInfo<Case>& info)
{
    const auto [source, size, count] = info.param;
    return std::string(sources[source].name) + "_" + std::to_string(sizes[size].width()) + "_" +
           counts[count].name;
}

INSTANTIATE_TEST_SUITE_P(SourcesSizesCounts, ColumnDrawing,
                         testing::Combine(testing::Range(0, 3), testing::Range(0, 2), testing::Range(0, 7)),
                         caseName);

struct Variant {
    const char* name;
    std::function<void(ChartModel&, int n)> setUp;
    bool printing = false;
    double zoom = 1.0;
};

class ColumnDrawingVariants : public testing::TestWithParam<Variant> {};

TEST_P(ColumnDrawingVariants, PutThePixelsOfEveryPointOnTheChart)
{
    auto chart = twoCurveChart();
    const int n = 23 * columnsOf(*chart) + 5;
    const chartdata::Curves curves = chartdata::populations(n, 77);
    load(*chart, curves.hunters, curves.prey);
    GetParam().setUp(chart->model(), n);
    EXPECT_EQ(differenceOfDetails(*chart, GetParam().printing, GetParam().zoom), "");
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ColumnDrawingVariants,
    testing::Values(
        Variant{"threePixelPens", [](ChartModel& c, int) { setLinePen(c, 0, 3); setLinePen(c, 1, 3); }},
        Variant{"clippedToThePlot", [](ChartModel& c, int) { c.setClipPoints(true); }},
        Variant{"printedThreeTimesLarger", [](ChartModel&, int) {}, true, 3.0},
        Variant{"printedTwoAndAHalfTimesLarger", [](ChartModel& c, int) { setLinePen(c, 0, 1); }, true, 2.5},
        Variant{"bottomAxisReversed",
                [](ChartModel& c, int n) { c.setBottomAxis(fixedRange(c.bottomAxis(), n - 1, 0)); }},
        Variant{"bottomAxisShowingAPart",
                [](ChartModel& c, int n) { c.setBottomAxis(fixedRange(c.bottomAxis(), n / 4, n / 2)); }},
        Variant{"bottomAxisOverflowing",
                [](ChartModel& c, int) { c.setBottomAxis(fixedRange(c.bottomAxis(), 0, 1e-6)); }},
        Variant{"valueAxisReversed", [](ChartModel& c, int) { c.setLeftAxis(fixedRange(c.leftAxis(), 36, 0)); }},
        Variant{"valueAxisAutomatic", [](ChartModel& c, int) {
                    ChartAxis left = c.leftAxis();
                    left.automatic = true;
                    c.setLeftAxis(left);
                }},
        Variant{"valueAxisOverflowing",
                [](ChartModel& c, int) { c.setLeftAxis(fixedRange(c.leftAxis(), 10, 10 + 1e-9)); }},
        Variant{"translucentPen", [](ChartModel& c, int) {
                    LineSeries hunters = c.series(0);
                    hunters.linePen.color = QColor(255, 0, 0, 128);
                    c.setSeries(0, hunters);
                }},
        Variant{"preyStoppedHalfWay", [](ChartModel& c, int n) {
                    c.clear(1);
                    c.append(1, chartdata::randomWalk(n / 2, 9));
                }}),
    [](const testing::TestParamInfo<Variant>& info) { return std::string(info.param.name); });

class DashedColumnDrawing : public testing::TestWithParam<int> {};

TEST_P(DashedColumnDrawing, FollowsEveryPointWhileColumnsHoldFewPoints)
{
    // The monochrome scheme's dash-dot hunter curve depends on the path, not just its pixels.
    auto chart = twoCurveChart();
    const int columns = columnsOf(*chart);
    const int n = GetParam() * columns - GetParam();
    const auto [hunters, prey] = sources[1].make(n);
    load(*chart, hunters, prey);
    setLinePen(chart->model(), 0, 1, PenStyle::DashDot);
    EXPECT_EQ(differenceOfDetails(*chart), "") << n << " points";
}

INSTANTIATE_TEST_SUITE_P(PointsPerColumn, DashedColumnDrawing,
                         testing::Values(1, 3, ColumnSegments::smallColumn - 1));

}  // namespace

namespace {

int redPixelsIn(const QImage& image, const ChartRect& plot)
{
    int count = 0;
    for (int y = plot.top; y <= plot.bottom; ++y)
        for (int x = plot.left; x <= plot.right; ++x)
            count += image.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
    return count;
}

class DenseDashedColumnDrawing : public testing::TestWithParam<int> {};

TEST_P(DenseDashedColumnDrawing, InksAsMuchAsEveryPoint)
{
    // Where a column holds many points their dashes overlap; the column's path must be as long
    // as theirs to get about as much ink. Not quite as much: the sweeps spread it evenly over
    // the column, where the points leave the rarely visited edge speckled.
    auto chart = twoCurveChart();
    const int n = GetParam() * columnsOf(*chart);
    const auto [hunters, prey] = sources[1].make(n);
    load(*chart, hunters, prey);
    LineSeries preyCurve = chart->model().series(1);
    preyCurve.visible = false;
    chart->model().setSeries(1, preyCurve);
    setLinePen(chart->model(), 0, 1, PenStyle::DashDot);
    const ChartRect plot = geometryOf(*chart).plot;
    const int columns = redPixelsIn(renderWith(*chart, SeriesDetail::Columns), plot);
    const int every = redPixelsIn(renderWith(*chart, SeriesDetail::EveryPoint), plot);
    ASSERT_GT(every, 0);
    EXPECT_NEAR(static_cast<double>(columns) / every, 1.0, 0.1) << columns << " against " << every;
}

INSTANTIATE_TEST_SUITE_P(PointsPerColumn, DenseDashedColumnDrawing, testing::Values(20, 60, 400));

}  // namespace
