#pragma once

#include "TChartRect.h"

#include <QPen>
#include <QRect>

#include <vector>

class QPainter;
class TChart;
class TChartAxis;
class TChartFont;
class TChartPen;
class TFastLineSeries;

// How many points a curve is drawn from: one pixel column at a time from the series' summary
// (the chart's own way, with the same pixels for solid pens), or from every single point.
enum class TSeriesDetail { Columns, EveryPoint };

// Draws a chart onto any paint device, in a fixed order: panel fill and bevel (not when
// printing), back wall, the bottom, left and right axes (title, labels, axis line, ticks, grid,
// minor ticks), then the series in list order, so later curves lie on top. Lines are drawn
// without antialiasing; text is antialiased.
class TChartPainter {
public:
    TChartPainter(TChart& chart, QPainter& painter, bool printing,
                  TSeriesDetail detail = TSeriesDetail::Columns);

    // Draws the whole chart into rect, the chart's own rectangle on the target.
    void draw(const QRect& rect);

private:
    void drawPanel(const QRect& rect);
    void drawBackWall(const TChartRect& plot);
    void drawAxis(TChartAxis& axis, const TChartRect& plot);
    void drawTitle(const TChartAxis& axis);
    void drawLabels(const TChartAxis& axis, const std::vector<double>& values);
    void drawAxisLine(const TChartAxis& axis);
    void drawAcross(const TChartAxis& axis, int pos, int from, int to);
    void drawGrid(const TChartAxis& axis, const TChartRect& plot);
    void drawMinorTicks(const TChartAxis& axis);
    void drawSeries(const TFastLineSeries& series, const TChartRect& plot, const QRect& rect);

    QPen toQPen(const TChartPen& pen) const;
    QColor textColor(const TChartFont& font) const;

    TChart& chart_;
    QPainter& painter_;
    bool printing_;
    TSeriesDetail detail_;
};
