#pragma once

#include "ColumnSegments.h"

#include <QRect>
#include <QVector>

class QPainter;
class QPen;

// Draws the spans and joins of a solid curve with the painter's pen. A tall vertical line is
// far cheaper as a filled rectangle than stroked, so where the painter draws on a raster image
// without scaling, each span becomes a rectangle of exactly the pixels the pen's vertical line
// covers, as measured once per pen on a small image, written straight into the image where
// nothing stands in the way; anywhere else the spans are drawn as lines. A join between
// neighbouring columns whose every pixel lies inside their spans is left out when the pen is
// wider than one pixel (one-pixel lines depend on the line drawn before them).
class SpanFiller {
public:
    // Draws strokes with painter's current pen, which must be solid and opaque.
    static void draw(QPainter& painter, const ColumnStrokes& strokes);

private:
    // The pixels a vertical line from (x, top) to (x, bottom) covers: columns x + left to
    // x + right, rows top − above to bottom + below.
    struct Box {
        int left = 0;
        int right = 0;
        int above = 0;
        int below = 0;
    };

    static bool fillable(const QPainter& painter);
    // The joins not lying wholly inside the rects of the spans they join, for a pen of width.
    static QVector<QLine> uncovered(const ColumnStrokes& strokes, const QVector<QRect>& rects, qreal width);
    static const Box* boxOf(const QPen& pen);
};
