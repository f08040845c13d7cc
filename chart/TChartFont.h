#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>

// A font of the chart: family, height in pixels, bold or regular, and a text colour. Heights are
// pixels, never points, so the chart looks the same on every screen. Every effective change
// calls the owner's change handler.
class TChartFont {
public:
    TChartFont(const QString& family, int pixelSize, QColor color = Qt::black);
    TChartFont(const TChartFont&) = delete;
    TChartFont& operator=(const TChartFont&) = delete;

    // The font to draw with, sized in pixels.
    QFont Font() const { return font_; }
    QString Name() const { return font_.family(); }
    void setName(const QString& family);
    int PixelSize() const { return font_.pixelSize(); }
    // Sizes below 1 are stored as 1.
    void setPixelSize(int pixelSize);
    bool Bold() const { return font_.bold(); }
    void setBold(bool bold);
    QColor color() const { return color_; }
    void setColor(const QColor& color);

    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    void changed();

    QFont font_;
    QColor color_;
    std::function<void()> onChange_;
};
