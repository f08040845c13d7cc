// The population chart's look, drawn: the chart tests check the pixels of their two-curve chart,
// these check that the program's chart is that chart.
#include "ChartView.h"
#include "PopulationChart.h"
#include "TwoCurveChart.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QSize size(220, 352);

struct Drawing {
    QImage image;
    ChartGeometry geometry;
};

Drawing draw(ChartView& chart, bool printing = false)
{
    Drawing d{QImage(size, QImage::Format_RGB32), {}};
    d.image.fill(Qt::white);
    QPainter painter(&d.image);
    d.geometry = chart.draw(painter, d.image.rect(), printing);
    return d;
}

TEST(PopulationChart, AsStartUpLeavesItDrawsExactlyLikeTheChartTestsTwoCurveChart)
{
    ChartView program;
    PopulationChart population(program);
    population.setBackgroundColor(Qt::white);
    ChartView reference;
    setUpTwoCurveChart(reference);
    for (ChartView* chart : {&program, &reference})
        chart->resize(size);
    for (int round = 0; round < 300; ++round) {
        population.append(round % 37, 36 - round / 9);
        reference.model().append(0, round % 37);
        reference.model().append(1, 36 - round / 9);
    }
    EXPECT_EQ(program.printTitle(), reference.printTitle());
    for (bool printing : {false, true})
        EXPECT_EQ(draw(program, printing).image, draw(reference, printing).image) << "printing " << printing;
}

TEST(PopulationChart, BackWallStaysClearUntilABackgroundColourIsSetThenTakesItWholly)
{
    ChartView chart;
    PopulationChart population(chart);
    chart.resize(size);
    const ChartRect plot = draw(chart).geometry.plot;
    const QPoint inside(plot.left + 10, plot.bottom - 10);
    const QPoint farCorner(plot.right - 3, plot.top + 3);
    const QColor silver(0xC0, 0xC0, 0xC0);

    EXPECT_EQ(draw(chart).image.pixelColor(inside), silver);
    population.setBackgroundColor(Qt::green);
    const QImage image = draw(chart).image;
    EXPECT_EQ(image.pixelColor(inside), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(farCorner), QColor(Qt::green));
    // the panel outside the plot keeps its colour
    EXPECT_EQ(image.pixelColor(3, 3), silver);
}

}  // namespace
