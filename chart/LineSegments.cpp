#include "LineSegments.h"

#include "AxisGeometry.h"
#include "DashCutter.h"
#include "LineSeries.h"

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

QVector<QLine> LineSegments::build(const LineSeries& series, const AxisGeometry& horizontal,
                                           const AxisGeometry& vertical)
{
    QVector<QLine> segments;
    build(series, horizontal, vertical, std::max(1, series.count()),
          [&](const QVector<QLine>& batch) { segments += batch; });
    return segments;
}

void LineSegments::build(const LineSeries& series, const AxisGeometry& horizontal,
                              const AxisGeometry& vertical, int batchSize,
                              const std::function<void(const QVector<QLine>&)>& sink)
{
    const int n = series.count();
    if (n == 0)
        return;
    QVector<QLine> batch;
    batch.reserve(std::min(batchSize, n));
    QPoint last(horizontal.positionOf(0), vertical.positionOf(series.yValue(0)));
    for (int i = 1; i < n; ++i) {
        const QPoint p(horizontal.positionOf(i), vertical.positionOf(series.yValue(i)));
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

QVector<QLine> LineSegments::dash(const QVector<QLine>& segments, const std::vector<int>& pattern)
{
    QVector<QLine> dashes;
    DashCutter(pattern).cut(segments, dashes);
    return dashes;
}
