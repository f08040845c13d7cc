#pragma once

#include <QColor>

#include <functional>

enum class PenStyle { Solid, Dot, DashDot, Clear };

// A pen of the chart: colour, width in pixels, style and a visibility flag. An invisible pen
// or one of style Clear draws nothing. Every change of a property that alters its value calls
// the owner's change handler, so the chart repaints.
class ChartPen {
public:
    explicit ChartPen(QColor color = Qt::black, int width = 1, PenStyle style = PenStyle::Solid);
    ChartPen(const ChartPen&) = delete;
    ChartPen& operator=(const ChartPen&) = delete;

    QColor color() const { return color_; }
    void setColor(const QColor& color);
    int width() const { return width_; }
    // Widths below 1 are stored as 1 (the thinnest line the chart draws).
    void setWidth(int width);
    PenStyle style() const { return style_; }
    void setStyle(PenStyle style);
    bool isVisible() const { return visible_; }
    void setVisible(bool visible);

    // True when the pen puts any pixel on the canvas.
    bool draws() const { return visible_ && style_ != PenStyle::Clear; }

    // The owner's handler, called after every effective change.
    void setChangeHandler(std::function<void()> onChange) { changeHandler_ = std::move(onChange); }

private:
    void changed();

    QColor color_;
    int width_;
    PenStyle style_;
    bool visible_ = true;
    std::function<void()> changeHandler_;
};
