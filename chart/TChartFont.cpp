#include "TChartFont.h"

#include <algorithm>

TChartFont::TChartFont(const QString& family, int pixelSize, QColor color) : color_(color)
{
    font_.setFamily(family);
    font_.setPixelSize(std::max(1, pixelSize));
    font_.setBold(false);
}

void TChartFont::setName(const QString& family)
{
    if (family == font_.family())
        return;
    font_.setFamily(family);
    changed();
}

void TChartFont::setPixelSize(int pixelSize)
{
    pixelSize = std::max(1, pixelSize);
    if (pixelSize == font_.pixelSize())
        return;
    font_.setPixelSize(pixelSize);
    changed();
}

void TChartFont::setBold(bool bold)
{
    if (bold == font_.bold())
        return;
    font_.setBold(bold);
    changed();
}

void TChartFont::setColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    changed();
}

void TChartFont::changed()
{
    if (onChange_)
        onChange_();
}
