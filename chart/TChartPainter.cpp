#include "TChartPainter.h"

#include "ChartMath.h"
#include "TChart.h"
#include "TChartLayout.h"
#include "TColumnSegments.h"
#include "TDashCutter.h"
#include "TFastLineSegments.h"
#include "TSpanFiller.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

constexpr int maxTicks = 2000;
// Segments drawn per call when every point is drawn, so no series needs all of them at once.
constexpr int segmentBatch = 1 << 16;

Qt::PenStyle qtStyle(TPenStyle style)
{
    switch (style) {
    case TPenStyle::Solid: return Qt::SolidLine;
    case TPenStyle::Dot: return Qt::DotLine;
    case TPenStyle::DashDot: return Qt::DashDotLine;
    case TPenStyle::Clear: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

// The on/off lengths, in pen widths, that the curves are dashed with: the same as Qt's own
// patterns for these styles, so grid and curves look alike.
std::vector<int> dashPattern(TPenStyle style, int width)
{
    std::vector<int> pattern;
    if (style == TPenStyle::Dot)
        pattern = {1, 2};
    else if (style == TPenStyle::DashDot)
        pattern = {4, 2, 1, 2};
    for (int& length : pattern)
        length *= width;
    return pattern;
}

// +1 when "outward" from the plot runs towards larger coordinates across the axis.
int outward(const TChartAxis& axis)
{
    return axis.Side() == TAxisSide::Left ? -1 : 1;
}

}  // namespace

TChartPainter::TChartPainter(TChart& chart, QPainter& painter, bool printing, TSeriesDetail detail)
    : chart_(chart), painter_(painter), printing_(printing), detail_(detail)
{
}

void TChartPainter::draw(const QRect& rect)
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBackgroundMode(Qt::TransparentMode);

    if (!printing_)
        drawPanel(rect);
    const TChartRect plot = TChartLayout::compute(chart_, rect);
    chart_.chartRect_ = plot;
    drawBackWall(plot);
    for (TChartAxis* axis : {&chart_.BottomAxis(), &chart_.LeftAxis(), &chart_.RightAxis()}) {
        if (axis->Computed().drawn)
            drawAxis(*axis, plot);
    }
    for (int i = 0; i < chart_.SeriesCount(); ++i)
        drawSeries(chart_.Series(i), plot, rect);
    painter_.restore();
}

void TChartPainter::drawPanel(const QRect& rect)
{
    painter_.fillRect(rect, chart_.color());
    // A raised one-pixel bevel: light along the top and left edges, dark along bottom and right.
    const QColor light = chart_.palette().color(QPalette::Light);
    const QColor dark = chart_.palette().color(QPalette::Dark);
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.left() + rect.width() - 1;
    const int b = rect.top() + rect.height() - 1;
    painter_.fillRect(QRect(QPoint(l, t), QPoint(r - 1, t)), light);
    painter_.fillRect(QRect(QPoint(l, t), QPoint(l, b - 1)), light);
    painter_.fillRect(QRect(QPoint(l, b), QPoint(r, b)), dark);
    painter_.fillRect(QRect(QPoint(r, t), QPoint(r, b)), dark);
}

void TChartPainter::drawBackWall(const TChartRect& plot)
{
    // The wall reaches one pixel beyond the plot's right and bottom edges, so the axis lines
    // on those edges lie on it.
    if (chart_.BackWallSolid())
        painter_.fillRect(QRect(QPoint(plot.left, plot.top), QPoint(plot.right, plot.bottom)),
                          chart_.BackColor());
    const TChartPen& pen = chart_.BackWallPen();
    if (pen.Draws()) {
        painter_.setPen(toQPen(pen));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRect(plot.left, plot.top, plot.width(), plot.height()));
    }
}

void TChartPainter::drawAxis(TChartAxis& axis, const TChartRect& plot)
{
    TAxisGeometry& g = axis.Computed();
    const QFont font = axis.LabelsFont().Font();
    int labelSize = TChartLayout::textHeight(font);
    if (axis.Horizontal()) {
        labelSize = std::max(chart_.labels_.width(font, axis.FormatValue(g.minimum)),
                             chart_.labels_.width(font, axis.FormatValue(g.maximum)));
    }
    g.step = axis.CalcLabelStep(labelSize);
    const std::vector<double> values = axis.LabelValues();
    g.tickValues.clear();
    g.ticks.clear();
    for (double value : values) {
        if (static_cast<int>(g.ticks.size()) == maxTicks)
            break;
        g.tickValues.push_back(value);
        g.ticks.push_back(axis.CalcPosValue(value));
    }

    if (!axis.Title().Caption().isEmpty())
        drawTitle(axis);
    if (axis.Labels())
        drawLabels(axis, values);
    if (axis.AxisPen().Draws())
        drawAxisLine(axis);
    const int innerStart = axis.AxisPen().Width() / 2 + 1;  // first pixel inside the axis line
    if (axis.Ticks().Draws() && axis.TickLength() > 0) {
        painter_.setPen(toQPen(axis.Ticks()));
        for (int pos : g.ticks)
            drawAcross(axis, pos, 1, 1 + axis.TickLength());
    }
    if (axis.Grid().Draws())
        drawGrid(axis, plot);
    if (axis.TicksInner().Draws() && axis.TickInnerLength() > 0) {
        painter_.setPen(toQPen(axis.TicksInner()));
        for (int pos : g.ticks)
            drawAcross(axis, pos, -innerStart, -innerStart - axis.TickInnerLength());
    }
    if (axis.MinorTicks().Draws() && axis.MinorTickLength() > 0 && axis.MinorTickCount() > 0)
        drawMinorTicks(axis);
}

