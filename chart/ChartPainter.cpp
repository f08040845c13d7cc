#include "ChartPainter.h"

#include "ChartGeometry.h"
#include "ChartLayout.h"
#include "ChartMath.h"
#include "ChartModel.h"
#include "ColumnSegments.h"
#include "DashCutter.h"
#include "LabelCache.h"
#include "LineSegments.h"
#include "SpanFiller.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {

// Segments drawn per call when every point is drawn, so no series needs all of them at once.
constexpr int segmentBatch = 1 << 16;

Qt::PenStyle qtStyle(PenStyle style)
{
    switch (style) {
    case PenStyle::Solid: return Qt::SolidLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::Clear: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

// The on/off lengths, in pen widths, that the curves are dashed with: the same as Qt's own
// patterns for these styles, so grid and curves look alike.
std::vector<int> dashPattern(PenStyle style, int width)
{
    std::vector<int> pattern;
    if (style == PenStyle::Dot)
        pattern = {1, 2};
    else if (style == PenStyle::DashDot)
        pattern = {4, 2, 1, 2};
    for (int& length : pattern)
        length *= width;
    return pattern;
}

// +1 when "outward" from the plot runs towards larger coordinates across the axis.
int outward(const AxisGeometry& g)
{
    return g.side == AxisSide::Left ? -1 : 1;
}

}  // namespace

ChartPainter::ChartPainter(const ChartModel& model, const ChartGeometry& geometry, LabelCache& labels,
                           QPainter& painter, bool printing, SeriesDetail detail)
    : model_(model), geometry_(geometry), labels_(labels), painter_(painter), printing_(printing), detail_(detail)
{
}

void ChartPainter::draw(const QRect& rect, const QPalette& palette)
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBackgroundMode(Qt::TransparentMode);

    if (!printing_)
        drawPanel(rect, palette);
    drawBackWall();
    const std::pair<const ChartAxis&, const AxisGeometry&> axes[] = {{model_.bottomAxis(), geometry_.bottom},
                                                                     {model_.leftAxis(), geometry_.left},
                                                                     {model_.rightAxis(), geometry_.right}};
    for (const auto& [axis, g] : axes) {
        if (g.drawn)
            drawAxis(axis, g);
    }
    for (int i = 0; i < model_.seriesCount(); ++i)
        drawSeries(model_.series(i), model_.points(i), rect);
    painter_.restore();
}

void ChartPainter::drawPanel(const QRect& rect, const QPalette& palette)
{
    painter_.fillRect(rect, model_.color());
    // A raised one-pixel bevel: light along the top and left edges, dark along bottom and right.
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.left() + rect.width() - 1;
    const int b = rect.top() + rect.height() - 1;
    painter_.fillRect(QRect(QPoint(l, t), QPoint(r - 1, t)), light);
    painter_.fillRect(QRect(QPoint(l, t), QPoint(l, b - 1)), light);
    painter_.fillRect(QRect(QPoint(l, b), QPoint(r, b)), dark);
    painter_.fillRect(QRect(QPoint(r, t), QPoint(r, b)), dark);
}

void ChartPainter::drawBackWall()
{
    // The wall reaches one pixel beyond the plot's right and bottom edges, so the axis lines
    // on those edges lie on it.
    const ChartRect& plot = geometry_.plot;
    if (model_.isBackWallSolid())
        painter_.fillRect(QRect(QPoint(plot.left, plot.top), QPoint(plot.right, plot.bottom)),
                          model_.backColor());
    // Outlined in the thinnest black line.
    painter_.setPen(toQPen(ChartPen{}));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRect(plot.left, plot.top, plot.width(), plot.height()));
}

void ChartPainter::drawAxis(const ChartAxis& axis, const AxisGeometry& g)
{
    if (!axis.title.caption.isEmpty())
        drawTitle(axis, g);
    if (axis.labelsVisible)
        drawLabels(axis, g);
    if (axis.axisPen.draws())
        drawAxisLine(axis, g);
    const int innerStart = axis.axisPen.width / 2 + 1;  // first pixel inside the axis line
    if (axis.ticks.draws() && axis.tickLength > 0) {
        painter_.setPen(toQPen(axis.ticks));
        for (int pos : g.ticks)
            drawAcross(g, pos, 1, 1 + axis.tickLength);
    }
    if (axis.grid.draws())
        drawGrid(axis, g);
    if (axis.innerTicks.draws() && axis.innerTickLength > 0) {
        painter_.setPen(toQPen(axis.innerTicks));
        for (int pos : g.ticks)
            drawAcross(g, pos, -innerStart, -innerStart - axis.innerTickLength);
    }
    if (axis.minorTicks.draws() && axis.minorTickLength > 0 && axis.minorTickCount > 0)
        drawMinorTicks(axis, g);
}

