#pragma once

#include "TChartRect.h"

#include <QFont>
#include <QRect>
#include <QString>

class TChart;
class TChartAxis;

// Lays the chart out for one paint: the three axes' ranges, the bands their titles, labels and
// ticks take from the chart's sides, the plot rectangle that remains, and every axis's pixel
// positions. The results go into each axis's Computed() values.
class TChartLayout {
public:
    // Lays chart out inside rect (the chart's own rectangle on the target) and returns the plot
    // rectangle.
    static TChartRect compute(TChart& chart, const QRect& rect);

    // Pixel height of text in font, as every band and label placement measures it.
    static int textHeight(const QFont& font);
    // Pixel width of text in font.
    static int textWidth(const QFont& font, const QString& text);

private:
    static bool isDrawn(const TChart& chart, const TChartAxis& axis);
    static void computeRange(const TChart& chart, TChartAxis& axis);
    static int verticalLabelsWidth(TChartAxis& axis, int top, int bottom);
    static void placeAlong(TChartAxis& axis, int start, int end, int posAxis, int posLabels);
};
