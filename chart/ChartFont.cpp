#include "ChartFont.h"

#include <algorithm>

ChartFont::ChartFont(const QString& family, int pixelSize, QColor color) : color_(color)
{
    font_.setFamily(family);
    font_.setPixelSize(std::max(1, pixelSize));
    font_.setBold(false);
}

void ChartFont::setFamily(const QString& family)
{
    if (family == font_.family())
        return;
    font_.setFamily(family);
    changed();
}

void ChartFont::setPixelSize(int pixelSize)
{
    pixelSize = std::max(1, pixelSize);
    if (pixelSize == font_.pixelSize())
        return;
    font_.setPixelSize(pixelSize);
    changed();
}

void ChartFont::setBold(bool bold)
{
    if (bold == font_.bold())
        return;
    font_.setBold(bold);
    changed();
}

void ChartFont::setColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    changed();
}

void ChartFont::changed()
{
    if (changeHandler_)
        changeHandler_();
}
