#pragma once

#include <QImage>
#include <QRect>

// Where a printed chart left ink, by colour, on an image of a page or of the chart itself. A pixel
// counts as ink when any channel is below 235 (paper and antialiased paper-white stay out), as red
// when it is strongly red and as blue when it is strongly blue; the chart's hunter curve and left
// title are red, its prey curve and right title blue.
struct PageInk {
    QRect any;
    QRect red;
    QRect blue;

    static PageInk of(const QImage& image);
    static bool isPaper(QRgb pixel);
};

// The print rectangle of a page of size page: 15 % of the width off the left and right, 15 % of
// the height off the top and bottom, each rounded half to even.
QRect centralSeventyPercent(QSize page);

// Maps rect, in the units of a chart of size chart, onto target as the printout stretches it:
// each direction scaled on its own.
QRectF stretched(const QRect& rect, QSize chart, const QRect& target);
