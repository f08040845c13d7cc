#pragma once

#include <QImage>
#include <QPainter>

// Draws at eight times the size and averages down, so shapes a few pixels wide keep smooth,
// even edges. The painter works in the target's pixel units.
template <typename Draw>
QImage supersampled(QSize size, QColor background, Draw draw)
{
    constexpr int factor = 8;
    QImage big(size * factor, QImage::Format_RGB32);
    big.fill(background);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(factor, factor);
        draw(painter);
    }
    return big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
