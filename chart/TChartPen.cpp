#include "TChartPen.h"

#include <algorithm>

TChartPen::TChartPen(QColor color, int width, TPenStyle style)
    : color_(color), width_(std::max(1, width)), style_(style)
{
}

void TChartPen::setColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    changed();
}

void TChartPen::setWidth(int width)
{
    width = std::max(1, width);
    if (width == width_)
        return;
    width_ = width;
    changed();
}

void TChartPen::setStyle(TPenStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    changed();
}

void TChartPen::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    changed();
}

void TChartPen::changed()
{
    if (onChange_)
        onChange_();
}
