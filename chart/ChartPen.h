#pragma once

#include <QColor>

enum class PenStyle { Solid, Dot, DashDot, Clear };

// A pen of the chart: colour, width in pixels, style and a visibility flag. An invisible pen or
// one of style Clear draws nothing.
struct ChartPen {
    QColor color = Qt::black;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool visible = true;

    // True when the pen puts any pixel on the canvas.
    bool draws() const { return visible && style != PenStyle::Clear; }
    bool operator==(const ChartPen&) const = default;
};
