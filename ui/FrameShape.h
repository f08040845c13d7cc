#pragma once

#include <QColor>
#include <QWidget>

// A cell's frame on the board: a rectangle outline two pixels wide on the widget's outer
// pixel rows and columns, with a clear inside. A clear pen draws nothing at all.
class FrameShape : public QWidget {
public:
    enum class PenStyle { Clear, Solid };

    explicit FrameShape(QWidget* parent);

    QColor penColor() const { return penColor_; }
    void setPenColor(const QColor& color);
    PenStyle penStyle() const { return penStyle_; }
    void setPenStyle(PenStyle style);
    int penWidth() const { return penWidth_; }
    void setPenWidth(int width);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor penColor_{Qt::black};
    PenStyle penStyle_ = PenStyle::Solid;
    int penWidth_ = 1;
};
