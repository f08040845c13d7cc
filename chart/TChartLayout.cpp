#include "TChartLayout.h"

#include "ChartMath.h"
#include "TChart.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

int TChartLayout::textHeight(const QFont& font)
{
    return QFontMetrics(font).height();
}

int TChartLayout::textWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

bool TChartLayout::isDrawn(const TChart& chart, const TChartAxis& axis)
{
    if (!axis.Visible())
        return false;
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        const TFastLineSeries& series = chart.Series(i);
        if (!series.Visible())
            continue;
        if (axis.Side() == TAxisSide::Bottom)
            return true;
        const bool left = series.VertAxis() == TVertAxis::Left;
        if (left == (axis.Side() == TAxisSide::Left))
            return true;
    }
    return false;
}

void TChartLayout::computeRange(const TChart& chart, TChartAxis& axis)
{
    TAxisGeometry& g = axis.Computed();
    if (!axis.Automatic()) {
        g.minimum = axis.Minimum();
        g.maximum = axis.Maximum();
    } else {
        bool any = false;
        for (int i = 0; i < chart.SeriesCount(); ++i) {
            const TFastLineSeries& series = chart.Series(i);
            if (!series.Visible() || series.Count() == 0)
                continue;
            double low = 0.0;
            double high = series.Count() - 1.0;
            if (!axis.Horizontal()) {
                if ((series.VertAxis() == TVertAxis::Left) != (axis.Side() == TAxisSide::Left))
                    continue;
                low = series.MinYValue();
                high = series.MaxYValue();
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

int TChartLayout::verticalLabelsWidth(TChartAxis& axis, int top, int bottom)
{
    // The step depends on the axis length, which the bottom axis's bands have already fixed.
    TAxisGeometry& g = axis.Computed();
    g.startPos = top;
    g.endPos = bottom;
    g.length = bottom - top;
    const QFont font = axis.LabelsFont().Font();
    const double step = axis.CalcLabelStep(textHeight(font));
    const QString low = axis.FormatValue(step * std::trunc(g.minimum / step));
    const QString high = axis.FormatValue(step * std::trunc(g.maximum / step));
    return std::max(textWidth(font, low), textWidth(font, high)) + textWidth(font, QStringLiteral(" "));
}

void TChartLayout::placeAlong(TChartAxis& axis, int start, int end, int posAxis, int posLabels)
{
    TAxisGeometry& g = axis.Computed();
    g.startPos = start;
    g.endPos = end;
    g.length = end - start;
    g.centre = static_cast<int>(std::floor((static_cast<double>(start) + end) / 2.0));
    g.posAxis = posAxis;
    g.posLabels = posLabels;
}

TChartRect TChartLayout::compute(TChart& chart, const QRect& rect)
{
    const int w = rect.width();
    const int h = rect.height();
    TChartRect rc{rect.left(), rect.top(), rect.left() + w, rect.top() + h};
    rc.left += chartmath::mulDiv(chart.MarginLeft(), w, 100);
    rc.top += chartmath::mulDiv(chart.MarginTop(), h, 100);
    rc.right -= chartmath::mulDiv(chart.MarginRight(), w, 100);
    rc.bottom -= chartmath::mulDiv(chart.MarginBottom(), h, 100);

    TChartAxis& bottom = chart.BottomAxis();
    TChartAxis& left = chart.LeftAxis();
    TChartAxis& right = chart.RightAxis();
    for (TChartAxis* axis : {&bottom, &left, &right}) {
        axis->Computed() = TAxisGeometry{};
        axis->Computed().drawn = isDrawn(chart, *axis);
        computeRange(chart, *axis);
    }

    // Each drawn axis takes its bands from its own side, outermost first: title, labels, ticks.
    if (bottom.Computed().drawn) {
        if (!bottom.Title().Caption().isEmpty()) {
            rc.bottom -= textHeight(bottom.Title().Font().Font());
            bottom.Computed().posTitle = rc.bottom;
        }
        if (bottom.Labels())
            rc.bottom -= textHeight(bottom.LabelsFont().Font());
        rc.bottom -= bottom.TickBand();
    }
    if (left.Computed().drawn) {
        if (!left.Title().Caption().isEmpty()) {
            left.Computed().posTitle = rc.left;
            rc.left += textHeight(left.Title().Font().Font());
        }
        if (left.Labels())
            rc.left += verticalLabelsWidth(left, rc.top, rc.bottom);
        rc.left += left.TickBand();
    }
    if (right.Computed().drawn) {
        if (!right.Title().Caption().isEmpty()) {
            right.Computed().posTitle = rc.right;
            rc.right -= textHeight(right.Title().Font().Font());
        }
        if (right.Labels())
            rc.right -= verticalLabelsWidth(right, rc.top, rc.bottom);
        rc.right -= right.TickBand();
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

    placeAlong(bottom, rc.left, rc.right, rc.bottom, rc.bottom + bottom.TickBand());
    placeAlong(left, rc.top, rc.bottom, rc.left, rc.left - left.TickBand());
    placeAlong(right, rc.top, rc.bottom, rc.right, rc.right + right.TickBand());
    return rc;
}