void TChartPainter::drawTitle(const TChartAxis& axis)
{
    const TAxisGeometry& g = axis.Computed();
    const QFont font = axis.Title().Font().Font();
    const QString caption = axis.Title().Caption();
    const int width = TChartLayout::textWidth(font, caption);
    const int ascent = QFontMetrics(font).ascent();
    painter_.save();
    painter_.setFont(font);
    painter_.setPen(textColor(axis.Title().Font()));
    switch (axis.Side()) {
    case TAxisSide::Bottom:
        painter_.drawText(g.centre - width / 2, g.posTitle + ascent, caption);
        break;
    case TAxisSide::Left:
        // Reads upwards; the glyphs' top lies on the chart's outer edge, their foot towards the plot.
        painter_.translate(g.posTitle, g.centre + width / 2);
        painter_.rotate(-90.0);
        painter_.drawText(0, ascent, caption);
        break;
    case TAxisSide::Right:
        // Reads downwards, again with the glyphs' foot towards the plot.
        painter_.translate(g.posTitle, g.centre - width / 2);
        painter_.rotate(90.0);
        painter_.drawText(0, ascent, caption);
        break;
    }
    painter_.restore();
}

void TChartPainter::drawLabels(const TChartAxis& axis, const std::vector<double>& values)
{
    const TAxisGeometry& g = axis.Computed();
    const QFont font = axis.LabelsFont().Font();
    const QFontMetrics metrics(font);
    const int halfHeight = metrics.height() / 2;
    painter_.setFont(font);
    painter_.setPen(textColor(axis.LabelsFont()));
    for (double value : values) {
        const QString text = axis.FormatValue(value);
        const int width = chart_.labels_.width(font, text);
        const int pos = axis.CalcPosValue(value);
        int x = g.posLabels;
        int top = pos - halfHeight;
        if (axis.Side() == TAxisSide::Bottom) {
            x = pos - width / 2;
            top = g.posLabels;
        } else if (axis.Side() == TAxisSide::Left) {
            x = g.posLabels - width;
        }
        chart_.labels_.draw(painter_, font, x, top + metrics.ascent(), text);
    }
}

void TChartPainter::drawAxisLine(const TChartAxis& axis)
{
    const TAxisGeometry& g = axis.Computed();
    const TChartPen& pen = axis.AxisPen();
    // A wide axis line grows into the plot from its edge, so the ticks start right outside it.
    const int inward = pen.Width() / 2;
    const int outwardPart = pen.Width() - 1 - inward;
    const int dir = outward(axis);
    const int from = g.posAxis - dir * inward;
    const int to = g.posAxis + dir * outwardPart;
    const QPoint a = axis.Horizontal() ? QPoint(g.startPos, from) : QPoint(from, g.startPos);
    const QPoint b = axis.Horizontal() ? QPoint(g.endPos, to) : QPoint(to, g.endPos);
    if (pen.Style() == TPenStyle::Solid) {
        painter_.fillRect(QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                                QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))),
                          pen.color());
    } else {
        painter_.setPen(toQPen(pen));
        const QPoint end = axis.Horizontal() ? QPoint(g.endPos, g.posAxis) : QPoint(g.posAxis, g.endPos);
        const QPoint start = axis.Horizontal() ? QPoint(g.startPos, g.posAxis) : QPoint(g.posAxis, g.startPos);
        painter_.drawLine(start, end);
    }
}

void TChartPainter::drawAcross(const TChartAxis& axis, int pos, int from, int to)
{
    // A line across the axis at pos, covering the pixels from `from` up to but not including
    // `to` pixels outside the axis line (negative: inside). Flat-capped lines leave out the
    // pixel at their larger coordinate, so every line here runs towards larger coordinates.
    if (from == to)
        return;
    const TAxisGeometry& g = axis.Computed();
    const int dir = outward(axis);
    const int first = g.posAxis + dir * from;
    const int last = g.posAxis + dir * (to - (to > from ? 1 : -1));
    const int low = std::min(first, last);
    const int high = std::max(first, last) + 1;
    if (axis.Horizontal())
        painter_.drawLine(pos, low, pos, high);
    else
        painter_.drawLine(low, pos, high, pos);
}

