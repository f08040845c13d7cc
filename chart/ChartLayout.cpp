#include "ChartLayout.h"

#include "ChartMath.h"
#include "ChartModel.h"
#include "LabelCache.h"
#include "MulDiv.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace {

constexpr int maxTicks = 2000;

bool isDrawn(const ChartModel& model, const ChartAxis& axis, AxisSide side)
{
    if (!axis.visible)
        return false;
    for (int i = 0; i < model.seriesCount(); ++i) {
        const LineSeries& series = model.series(i);
        if (!series.visible)
            continue;
        if (side == AxisSide::Bottom)
            return true;
        const bool left = series.verticalAxis == VerticalAxis::Left;
        if (left == (side == AxisSide::Left))
            return true;
    }
    return false;
}

void computeRange(const ChartModel& model, const ChartAxis& axis, AxisGeometry& g)
{
    if (!axis.automatic) {
        g.minimum = axis.minimum;
        g.maximum = axis.maximum;
    } else {
        bool any = false;
        for (int i = 0; i < model.seriesCount(); ++i) {
            const LineSeries& series = model.series(i);
            const ByteSeries& points = model.points(i);
            if (!series.visible || points.count() == 0)
                continue;
            double low = 0.0;
            double high = static_cast<double>(points.count()) - 1.0;
            if (!g.isHorizontal()) {
                if ((series.verticalAxis == VerticalAxis::Left) != (g.side == AxisSide::Left))
                    continue;
                low = points.minimum();
                high = points.maximum();
            }
            g.minimum = any ? std::min(g.minimum, low) : low;
            g.maximum = any ? std::max(g.maximum, high) : high;
            any = true;
        }
        if (!any)
            g.minimum = g.maximum = 0.0;
    }
    g.range = g.maximum - g.minimum;
}

}  // namespace

int ChartLayout::textHeight(const QFont& font)
{
    return QFontMetrics(font).height();
}

int ChartLayout::textWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

AxisGeometry ChartLayout::startAxis(const ChartModel& model, const ChartAxis& axis, AxisSide side)
{
    AxisGeometry g;
    g.side = side;
    g.drawn = isDrawn(model, axis, side);
    computeRange(model, axis, g);
    return g;
}

int ChartLayout::verticalLabelsWidth(const ChartAxis& axis, AxisGeometry& g, int top, int bottom)
{
    // The step depends on the axis length, which the bottom axis's bands have already fixed.
    g.startPos = top;
    g.endPos = bottom;
    g.length = bottom - top;
    const QFont font = axis.labelsFont.toQFont();
    const double step = g.labelStep(textHeight(font), axis.increment, axis.labelsSeparation);
    const QString low = axis.formatValue(step * std::trunc(g.minimum / step));
    const QString high = axis.formatValue(step * std::trunc(g.maximum / step));
    return std::max(textWidth(font, low), textWidth(font, high)) + textWidth(font, QStringLiteral(" "));
}

void ChartLayout::placeAlong(AxisGeometry& g, int start, int end, int posAxis, int posLabels)
{
    g.startPos = start;
    g.endPos = end;
    g.length = end - start;
    g.center = static_cast<int>(std::floor((static_cast<double>(start) + end) / 2.0));
    g.posAxis = posAxis;
    g.posLabels = posLabels;
}

void ChartLayout::placeTicks(const ChartAxis& axis, AxisGeometry& g, LabelCache& labels)
{
    // Labels stand side by side along the bottom, one above the other along the sides.
    const QFont font = axis.labelsFont.toQFont();
    int labelSize = textHeight(font);
    if (g.isHorizontal()) {
        labelSize = std::max(labels.width(font, axis.formatValue(g.minimum)),
                             labels.width(font, axis.formatValue(g.maximum)));
    }
    g.step = g.labelStep(labelSize, axis.increment, axis.labelsSeparation);
    for (double value : g.labelValues()) {
        if (static_cast<int>(g.ticks.size()) == maxTicks)
            break;
        g.tickValues.push_back(value);
        g.ticks.push_back(g.positionOf(value));
    }
}

ChartGeometry ChartLayout::compute(const ChartModel& model, const QRect& rect, LabelCache& labels)
{
    const int w = rect.width();
    const int h = rect.height();
    ChartGeometry result;
    ChartRect& rc = result.plot;
    rc = ChartRect{rect.left(), rect.top(), rect.left() + w, rect.top() + h};
    rc.left += mulDiv(model.marginLeft(), w, 100);
    rc.top += mulDiv(model.marginTop(), h, 100);
    rc.right -= mulDiv(model.marginRight(), w, 100);
    rc.bottom -= mulDiv(model.marginBottom(), h, 100);

    const ChartAxis& bottom = model.bottomAxis();
    const ChartAxis& left = model.leftAxis();
    const ChartAxis& right = model.rightAxis();
    AxisGeometry& gb = result.bottom = startAxis(model, bottom, AxisSide::Bottom);
    AxisGeometry& gl = result.left = startAxis(model, left, AxisSide::Left);
    AxisGeometry& gr = result.right = startAxis(model, right, AxisSide::Right);

    // Each drawn axis takes its bands from its own side, outermost first: title, labels, ticks.
    if (gb.drawn) {
        if (!bottom.title.caption.isEmpty()) {
            rc.bottom -= textHeight(bottom.title.font.toQFont());
            gb.posTitle = rc.bottom;
        }
        if (bottom.labelsVisible)
            rc.bottom -= textHeight(bottom.labelsFont.toQFont());
        rc.bottom -= bottom.tickBand();
    }
    if (gl.drawn) {
        if (!left.title.caption.isEmpty()) {
            gl.posTitle = rc.left;
            rc.left += textHeight(left.title.font.toQFont());
        }
        if (left.labelsVisible)
            rc.left += verticalLabelsWidth(left, gl, rc.top, rc.bottom);
        rc.left += left.tickBand();
    }
    if (gr.drawn) {
        if (!right.title.caption.isEmpty()) {
            gr.posTitle = rc.right;
            rc.right -= textHeight(right.title.font.toQFont());
        }
        if (right.labelsVisible)
            rc.right -= verticalLabelsWidth(right, gr, rc.top, rc.bottom);
        rc.right -= right.tickBand();
    }

    rc.left = std::max(rc.left, rect.left());
    rc.top = std::max(rc.top, rect.top());
    if (rc.right < rc.left)
        rc.right = rc.left + 1;
    else if (rc.right == rc.left)
        rc.right = rc.left + w;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top + 1;
    else if (rc.bottom == rc.top)
        rc.bottom = rc.top + h;

    placeAlong(gb, rc.left, rc.right, rc.bottom, rc.bottom + bottom.tickBand());
    placeAlong(gl, rc.top, rc.bottom, rc.left, rc.left - left.tickBand());
    placeAlong(gr, rc.top, rc.bottom, rc.right, rc.right + right.tickBand());
    if (gb.drawn)
        placeTicks(bottom, gb, labels);
    if (gl.drawn)
        placeTicks(left, gl, labels);
    if (gr.drawn)
        placeTicks(right, gr, labels);
    return result;
}