void ChartPainter::drawTitle(const ChartAxis& axis, const AxisGeometry& g)
{
    const QFont font = textFont(axis.title.font);
    const QString& caption = axis.title.caption;
    const int width = ChartLayout::textWidth(font, caption);
    const int ascent = QFontMetrics(font).ascent();
    painter_.save();
    painter_.setFont(font);
    painter_.setPen(textColor(axis.title.font));
    switch (g.side) {
    case AxisSide::Bottom:
        painter_.drawText(g.center - width / 2, g.posTitle + ascent, caption);
        break;
    case AxisSide::Left:
        // Reads upwards; the glyphs' top lies on the chart's outer edge, their foot towards the plot.
        painter_.translate(g.posTitle, g.center + width / 2);
        painter_.rotate(-90.0);
        painter_.drawText(0, ascent, caption);
        break;
    case AxisSide::Right:
        // Reads downwards, again with the glyphs' foot towards the plot.
        painter_.translate(g.posTitle, g.center - width / 2);
        painter_.rotate(90.0);
        painter_.drawText(0, ascent, caption);
        break;
    }
    painter_.restore();
}

void ChartPainter::drawLabels(const ChartAxis& axis, const AxisGeometry& g)
{
    const QFont font = textFont(axis.labelsFont);
    const QFontMetrics metrics(font);
    const int halfHeight = metrics.height() / 2;
    painter_.setFont(font);
    painter_.setPen(textColor(axis.labelsFont));
    // Every label, even where there are more than ticks.
    for (double value : g.labelValues()) {
        const QString text = axis.formatValue(value);
        const int width = labels_.width(font, text);
        const int pos = g.positionOf(value);
        int x = g.posLabels;
        int top = pos - halfHeight;
        if (g.side == AxisSide::Bottom) {
            x = pos - width / 2;
            top = g.posLabels;
        } else if (g.side == AxisSide::Left) {
            x = g.posLabels - width;
        }
        labels_.draw(painter_, font, x, top + metrics.ascent(), text);
    }
}

void ChartPainter::drawAxisLine(const ChartAxis& axis, const AxisGeometry& g)
{
    const ChartPen& pen = axis.axisPen;
    // A wide axis line grows into the plot from its edge, so the ticks start right outside it.
    const int inward = pen.width / 2;
    const int outwardPart = pen.width - 1 - inward;
    const int dir = outward(g);
    const int from = g.posAxis - dir * inward;
    const int to = g.posAxis + dir * outwardPart;
    const QPoint a = g.isHorizontal() ? QPoint(g.startPos, from) : QPoint(from, g.startPos);
    const QPoint b = g.isHorizontal() ? QPoint(g.endPos, to) : QPoint(to, g.endPos);
    if (pen.style == PenStyle::Solid) {
        painter_.fillRect(QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                                QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))),
                          pen.color);
    } else {
        painter_.setPen(toQPen(pen));
        const QPoint end = g.isHorizontal() ? QPoint(g.endPos, g.posAxis) : QPoint(g.posAxis, g.endPos);
        const QPoint start = g.isHorizontal() ? QPoint(g.startPos, g.posAxis) : QPoint(g.posAxis, g.startPos);
        painter_.drawLine(start, end);
    }
}

void ChartPainter::drawAcross(const AxisGeometry& g, int pos, int from, int to)
{
    // A line across the axis at pos, covering the pixels from `from` up to but not including
    // `to` pixels outside the axis line (negative: inside). Flat-capped lines leave out the
    // pixel at their larger coordinate, so every line here runs towards larger coordinates.
    if (from == to)
        return;
    const int dir = outward(g);
    const int first = g.posAxis + dir * from;
    const int last = g.posAxis + dir * (to - (to > from ? 1 : -1));
    const int low = std::min(first, last);
    const int high = std::max(first, last) + 1;
    if (g.isHorizontal())
        painter_.drawLine(pos, low, pos, high);
    else
        painter_.drawLine(low, pos, high, pos);
}

