// The curves: where their pixels go, which points make segments, dashes and drawing order.
#include "ChartImages.h"
#include "AxisGeometry.h"
#include "LineSegments.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace charttest;


struct CurveCase {
    const char* name;
    double hunters, prey;
    QColor atHunterRow, atPreyRow;
};

class CurvePixels : public testing::TestWithParam<CurveCase> {};

TEST_P(CurvePixels, AFlatCurveIsTwoPixelRowsOnItsValueAndThePreyLieOnTop)
{
    const CurveCase& c = GetParam();
    auto chart = twoCurveChart();
    fill(*chart, 20, c.hunters, c.prey);
    const QImage image = render(*chart);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    const int yh = rowOf(p, c.hunters);
    const int yp = rowOf(p, c.prey);
    for (int x = p.left + 3; x <= p.right - 3; x += 7) {
        EXPECT_EQ(at(image, x, yh), c.atHunterRow) << x;
        EXPECT_EQ(at(image, x, yh - 1), c.atHunterRow) << x;
        EXPECT_EQ(at(image, x, yp), c.atPreyRow) << x;
        EXPECT_EQ(at(image, x, yp - 1), c.atPreyRow) << x;
        for (int y : {yh + 1, yh - 2, yp + 1, yp - 2}) {
            const QColor outside = at(image, x, y);
            EXPECT_TRUE(outside != chartcolor::red && outside != chartcolor::blue) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurvePixels,
    testing::Values(CurveCase{"apart", 9, 27, chartcolor::red, chartcolor::blue},
                    CurveCase{"overlapping", 18, 18, chartcolor::blue, chartcolor::blue}),
    [](const testing::TestParamInfo<CurveCase>& info) { return std::string(info.param.name); });

TEST(CurvePixels, ASlopeRunsFromCornerToCornerAcrossThePlot)
{
    auto chart = twoCurveChart();
    chart->model().append(0, 0);
    chart->model().append(0, 36);
    const QImage image = render(*chart);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    // Along the diagonal from (left, bottom) to (right, top) every column has red at the line.
    for (int x = p.left + 2; x <= p.right - 2; x += 5) {
        const double y = p.bottom - double(x - p.left) * (p.bottom - p.top) / (p.right - p.left);
        bool red = false;
        for (int dy = -2; dy <= 2; ++dy)
            red = red || at(image, x, static_cast<int>(std::lround(y)) + dy) == chartcolor::red;
        EXPECT_TRUE(red) << x;
    }
}

// Axes laid out by hand: x over 0..10 pixels for 0..xMax, y = 36 − value.
struct HandAxes {
    AxisGeometry horizontal;
    AxisGeometry vertical;

    explicit HandAxes(double xMax)
    {
        horizontal.side = AxisSide::Bottom;
        horizontal.maximum = horizontal.range = xMax;
        horizontal.endPos = horizontal.length = 10;
        horizontal.center = 5;
        vertical.maximum = vertical.range = 36;
        vertical.endPos = vertical.length = 36;
        vertical.center = 18;
    }
};

struct SegmentCase {
    const char* name;
    std::vector<double> values;
    std::vector<QLine> segments;
};

class SamePixelSkip : public testing::TestWithParam<SegmentCase> {};

TEST_P(SamePixelSkip, OnlyPointsOnANewPixelAddASegment)
{
    const SegmentCase& c = GetParam();
    ByteSeries points;
    for (double v : c.values)
        points.append(v);
    const HandAxes axes(20);  // x pixel = round(index / 2), halves to even
    const QVector<QLine> segments = LineSegments::build(points, axes.horizontal, axes.vertical);
    EXPECT_EQ(std::vector<QLine>(segments.begin(), segments.end()), c.segments);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SamePixelSkip,
    testing::Values(
        SegmentCase{"none", {}, {}},
        SegmentCase{"onePoint", {5}, {}},
        // indexes 0..4 land on x 0, 0, 1, 2, 2
        SegmentCase{"flat", {5, 5, 5, 5, 5}, {QLine(0, 31, 1, 31), QLine(1, 31, 2, 31)}},
        SegmentCase{"upOnTheSamePixel", {5, 6, 6}, {QLine(0, 31, 0, 30), QLine(0, 30, 1, 30)}},
        // back to a pixel drawn earlier, but not the last one: drawn
        SegmentCase{"backAndForth", {5, 6, 5}, {QLine(0, 31, 0, 30), QLine(0, 30, 1, 31)}}),
    [](const testing::TestParamInfo<SegmentCase>& info) { return std::string(info.param.name); });

// The pixels a run of flat-capped horizontal dashes covers, as a string of '#' and '.'.
std::string coverage(const QVector<QLine>& dashes, int length)
{
    std::string pixels(static_cast<std::size_t>(length), '.');
    for (const QLine& d : dashes)
        for (int x = std::min(d.x1(), d.x2()); x < std::max(d.x1(), d.x2()); ++x)
            pixels[static_cast<std::size_t>(x)] = '#';
    return pixels;
}

TEST(CurveDashes, ThePatternRunsOnAcrossSegments)
{
    const std::vector<int> dashDot{4, 2, 1, 2};
    const std::string expected = "####..#..####..#..####..#..####..#..";
    const QVector<QLine> whole{QLine(0, 0, 36, 0)};
    EXPECT_EQ(coverage(LineSegments::dash(whole, dashDot), 36), expected);

    QVector<QLine> pieces;
    for (int x = 0; x < 36; x += 3)
        pieces.append(QLine(x, 0, x + 3, 0));
    EXPECT_EQ(coverage(LineSegments::dash(pieces, dashDot), 36), expected);
    EXPECT_EQ(LineSegments::dash(pieces, {}), pieces);
}

TEST(CurveDashes, AMonochromeHunterCurveOnDenseDataStaysDashed)
{
    auto chart = twoCurveChart();
    fill(*chart, 400, 9, 27);
    setLinePen(chart->model(), 0, 1, PenStyle::DashDot);
    const QImage image = render(*chart);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    const int y = rowOf(p, 9);
    int red = 0;
    const int span = p.right - p.left - 3;
    for (int x = p.left + 2; x < p.left + 2 + span; ++x)
        red += at(image, x, y) == chartcolor::red ? 1 : 0;
    // 5 of every 9 pixels are inked
    EXPECT_NEAR(red, span * 5 / 9, 3);
    EXPECT_NE(at(image, p.left + 10, y - 1), chartcolor::red);  // one pixel wide
}

}  // namespace
