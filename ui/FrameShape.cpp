#include "FrameShape.h"

#include <QPainter>

FrameShape::FrameShape(QWidget* parent) : QWidget(parent)
{
    // Clicks go to whatever lies beneath; the frame is decoration only.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameShape::setPenColor(const QColor& color)
{
    if (color == penColor_)
        return;
    penColor_ = color;
    update();
}

void FrameShape::setPenStyle(PenStyle style)
{
    if (style == penStyle_)
        return;
    penStyle_ = style;
    update();
}

void FrameShape::setPenWidth(int width)
{
    if (width == penWidth_)
        return;
    penWidth_ = width;
    update();
}

void FrameShape::paintEvent(QPaintEvent*)
{
    if (penStyle_ == PenStyle::Clear || penWidth_ <= 0)
        return;
    // Filled strips rather than a stroked rectangle: exact pixels, no half-pixel pen offsets.
    QPainter p(this);
    const int w = width(), h = height(), t = std::min({penWidth_, w, h});
    p.fillRect(0, 0, w, t, penColor_);
    p.fillRect(0, h - t, w, t, penColor_);
    p.fillRect(0, t, t, h - 2 * t, penColor_);
    p.fillRect(w - t, t, t, h - 2 * t, penColor_);
}
