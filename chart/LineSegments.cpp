#include "LineSegments.h"

#include "AxisGeometry.h"
#include "DashCutter.h"
#include "ByteSeries.h"

#include <algorithm>
#include <cstdint>
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

QVector<QLine> LineSegments::build(const ByteSeries& points, const AxisGeometry& horizontal,
                                   const AxisGeometry& vertical)
{
    QVector<QLine> segments;
    build(points, horizontal, vertical, static_cast<int>(std::max<std::int64_t>(1, points.count())),
          [&](const QVector<QLine>& batch) { segments += batch; });
    return segments;
}

void LineSegments::build(const ByteSeries& points, const AxisGeometry& horizontal,
                         const AxisGeometry& vertical, int batchSize,
                         const std::function<void(const QVector<QLine>&)>& sink)
{
    const std::int64_t n = points.count();
    if (n == 0)
        return;
    QVector<QLine> batch;
    batch.reserve(static_cast<int>(std::min<std::int64_t>(batchSize, n)));
    QPoint last(horizontal.positionOf(0), vertical.positionOf(points.at(0)));
    for (std::int64_t i = 1; i < n; ++i) {
        const QPoint p(horizontal.positionOf(static_cast<double>(i)), vertical.positionOf(points.at(i)));
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
