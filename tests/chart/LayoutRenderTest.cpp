// Where the chart puts its plot, walls, axis lines, ticks, grid, labels and titles.
#include "ChartImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace charttest;

const QColor gray = chartcolor::gray;

TEST(BackWall, ReachesOnePixelBeyondThePlotAndIsOutlinedThere)
{
    // Without series no axis is drawn: the plot is the chart less its margins (3/4/3/4 percent).
    ChartView chart;
    chart.model().setColor(chartcolor::silver);
    chart.model().setBackColor(chartcolor::green);
    chart.resize(200, 100);
    const QImage image = render(chart);
    const int l = 6, t = 4, r = 194, b = 96;
    EXPECT_EQ(geometryOf(chart).plot, (ChartRect{l, t, r, b}));
    for (QPoint outline : {QPoint(l, 50), QPoint(r, 50), QPoint(100, t), QPoint(100, b)})
        EXPECT_EQ(at(image, outline.x(), outline.y()), chartcolor::black) << outline.x() << "," << outline.y();
    for (QPoint inside : {QPoint(l + 1, 50), QPoint(r - 1, 50), QPoint(100, t + 1), QPoint(100, b - 1)})
        EXPECT_EQ(at(image, inside.x(), inside.y()), chartcolor::green) << inside.x() << "," << inside.y();
    for (QPoint outside : {QPoint(l - 1, 50), QPoint(r + 1, 50), QPoint(100, t - 1), QPoint(100, b + 1)})
        EXPECT_EQ(at(image, outside.x(), outside.y()), chartcolor::silver) << outside.x() << "," << outside.y();
}

TEST(AxisLines, AreTwoBlackPixelsOnThePlotEdgesGrowingInwards)
{
    auto chart = twoCurveChart();
    fill(*chart, 2, 30, 30);
    const QImage image = render(*chart);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    const int y = p.bottom - 2;  // between the tick at 0 and the first minor tick 4 pixels up
    const int x = p.left + 10;
    EXPECT_EQ(at(image, p.left, y), chartcolor::black);
    EXPECT_EQ(at(image, p.left + 1, y), chartcolor::black);
    EXPECT_EQ(at(image, p.left + 2, y), chartcolor::white);
    EXPECT_EQ(at(image, p.left - 1, y), chartcolor::silver);
    EXPECT_EQ(at(image, p.right, y), chartcolor::black);
    EXPECT_EQ(at(image, p.right - 1, y), chartcolor::black);
    EXPECT_EQ(at(image, p.right - 2, y), chartcolor::white);
    EXPECT_EQ(at(image, p.right + 1, y), chartcolor::silver);
    EXPECT_EQ(at(image, x, p.bottom), chartcolor::black);
    EXPECT_EQ(at(image, x, p.bottom - 1), chartcolor::black);
    EXPECT_EQ(at(image, x, p.bottom - 2), chartcolor::white);
    EXPECT_EQ(at(image, x, p.bottom + 1), chartcolor::silver);
}

class VerticalAxisMarks : public testing::TestWithParam<AxisSide> {};

