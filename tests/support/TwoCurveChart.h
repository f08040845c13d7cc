#pragma once

#include "ChartColor.h"
#include "ChartView.h"

#include <QString>

// axis with its range fixed to minimum..maximum.
inline ChartAxis fixedRange(ChartAxis axis, double minimum, double maximum)
{
    axis.automatic = false;
    axis.minimum = minimum;
    axis.maximum = maximum;
    return axis;
}

// The chart the chart tests draw, set up through the chart's own interface: a silver panel
// with a solid white back wall, margins 1/6/1/1 percent, the left and right axes fixed at 0 to
// 36 and titled in 12-pixel Arial (red on the left, blue on the right), the bottom axis
// automatic and titled in black, curve 0 red and curve 1 blue, both two pixels wide, against
// the left and the right axis. It is modelled on the program's population chart as start-up
// leaves it.
inline void setUpTwoCurveChart(ChartView& view)
{
    view.setPrintTitle(QStringLiteral("diagramm"));
    ChartModel& chart = view.model();
    chart.setColor(chartcolor::silver);
    chart.setBackColor(chartcolor::white);
    chart.setMargins(1, 6, 1, 1);
    chart.setClipPoints(false);

    const auto titled = [](ChartAxis axis, const char* caption, const QColor& color) {
        axis.title.caption = QString::fromUtf8(caption);
        axis.title.font.pixelSize = 12;
        axis.title.font.color = color;
        return axis;
    };
    chart.setLeftAxis(titled(fixedRange(chart.leftAxis(), 0, 36), "Anzahl der Räuber", chartcolor::red));
    chart.setRightAxis(titled(fixedRange(chart.rightAxis(), 0, 36), "Anzahl der Beute", chartcolor::blue));
    chart.setBottomAxis(titled(chart.bottomAxis(), "Durchgang", chartcolor::black));
    chart.addSeries({ChartPen{chartcolor::red, 2}, {}, VerticalAxis::Left});
    chart.addSeries({ChartPen{chartcolor::blue, 2}, {}, VerticalAxis::Right});
}
