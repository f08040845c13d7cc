#include "ChartFont.h"

QFont ChartFont::toQFont() const
{
    QFont font;
    font.setFamily(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
