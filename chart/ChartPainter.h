#pragma once

#include "ChartRect.h"

#include <QPen>
#include <QRect>

#include <vector>

class QPainter;
class ChartView;
class ChartAxis;
class ChartFont;
class ChartPen;
class LineSeries;

// How many points a curve is drawn from: one pixel column at a time from the series' summary
// (the chart's own way, with the same pixels for solid pens), or from every single point.
enum class SeriesDetail { Columns, EveryPoint };

// Draws a chart onto any paint device, in a fixed order: panel fill and bevel (not when
// printing), back wall, the bottom, left and right axes (title, labels, axis line, ticks, grid,
// minor ticks), then the series in list order, so later curves lie on top. Lines are drawn
// without antialiasing; text is antialiased.
class ChartPainter {
public:
    ChartPainter(ChartView& chart, QPainter& painter, bool printing,
                  SeriesDetail detail = SeriesDetail::Columns);

    // Draws the whole chart into rect, the chart's own rectangle on the target.
    void draw(const QRect& rect);

private:
    void drawPanel(const QRect& rect);
    void drawBackWall(const ChartRect& plot);
    void drawAxis(ChartAxis& axis, const ChartRect& plot);
    void drawTitle(const ChartAxis& axis);
    void drawLabels(const ChartAxis& axis, const std::vector<double>& values);
    void drawAxisLine(const ChartAxis& axis);
    void drawAcross(const ChartAxis& axis, int pos, int from, int to);
    void drawGrid(const ChartAxis& axis, const ChartRect& plot);
    void drawMinorTicks(const ChartAxis& axis);
    void drawSeries(const LineSeries& series, const ChartRect& plot, const QRect& rect);

    QPen toQPen(const ChartPen& pen) const;
    QColor textColor(const ChartFont& font) const;

    ChartView& chart_;
    QPainter& painter_;
    bool printing_;
    SeriesDetail detail_;
};
