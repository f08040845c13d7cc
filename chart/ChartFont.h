#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>

// A font of the chart: family, height in pixels, bold or regular, and a text colour. Heights are
// pixels, never points, so the chart looks the same on every screen. Every effective change
// calls the owner's change handler.
class ChartFont {
public:
    ChartFont(const QString& family, int pixelSize, QColor color = Qt::black);
    ChartFont(const ChartFont&) = delete;
    ChartFont& operator=(const ChartFont&) = delete;

    // The font to draw with, sized in pixels.
    QFont toQFont() const { return font_; }
    QString family() const { return font_.family(); }
    void setFamily(const QString& family);
    int pixelSize() const { return font_.pixelSize(); }
    // Sizes below 1 are stored as 1.
    void setPixelSize(int pixelSize);
    bool isBold() const { return font_.bold(); }
    void setBold(bool bold);
    QColor color() const { return color_; }
    void setColor(const QColor& color);

    void setChangeHandler(std::function<void()> onChange) { changeHandler_ = std::move(onChange); }

private:
    void changed();

    QFont font_;
    QColor color_;
    std::function<void()> changeHandler_;
};
