#include "TFastLineSegments.h"

#include "TChartAxis.h"
#include "TDashCutter.h"
#include "TFastLineSeries.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Qt's one-pixel line drawing gives a line that turns straight back along the axis of the
// previous line of the same batch one pixel more; a batch may end only where that cannot happen.
bool turnsBack(const QLine& a, const QLine& b)
{
    const bool aSteep = std::abs(a.dy()) > std::abs(a.dx());
    const bool bSteep = std::abs(b.dy()) > std::abs(b.dx());
    if (aSteep != bSteep)
        return false;
    return aSteep ? (a.dy() > 0) != (b.dy() > 0) : (a.dx() > 0) != (b.dx() > 0);
}

}  // namespace

QVector<QLine> TFastLineSegments::build(const TFastLineSeries& series, const TChartAxis& horizontal,
                                           const TChartAxis& vertical)
{
    QVector<QLine> segments;
    build(series, horizontal, vertical, std::max(1, series.Count()),
          [&](const QVector<QLine>& batch) { segments += batch; });
    return segments;
}

void TFastLineSegments::build(const TFastLineSeries& series, const TChartAxis& horizontal,
                              const TChartAxis& vertical, int batchSize,
                              const std::function<void(const QVector<QLine>&)>& sink)
{
    const int n = series.Count();
    if (n == 0)
        return;
    QVector<QLine> batch;
    batch.reserve(std::min(batchSize, n));
    QPoint last(horizontal.CalcPosValue(0), vertical.CalcPosValue(series.YValue(0)));
    for (int i = 1; i < n; ++i) {
        const QPoint p(horizontal.CalcPosValue(i), vertical.CalcPosValue(series.YValue(i)));
        if (p == last)
            continue;
        const QLine segment(last, p);
        last = p;
        if (batch.size() >= batchSize && !turnsBack(batch.back(), segment)) {
            sink(batch);
            batch.clear();
        }
        batch.append(segment);
    }
    if (!batch.isEmpty())
        sink(batch);
}

QVector<QLine> TFastLineSegments::dash(const QVector<QLine>& segments, const std::vector<int>& pattern)
{
    QVector<QLine> dashes;
    TDashCutter(pattern).cut(segments, dashes);
    return dashes;
}
