#pragma once

#include <QColor>

#include <functional>

enum class TPenStyle { Solid, Dot, DashDot, Clear };

// A pen of the chart: colour, width in pixels, style and a visibility flag. An invisible pen
// or one of style Clear draws nothing. Every change of a property that alters its value calls
// the owner's change handler, so the chart repaints.
class TChartPen {
public:
    explicit TChartPen(QColor color = Qt::black, int width = 1, TPenStyle style = TPenStyle::Solid);
    TChartPen(const TChartPen&) = delete;
    TChartPen& operator=(const TChartPen&) = delete;

    QColor color() const { return color_; }
    void setColor(const QColor& color);
    int Width() const { return width_; }
    // Widths below 1 are stored as 1 (the thinnest line the chart draws).
    void setWidth(int width);
    TPenStyle Style() const { return style_; }
    void setStyle(TPenStyle style);
    bool Visible() const { return visible_; }
    void setVisible(bool visible);

    // True when the pen puts any pixel on the canvas.
    bool Draws() const { return visible_ && style_ != TPenStyle::Clear; }

    // The owner's handler, called after every effective change.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    void changed();

    QColor color_;
    int width_;
    TPenStyle style_;
    bool visible_ = true;
    std::function<void()> onChange_;
};
