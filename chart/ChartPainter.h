#pragma once

#include <QFont>
#include <QPen>
#include <QRect>

class QPainter;
class QPalette;
class ByteSeries;
class ChartModel;
class LabelCache;
struct AxisGeometry;
struct ChartAxis;
struct ChartFont;
struct ChartGeometry;
struct ChartPen;
struct LineSeries;

// How many points a curve is drawn from: one pixel column at a time from the series' summary
// (the chart's own way, with the same pixels for solid pens), or from every single point.
enum class SeriesDetail { Columns, EveryPoint };

// Draws a chart laid out by ChartLayout onto any paint device, in a fixed order: panel fill and
// bevel (not when printing), back wall, the bottom, left and right axes (title, labels, axis
// line, ticks, grid, minor ticks), then the series in list order, so later curves lie on top.
// Lines are drawn without antialiasing; text is antialiased, except in a monochrome chart, whose
// black-and-white image would fray the glyphs' edges. It reads the model and the layout
// and writes nothing but pixels and the label layouts it keeps in the cache it is given.
class ChartPainter {
public:
    // printing leaves out the panel fill and bevel, draws white text black and dotted or
    // dash-dot hairlines as the device's thinnest line.
    ChartPainter(const ChartModel& model, const ChartGeometry& geometry, LabelCache& labels, QPainter& painter,
                 bool printing, SeriesDetail detail = SeriesDetail::Columns);

    // Draws the whole chart into rect, the rectangle it was laid out in; the panel's bevel takes
    // palette's light and dark colours.
    void draw(const QRect& rect, const QPalette& palette);

private:
    void drawPanel(const QRect& rect, const QPalette& palette);
    void drawBackWall();
    void drawAxis(const ChartAxis& axis, const AxisGeometry& g);
    void drawTitle(const ChartAxis& axis, const AxisGeometry& g);
    void drawLabels(const ChartAxis& axis, const AxisGeometry& g);
    void drawAxisLine(const ChartAxis& axis, const AxisGeometry& g);
    void drawAcross(const AxisGeometry& g, int pos, int from, int to);
    void drawGrid(const ChartAxis& axis, const AxisGeometry& g);
    void drawMinorTicks(const ChartAxis& axis, const AxisGeometry& g);
    void drawSeries(const LineSeries& series, const ByteSeries& points, const QRect& rect);

    QPen toQPen(const ChartPen& pen) const;
    QFont textFont(const ChartFont& font) const;
    QColor textColor(const ChartFont& font) const;

    const ChartModel& model_;
    const ChartGeometry& geometry_;
    LabelCache& labels_;
    QPainter& painter_;
    bool printing_;
    SeriesDetail detail_;
};