TEST_P(VerticalAxisMarks, TicksMinorTicksAndGridSitAtTheLabelPositions)
{
    auto chart = twoCurveChart();
    const QImage image = render(*chart);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    const bool left = GetParam() == AxisSide::Left;
    const int edge = left ? p.left : p.right;
    const int out = left ? -1 : 1;

    // 295 pixels hold 36 units; at 13 pixels per label there is room for 23 labels: step 2.
    for (int value = 0; value <= 36; value += 2) {
        const int y = rowOf(p, value);
        for (int d = 1; d <= 4; ++d)
            EXPECT_EQ(at(image, edge + out * d, y), gray) << "tick at " << value << ", pixel " << d;
        EXPECT_EQ(at(image, edge + out * 5, y), chartcolor::silver) << "tick end at " << value;

        if (value == 0 || value == 36)
            continue;
        // dotted: grey dots with white between them, nothing else
        int dots = 0;
        int gaps = 0;
        for (int x = p.left + 2; x <= p.right - 2; ++x) {
            const QColor c = at(image, x, y);
            if (c == gray)
                ++dots;
            else if (c == chartcolor::white)
                ++gaps;
            else if (x != (p.left + p.right) / 2)  // the bottom axis's centre grid line crosses
                ADD_FAILURE() << "grid row " << value << " has a foreign pixel at x " << x;
        }
        EXPECT_GT(dots, (p.right - p.left) / 5) << value;
        EXPECT_GT(gaps, (p.right - p.left) / 3) << value;
    }
    // Three minor ticks between two labels, at the quarter points, two pixels long.
    for (int value = 0; value < 36; value += 2) {
        const int y0 = rowOf(p, value);
        const int y1 = rowOf(p, value + 2);
        for (int k = 1; k <= 3; ++k) {
            const int y = static_cast<int>(std::nearbyint(y0 + k * (y1 - y0) / 4.0));
            EXPECT_EQ(at(image, edge + out * 1, y), gray) << value << " minor " << k;
            EXPECT_EQ(at(image, edge + out * 2, y), gray) << value << " minor " << k;
            EXPECT_EQ(at(image, edge + out * 3, y), chartcolor::silver) << value << " minor " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sides, VerticalAxisMarks, testing::Values(AxisSide::Left, AxisSide::Right));

// Is there a dark pixel in the rectangle?
bool anyDark(const QImage& image, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (isDark(at(image, x, y)))
                return true;
    return false;
}

TEST(Labels, SitBesideTheirTicksInTheLabelsBands)
{
    auto chart = twoCurveChart();
    fill(*chart, 2, 30, 30);
    const QImage image = render(*chart);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    const QFontMetrics metrics(pixelFont(11));
    const int h = metrics.height();
    const int w36 = metrics.horizontalAdvance(QStringLiteral("36"));
    const int w0 = metrics.horizontalAdvance(QStringLiteral("0"));

    // "36" left of the plot, right-aligned 6 pixels from it, centred on the top row.
    const int top36 = p.top - h / 2;
    EXPECT_TRUE(anyDark(image, QRect(p.left - 6 - w36, top36, w36, h)));
    EXPECT_FALSE(anyDark(image, QRect(p.left - 5, top36, 4, h)));
    // and left-aligned 6 pixels right of the plot on the other side
    EXPECT_TRUE(anyDark(image, QRect(p.right + 6, top36, w36, h)));
    EXPECT_FALSE(anyDark(image, QRect(p.right + 2, top36, 4, h)));
    // Two points: the bottom axis runs from "0" at the left edge to "1" at the right edge,
    // its labels' tops 6 pixels below the plot.
    EXPECT_TRUE(anyDark(image, QRect(p.left - w0 / 2, p.bottom + 6, w0, h)));
    EXPECT_FALSE(anyDark(image, QRect(p.left - w0, p.bottom + 1, 2 * w0, 4)));
    const AxisGeometry bottom = geometryOf(*chart).bottom;
    EXPECT_EQ(bottom.tickValues, (std::vector<double>{1, 0}));
    EXPECT_EQ(bottom.ticks, (std::vector<int>{p.right, p.left}));
}

class BottomAxisLabels : public testing::TestWithParam<int> {};

TEST_P(BottomAxisLabels, EmptyOrSinglePointChartsShowOneZeroInTheMiddle)
{
    auto chart = twoCurveChart();
    fill(*chart, GetParam(), 12, 24);
    const QImage image = render(*chart);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    const AxisGeometry g = geometryOf(*chart).bottom;
    EXPECT_EQ(g.tickValues, std::vector<double>{0});
    const int center = (p.left + p.right) / 2;
    EXPECT_EQ(g.ticks, std::vector<int>{center});
    EXPECT_EQ(at(image, center, p.bottom + 1), gray);
    EXPECT_EQ(at(image, center, p.bottom + 4), gray);
    EXPECT_EQ(chart->model().bottomAxis().formatValue(g.tickValues.front()), QStringLiteral("0"));
    // no curve at all
    for (int y = p.top; y <= p.bottom; ++y)
        for (int x = p.left; x <= p.right; ++x) {
            const QColor col = at(image, x, y);
            ASSERT_FALSE(col == chartcolor::red || col == chartcolor::blue) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Counts, BottomAxisLabels, testing::Values(0, 1));

TEST(BottomAxisLabels, AThousandRoundsGetAGermanThousandsSeparator)
{
    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    auto chart = twoCurveChart();
    fill(*chart, 1001, 10, 20);
    const QImage image = render(*chart);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    const QFontMetrics metrics(pixelFont(11));
    const int w = metrics.horizontalAdvance(QStringLiteral("1.000"));
    const AxisGeometry g = geometryOf(*chart).bottom;
    ASSERT_FALSE(g.tickValues.empty());
    EXPECT_EQ(g.tickValues.front(), 1000.0);
    EXPECT_EQ(chart->model().bottomAxis().formatValue(g.tickValues.front()), QStringLiteral("1.000"));
    EXPECT_TRUE(anyDark(image, QRect(p.right - w / 2, p.bottom + 6, w, metrics.height())));
}

TEST(BottomAxisLabels, AWiderChartStepsFinerAlongTheBottomOnly)
{
    auto narrow = twoCurveChart(220, 352);
    auto wide = twoCurveChart(640, 352);
    fill(*narrow, 300, 10, 20);
    fill(*wide, 300, 10, 20);
    const ChartGeometry n = geometryOf(*narrow);
    const ChartGeometry g = geometryOf(*wide);
    EXPECT_LT(g.bottom.step, n.bottom.step);
    EXPECT_EQ(g.left.step, n.left.step);
}

}  // namespace
