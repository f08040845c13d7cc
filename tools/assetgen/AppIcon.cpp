#include "AppIcon.h"

#include "AnimalPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr double units = 64;  // the icon is drawn on a 64 × 64 grid
constexpr int factor = 4;     // and at four times its size, then averaged down

QPainterPath meadow()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    return path;
}

void drawIcon(QPainter& p)
{
    QLinearGradient grass(0, 2, 0, 62);
    grass.setColorAt(0, QColor(214, 238, 186));
    grass.setColorAt(1, QColor(112, 170, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(grass);
    p.drawPath(meadow());

    // The animals stay inside the meadow's rounded corners.
    p.save();
    p.setClipPath(meadow());
    p.save();
    p.translate(25, 1);
    p.scale(0.9, 0.9);
    paintRabbit(p);
    p.restore();
    p.translate(-1, 15);
    p.scale(1.2, 1.2);
    paintFox(p);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(64, 104, 48), 1.5));
    p.drawPath(meadow());
}
}  // namespace

QImage drawAppIcon(int size)
{
    QImage big(size * factor, size * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(big.width() / units, big.height() / units);
        drawIcon(painter);
    }
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}
