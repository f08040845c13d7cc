#pragma once

#include "ChartGeometry.h"

#include <QFont>
#include <QRect>
#include <QString>

struct ChartAxis;
class ChartModel;
class LabelCache;

// Lays a chart out for one drawing: the three axes' ranges, the bands their titles, labels and
// ticks take from the chart's sides, the plot rectangle that remains, every axis's pixel
// positions, label step and ticks. It reads the model and returns its answer.
class ChartLayout {
public:
    // Lays model out inside rect (the chart's own rectangle on the target). labels measures the
    // bottom axis's labels, as the painter will draw them.
    static ChartGeometry compute(const ChartModel& model, const QRect& rect, LabelCache& labels);

    // Pixel height of text in font, as every band and label placement measures it.
    static int textHeight(const QFont& font);
    // Pixel width of text in font.
    static int textWidth(const QFont& font, const QString& text);

private:
    static AxisGeometry startAxis(const ChartModel& model, const ChartAxis& axis, AxisSide side);
    static int verticalLabelsWidth(const ChartAxis& axis, AxisGeometry& g, int top, int bottom);
    static void placeAlong(AxisGeometry& g, int start, int end, int posAxis, int posLabels);
    static void placeTicks(const ChartAxis& axis, AxisGeometry& g, LabelCache& labels);
};