void ChartPainter::drawGrid(const ChartAxis& axis, const AxisGeometry& g)
{
    const ChartRect& plot = geometry_.plot;
    painter_.setPen(toQPen(axis.grid));
    for (int pos : g.ticks) {
        if (g.isHorizontal())
            painter_.drawLine(pos, plot.top, pos, plot.bottom);
        else
            painter_.drawLine(plot.left, pos, plot.right, pos);
    }
}

void ChartPainter::drawMinorTicks(const ChartAxis& axis, const AxisGeometry& g)
{
    const std::vector<int>& ticks = g.ticks;
    if (ticks.size() < 2)
        return;
    painter_.setPen(toQPen(axis.minorTicks));
    const int count = axis.minorTickCount;
    const int length = axis.minorTickLength;
    auto run = [&](double from, double spacing) {
        for (int k = 1; k <= count; ++k) {
            const int pos = static_cast<int>(chartmath::roundHalfEven(from + k * spacing));
            if (pos > g.startPos && pos < g.endPos)
                drawAcross(g, pos, 1, 1 + length);
        }
    };
    const std::size_t n = ticks.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        run(ticks[i], (ticks[i + 1] - ticks[i]) / double(count + 1));
    // Beyond the outermost major ticks, with the spacing of their neighbouring pair.
    run(ticks[0], (ticks[0] - ticks[1]) / double(count + 1));
    run(ticks[n - 1], (ticks[n - 1] - ticks[n - 2]) / double(count + 1));
}

void ChartPainter::drawSeries(const LineSeries& series, const ByteSeries& points, const QRect& rect)
{
    const ChartPen& linePen = series.linePen;
    if (!series.visible || points.count() < 2 || !linePen.draws())
        return;
    const ChartRect& plot = geometry_.plot;
    const AxisGeometry& horizontal = geometry_.bottom;
    const AxisGeometry& vertical =
        series.verticalAxis == VerticalAxis::Left ? geometry_.left : geometry_.right;
    const bool patterned = linePen.style != PenStyle::Solid;

    QPen pen = toQPen(linePen);
    std::optional<DashCutter> cutter;
    if (patterned) {
        // Qt starts a dash pattern afresh on every line of a batch, which on dense data turns a
        // dashed curve solid; the dashes are cut here instead, running on along the curve.
        cutter.emplace(dashPattern(linePen.style, linePen.width));
        pen.setStyle(Qt::SolidLine);
        pen.setCapStyle(Qt::FlatCap);
    }
    painter_.save();
    if (model_.clipsPoints())
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
    const bool byColumns = detail_ == SeriesDetail::Columns && linePen.color.alpha() == 255;
    if (byColumns && !patterned) {
        if (const auto strokes = ColumnSegments::solid(points, horizontal, vertical, rect)) {
            SpanFiller::draw(painter_, *strokes);
            painter_.restore();
            return;
        }
    } else if (byColumns) {
        if (const auto path = ColumnSegments::path(points, horizontal, vertical, rect)) {
            draw(path->dashed);
            SpanFiller::draw(painter_, ColumnStrokes{path->solid, {}});
            painter_.restore();
            return;
        }
    }
    LineSegments::build(points, horizontal, vertical, segmentBatch, draw);
    painter_.restore();
}

QPen ChartPainter::toQPen(const ChartPen& pen) const
{
    QPen result(pen.color);
    result.setWidth(pen.width);
    result.setStyle(pen.draws() ? qtStyle(pen.style) : Qt::NoPen);
    // One-pixel lines leave their end pixel blank, wider ones close their joins with square ends.
    result.setCapStyle(pen.width > 1 ? Qt::SquareCap : Qt::FlatCap);
    result.setJoinStyle(Qt::MiterJoin);
    // On paper a dotted or dash-dot hairline stays a hairline instead of growing with the scale.
    if (printing_ && pen.width == 1 && pen.style != PenStyle::Solid) {
        result.setCosmetic(true);
        result.setWidth(0);
    }
    return result;
}

QFont ChartPainter::textFont(const ChartFont& font) const
{
    // The black-and-white image keeps a pixel black or white by a threshold, which frays
    // antialiased glyphs ("18" reads "1B"); drawn without antialiasing they keep their shapes.
    QFont f = font.toQFont();
    if (model_.isMonochrome())
        f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QColor ChartPainter::textColor(const ChartFont& font) const
{
    // White text would vanish on white paper.
    if (printing_ && font.color == Qt::white)
        return Qt::black;
    return font.color;
}
