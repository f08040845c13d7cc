#pragma once

#include "ChartColor.h"
#include "ChartView.h"

#include <QString>

// The chart the chart tests draw, set up through the chart's own interface: a silver panel
// with a solid white back wall, margins 1/6/1/1 percent, the left and right axes fixed at 0 to
// 36 and titled in 12-pixel Arial (red on the left, blue on the right), the bottom axis
// automatic and titled in black, curve 0 red and curve 1 blue, both two pixels wide, against
// the left and the right axis. It is the program's population chart as start-up leaves it,
// which the window tests check pixel for pixel.
inline void setUpTwoCurveChart(ChartView& view)
{
    view.setPrintTitle(QStringLiteral("diagramm"));
    ChartModel& chart = view.model();
    chart.setColor(chartcolor::silver);
    chart.setBackColor(chartcolor::white);
    chart.setMargins(1, 6, 1, 1);
    chart.setClipPoints(false);

    const auto title = [](ChartAxis& axis, const char* caption, const QColor& color) {
        axis.title().setCaption(QString::fromUtf8(caption));
        axis.title().font().setPixelSize(12);
        axis.title().font().setColor(color);
    };
    chart.leftAxis().setMinMax(0, 36);
    title(chart.leftAxis(), "Anzahl der Räuber", chartcolor::red);
    chart.rightAxis().setMinMax(0, 36);
    title(chart.rightAxis(), "Anzahl der Beute", chartcolor::blue);
    title(chart.bottomAxis(), "Durchgang", chartcolor::black);

    const auto curve = [&](const QColor& color, VerticalAxis axis) {
        LineSeries& series = chart.addSeries();
        series.setVerticalAxis(axis);
        series.linePen().setColor(color);
        series.linePen().setWidth(2);
    };
    curve(chartcolor::red, VerticalAxis::Left);
    curve(chartcolor::blue, VerticalAxis::Right);
}
