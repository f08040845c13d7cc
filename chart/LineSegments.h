#pragma once

#include <QLine>
#include <QVector>

#include <functional>
#include <vector>

struct AxisGeometry;
class ByteSeries;

// Turns a series' points into the line segments that draw every one of them: the drawing the
// chart's column-wise reduction must match pixel for pixel.
class LineSegments {
public:
    // The segments from each point to the next, leaving out every point that lands on the pixel
    // drawn last, on the axes as laid out for the current drawing.
    static QVector<QLine> build(const ByteSeries& points, const AxisGeometry& horizontal,
                                const AxisGeometry& vertical);
    // The same segments handed to sink in order, in batches of about batchSize, so a series of
    // any length is drawn without holding all of its segments at once. Batches end only where
    // drawing them in separate calls gives the same pixels as one call.
    static void build(const ByteSeries& points, const AxisGeometry& horizontal, const AxisGeometry& vertical,
                      int batchSize, const std::function<void(const QVector<QLine>&)>& sink);
    // segments cut into dashes by pattern (see DashCutter), the pattern starting afresh.
    static QVector<QLine> dash(const QVector<QLine>& segments, const std::vector<int>& pattern);
};
