#include "TFastLineSegments.h"

#include "ChartMath.h"
#include "TChartAxis.h"
#include "TFastLineSeries.h"

#include <algorithm>
#include <cstdlib>

QVector<QLine> TFastLineSegments::build(const TFastLineSeries& series, const TChartAxis& horizontal,
                                           const TChartAxis& vertical)
{
    QVector<QLine> segments;
    const int n = series.Count();
    if (n == 0)
        return segments;
    segments.reserve(n - 1);
    QPoint last(horizontal.CalcPosValue(0), vertical.CalcPosValue(series.YValue(0)));
    for (int i = 1; i < n; ++i) {
        const QPoint p(horizontal.CalcPosValue(i), vertical.CalcPosValue(series.YValue(i)));
        if (p == last)
            continue;
        segments.append(QLine(last, p));
        last = p;
    }
    return segments;
}

QVector<QLine> TFastLineSegments::dash(const QVector<QLine>& segments, const std::vector<int>& pattern)
{
    QVector<QLine> dashes;
    int period = 0;
    for (int length : pattern)
        period += length;
    if (pattern.empty() || period <= 0)
        return segments;
    std::size_t part = 0;        // current entry of the pattern; even entries draw
    int leftInPart = pattern[0];  // pixels still to go in it
    for (const QLine& segment : segments) {
        const int dx = segment.dx();
        const int dy = segment.dy();
        const int length = std::max(std::abs(dx), std::abs(dy));
        auto at = [&](int t) {
            return QPoint(segment.x1() + static_cast<int>(chartmath::roundHalfEven(double(dx) * t / length)),
                          segment.y1() + static_cast<int>(chartmath::roundHalfEven(double(dy) * t / length)));
        };
        int t = 0;
        while (t < length) {
            const int run = std::min(leftInPart, length - t);
            if (part % 2 == 0 && run > 0)
                dashes.append(QLine(at(t), at(t + run)));
            t += run;
            leftInPart -= run;
            if (leftInPart == 0) {
                part = (part + 1) % pattern.size();
                leftInPart = pattern[part];
            }
        }
    }
    return dashes;
}
