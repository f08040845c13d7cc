#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// A font of the chart: family, height in pixels, bold or regular, and a text colour. Heights are
// pixels, never points, so the chart looks the same on every screen. The default is the chart's
// own: Arial 8 points, which is 11 pixels at the 96 pixels per inch the chart is laid out for.
struct ChartFont {
    QString family = QStringLiteral("Arial");
    int pixelSize = 11;
    bool bold = false;
    QColor color = Qt::black;

    // The font to draw with, sized in pixels.
    QFont toQFont() const;
    bool operator==(const ChartFont&) const = default;
};
