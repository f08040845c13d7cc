#pragma once

#include "ChartRect.h"

#include <QFont>
#include <QRect>
#include <QString>

class ChartView;
class ChartAxis;

// Lays the chart out for one paint: the three axes' ranges, the bands their titles, labels and
// ticks take from the chart's sides, the plot rectangle that remains, and every axis's pixel
// positions. The results go into each axis's computed() values.
class ChartLayout {
public:
    // Lays chart out inside rect (the chart's own rectangle on the target) and returns the plot
    // rectangle.
    static ChartRect compute(ChartView& chart, const QRect& rect);

    // Pixel height of text in font, as every band and label placement measures it.
    static int textHeight(const QFont& font);
    // Pixel width of text in font.
    static int textWidth(const QFont& font, const QString& text);

private:
    static bool isDrawn(const ChartView& chart, const ChartAxis& axis);
    static void computeRange(const ChartView& chart, ChartAxis& axis);
    static int verticalLabelsWidth(ChartAxis& axis, int top, int bottom);
    static void placeAlong(ChartAxis& axis, int start, int end, int posAxis, int posLabels);
};
