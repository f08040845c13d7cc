#include "ChartLayout.h"

#include "ChartMath.h"
#include "ChartView.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

int ChartLayout::textHeight(const QFont& font)
{
    return QFontMetrics(font).height();
}

int ChartLayout::textWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

bool ChartLayout::isDrawn(const ChartView& chart, const ChartAxis& axis)
{
    if (!axis.isVisible())
        return false;
    for (int i = 0; i < chart.seriesCount(); ++i) {
        const LineSeries& series = chart.series(i);
        if (!series.isVisible())
            continue;
        if (axis.side() == AxisSide::Bottom)
            return true;
        const bool left = series.verticalAxis() == VerticalAxis::Left;
        if (left == (axis.side() == AxisSide::Left))
            return true;
    }
    return false;
}

void ChartLayout::computeRange(const ChartView& chart, ChartAxis& axis)
{
    AxisGeometry& g = axis.computed();
    if (!axis.isAutomatic()) {
        g.minimum = axis.minimum();
        g.maximum = axis.maximum();
    } else {
        bool any = false;
        for (int i = 0; i < chart.seriesCount(); ++i) {
            const LineSeries& series = chart.series(i);
            if (!series.isVisible() || series.count() == 0)
                continue;
            double low = 0.0;
            double high = series.count() - 1.0;
            if (!axis.isHorizontal()) {
                if ((series.verticalAxis() == VerticalAxis::Left) != (axis.side() == AxisSide::Left))
                    continue;
                low = series.minYValue();
                high = series.maxYValue();
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

int ChartLayout::verticalLabelsWidth(ChartAxis& axis, int top, int bottom)
{
    // The step depends on the axis length, which the bottom axis's bands have already fixed.
    AxisGeometry& g = axis.computed();
    g.startPos = top;
    g.endPos = bottom;
    g.length = bottom - top;
    const QFont font = axis.labelsFont().toQFont();
    const double step = g.labelStep(textHeight(font), axis.increment(), axis.labelsSeparation());
    const QString low = axis.formatValue(step * std::trunc(g.minimum / step));
    const QString high = axis.formatValue(step * std::trunc(g.maximum / step));
    return std::max(textWidth(font, low), textWidth(font, high)) + textWidth(font, QStringLiteral(" "));
}

void ChartLayout::placeAlong(ChartAxis& axis, int start, int end, int posAxis, int posLabels)
{
    AxisGeometry& g = axis.computed();
    g.startPos = start;
    g.endPos = end;
    g.length = end - start;
    g.center = static_cast<int>(std::floor((static_cast<double>(start) + end) / 2.0));
    g.posAxis = posAxis;
    g.posLabels = posLabels;
}

ChartRect ChartLayout::compute(ChartView& chart, const QRect& rect)
{
    const int w = rect.width();
    const int h = rect.height();
    ChartRect rc{rect.left(), rect.top(), rect.left() + w, rect.top() + h};
    rc.left += chartmath::mulDiv(chart.marginLeft(), w, 100);
    rc.top += chartmath::mulDiv(chart.marginTop(), h, 100);
    rc.right -= chartmath::mulDiv(chart.marginRight(), w, 100);
    rc.bottom -= chartmath::mulDiv(chart.marginBottom(), h, 100);

    ChartAxis& bottom = chart.bottomAxis();
    ChartAxis& left = chart.leftAxis();
    ChartAxis& right = chart.rightAxis();
    for (ChartAxis* axis : {&bottom, &left, &right}) {
        axis->computed() = AxisGeometry{};
        axis->computed().horizontal = axis->isHorizontal();
        axis->computed().drawn = isDrawn(chart, *axis);
        computeRange(chart, *axis);
    }

    // Each drawn axis takes its bands from its own side, outermost first: title, labels, ticks.
    if (bottom.computed().drawn) {
        if (!bottom.title().caption().isEmpty()) {
            rc.bottom -= textHeight(bottom.title().font().toQFont());
            bottom.computed().posTitle = rc.bottom;
        }
        if (bottom.labelsVisible())
            rc.bottom -= textHeight(bottom.labelsFont().toQFont());
        rc.bottom -= bottom.tickBand();
    }
    if (left.computed().drawn) {
        if (!left.title().caption().isEmpty()) {
            left.computed().posTitle = rc.left;
            rc.left += textHeight(left.title().font().toQFont());
        }
        if (left.labelsVisible())
            rc.left += verticalLabelsWidth(left, rc.top, rc.bottom);
        rc.left += left.tickBand();
    }
    if (right.computed().drawn) {
        if (!right.title().caption().isEmpty()) {
            right.computed().posTitle = rc.right;
            rc.right -= textHeight(right.title().font().toQFont());
        }
        if (right.labelsVisible())
            rc.right -= verticalLabelsWidth(right, rc.top, rc.bottom);
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

    placeAlong(bottom, rc.left, rc.right, rc.bottom, rc.bottom + bottom.tickBand());
    placeAlong(left, rc.top, rc.bottom, rc.left, rc.left - left.tickBand());
    placeAlong(right, rc.top, rc.bottom, rc.right, rc.right + right.tickBand());
    return rc;
}
