#pragma once

#include <QLine>
#include <QVector>

#include <vector>

class TChartAxis;
class TFastLineSeries;

// Turns a series into the line segments that draw it. This is the one loop over all points of a
// paint; a summary per pixel column can take its place without touching the painter.
class TFastLineSegments {
public:
    // The segments from each point to the next, leaving out every point that lands on the pixel
    // drawn last. The axes must hold the computed values of the current paint.
    static QVector<QLine> build(const TFastLineSeries& series, const TChartAxis& horizontal,
                                const TChartAxis& vertical);
    // segments cut into dashes by pattern (alternating on and off lengths in pixels, measured
    // along each segment's longer direction, starting with "on"); the pattern runs on across
    // segment boundaries. An empty pattern returns segments unchanged.
    static QVector<QLine> dash(const QVector<QLine>& segments, const std::vector<int>& pattern);
};
