// The population chart's own look, as start-up leaves it and the chart draws it.
#include "ChartView.h"
#include "PopulationChart.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QSize size(220, 352);
const QColor silver(0xC0, 0xC0, 0xC0);

struct Drawing {
    QImage image;
    ChartGeometry geometry;
};

Drawing draw(ChartView& chart)
{
    Drawing d{QImage(size, QImage::Format_RGB32), {}};
    d.image.fill(Qt::white);
    QPainter painter(&d.image);
    d.geometry = chart.draw(painter, d.image.rect(), false);
    return d;
}

// Pixels of the image between columns from and to (both included) that match tone.
int inked(const QImage& image, int from, int to, bool (*tone)(QColor))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = from; x <= to; ++x)
            count += tone(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

bool reddish(QColor c) { return c.red() > 150 && c.green() < 110 && c.blue() < 110; }
bool bluish(QColor c) { return c.blue() > 150 && c.red() < 110 && c.green() < 110; }

TEST(PopulationChart, ShowsRedHuntersOnTheLeftAndBluePreyOnTheRightOnAxesFrom0To36)
{
    ChartView view;
    PopulationChart chart(view);
    chart.setBackgroundColor(Qt::white);  // as start-up does
    view.resize(size);
    for (int round = 0; round < 100; ++round)
        chart.append(9, 27);
    const Drawing d = draw(view);
    const ChartGeometry& g = d.geometry;

    EXPECT_EQ(view.printTitle(), "diagramm");
    EXPECT_EQ(view.model().series(0).verticalAxis, VerticalAxis::Left);
    EXPECT_EQ(view.model().series(1).verticalAxis, VerticalAxis::Right);
    // Both count axes span the plot from 0 to 36, whatever the counts.
    for (const AxisGeometry* axis : {&g.left, &g.right}) {
        EXPECT_EQ(axis->positionOf(0), g.plot.bottom);
        EXPECT_EQ(axis->positionOf(36), g.plot.top);
    }
    const int x = g.plot.left + 5;
    EXPECT_EQ(d.image.pixelColor(x, g.left.positionOf(9)), QColor(Qt::red));
    EXPECT_EQ(d.image.pixelColor(x, g.right.positionOf(27)), QColor(Qt::blue));
    EXPECT_EQ(d.image.pixelColor(x, g.left.positionOf(19)), QColor(Qt::white));
    // Each axis title in its curve's colour, on its curve's side (beyond the curves' ends).
    const int leftBand = g.plot.left - 3;
    const int rightBand = g.plot.right + 3;
    EXPECT_GT(inked(d.image, 0, leftBand, reddish), 50);
    EXPECT_EQ(inked(d.image, 0, leftBand, bluish), 0);
    EXPECT_GT(inked(d.image, rightBand, size.width() - 1, bluish), 50);
    EXPECT_EQ(inked(d.image, rightBand, size.width() - 1, reddish), 0);
}

TEST(PopulationChart, BackWallStaysClearUntilABackgroundColourIsSetThenTakesItWholly)
{
    ChartView chart;
    PopulationChart population(chart);
    chart.resize(size);
    const ChartRect plot = draw(chart).geometry.plot;
    const QPoint inside(plot.left + 10, plot.bottom - 10);
    const QPoint farCorner(plot.right - 3, plot.top + 3);

    EXPECT_EQ(draw(chart).image.pixelColor(inside), silver);
    population.setBackgroundColor(Qt::green);
    const QImage image = draw(chart).image;
    EXPECT_EQ(image.pixelColor(inside), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(farCorner), QColor(Qt::green));
    // the panel outside the plot keeps its colour
    EXPECT_EQ(image.pixelColor(3, 3), silver);
}

}  // namespace
