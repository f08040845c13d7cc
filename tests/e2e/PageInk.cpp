#include "PageInk.h"

#include <cmath>

namespace {
bool isRed(QRgb c) { return qRed(c) > 180 && qGreen(c) < 100 && qBlue(c) < 100; }
bool isBlue(QRgb c) { return qBlue(c) > 180 && qRed(c) < 100 && qGreen(c) < 100; }

int marginOf(int size) { return static_cast<int>(std::nearbyint(size * 15 / 100.0)); }
}  // namespace

bool PageInk::isPaper(QRgb pixel) { return qRed(pixel) >= 235 && qGreen(pixel) >= 235 && qBlue(pixel) >= 235; }

PageInk PageInk::of(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    PageInk ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            if (isPaper(c))
                continue;
            const QRect pixel(x, y, 1, 1);
            ink.any |= pixel;
            if (isRed(c))
                ink.red |= pixel;
            if (isBlue(c))
                ink.blue |= pixel;
        }
    }
    return ink;
}

QRect centralSeventyPercent(QSize page)
{
    // std::nearbyint rounds halves to even in the default rounding mode, as the print does.
    const int mx = marginOf(page.width());
    const int my = marginOf(page.height());
    return QRect(QPoint(mx, my), QPoint(page.width() - mx - 1, page.height() - my - 1));
}

QRectF stretched(const QRect& rect, QSize chart, const QRect& target)
{
    const double sx = static_cast<double>(target.width()) / chart.width();
    const double sy = static_cast<double>(target.height()) / chart.height();
    return QRectF(target.left() + rect.left() * sx, target.top() + rect.top() * sy, rect.width() * sx,
                  rect.height() * sy);
}