void TChartPainter::drawGrid(const TChartAxis& axis, const TChartRect& plot)
{
    painter_.setPen(toQPen(axis.Grid()));
    for (int pos : axis.Computed().ticks) {
        if (axis.Horizontal())
            painter_.drawLine(pos, plot.top, pos, plot.bottom);
        else
            painter_.drawLine(plot.left, pos, plot.right, pos);
    }
}

void TChartPainter::drawMinorTicks(const TChartAxis& axis)
{
    const TAxisGeometry& g = axis.Computed();
    const std::vector<int>& ticks = g.ticks;
    if (ticks.size() < 2)
        return;
    painter_.setPen(toQPen(axis.MinorTicks()));
    const int count = axis.MinorTickCount();
    const int length = axis.MinorTickLength();
    auto run = [&](double from, double spacing) {
        for (int k = 1; k <= count; ++k) {
            const int pos = static_cast<int>(chartmath::roundHalfEven(from + k * spacing));
            if (pos > g.startPos && pos < g.endPos)
                drawAcross(axis, pos, 1, 1 + length);
        }
    };
    const std::size_t n = ticks.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        run(ticks[i], (ticks[i + 1] - ticks[i]) / double(count + 1));
    // Beyond the outermost major ticks, with the spacing of their neighbouring pair.
    run(ticks[0], (ticks[0] - ticks[1]) / double(count + 1));
    run(ticks[n - 1], (ticks[n - 1] - ticks[n - 2]) / double(count + 1));
}

void TChartPainter::drawSeries(const TFastLineSeries& series, const TChartRect& plot, const QRect& rect)
{
    const TChartPen& linePen = series.LinePen();
    if (!series.Visible() || series.Count() < 2 || !linePen.Draws())
        return;
    const TChartAxis& horizontal = chart_.BottomAxis();
    const TChartAxis& vertical =
        series.VertAxis() == TVertAxis::Left ? chart_.LeftAxis() : chart_.RightAxis();
    const bool patterned = linePen.Style() != TPenStyle::Solid;

    QPen pen = toQPen(linePen);
    std::optional<TDashCutter> cutter;
    if (patterned) {
        // Qt starts a dash pattern afresh on every line of a batch, which on dense data turns a
        // dashed curve solid; the dashes are cut here instead, running on along the curve.
        cutter.emplace(dashPattern(linePen.Style(), linePen.Width()));
        pen.setStyle(Qt::SolidLine);
        pen.setCapStyle(Qt::FlatCap);
    }
    painter_.save();
    if (chart_.ClipPoints())
        painter_.setClipRect(QRect(QPoint(plot.left, plot.top), QPoint(plot.right, plot.bottom)),
                             Qt::IntersectClip);
    painter_.setPen(pen);
    QVector<QLine> dashes;
    const auto draw = [&](const QVector<QLine>& segments) {
        if (!cutter) {
            painter_.drawLines(segments);
            return;
        }
        dashes.clear();
        cutter->cut(segments, dashes);
        painter_.drawLines(dashes);
    };

    // Only opaque ink may be drawn column by column: where translucent segments overlap, every
    // overlap would show.
    const bool byColumns = detail_ == TSeriesDetail::Columns && linePen.color().alpha() == 255;
    if (byColumns && !patterned) {
        if (const auto strokes = TColumnSegments::solid(series, horizontal, vertical, rect)) {
            TSpanFiller::draw(painter_, *strokes);
            painter_.restore();
            return;
        }
    } else if (byColumns) {
        if (const auto path = TColumnSegments::path(series, horizontal, vertical, rect)) {
            draw(path->dashed);
            TSpanFiller::draw(painter_, TColumnStrokes{path->solid, {}});
            painter_.restore();
            return;
        }
    }
    TFastLineSegments::build(series, horizontal, vertical, segmentBatch, draw);
    painter_.restore();
}

QPen TChartPainter::toQPen(const TChartPen& pen) const
{
    QPen result(pen.color());
    result.setWidth(pen.Width());
    result.setStyle(pen.Draws() ? qtStyle(pen.Style()) : Qt::NoPen);
    // One-pixel lines leave their end pixel blank, wider ones close their joins with square ends.
    result.setCapStyle(pen.Width() > 1 ? Qt::SquareCap : Qt::FlatCap);
    result.setJoinStyle(Qt::MiterJoin);
    // On paper a dotted or dash-dot hairline stays a hairline instead of growing with the scale.
    if (printing_ && pen.Width() == 1 && pen.Style() != TPenStyle::Solid) {
        result.setCosmetic(true);
        result.setWidth(0);
    }
    return result;
}

QColor TChartPainter::textColor(const TChartFont& font) const
{
    // White text would vanish on white paper.
    if (printing_ && font.color() == Qt::white)
        return Qt::black;
    return font.color();
}
