#include "ChartPen.h"

#include <algorithm>

ChartPen::ChartPen(QColor color, int width, PenStyle style)
    : color_(color), width_(std::max(1, width)), style_(style)
{
}

void ChartPen::setColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    changed();
}

void ChartPen::setWidth(int width)
{
    width = std::max(1, width);
    if (width == width_)
        return;
    width_ = width;
    changed();
}

void ChartPen::setStyle(PenStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    changed();
}

void ChartPen::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    changed();
}

void ChartPen::changed()
{
    if (changeHandler_)
        changeHandler_();
}
