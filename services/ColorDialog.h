#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

class QColorDialog;
class QWidget;

// The colour dialog of the chart commands. It opens with Color selected, places itself on the
// monitor of the active window (centred, one third of the free height above it), and on
// confirm keeps the choice in Color and the dialog's 16 custom colours. Custom colours from a
// confirmed dialog are offered again by every later call for the program's lifetime, those of a
// cancelled one are not; nothing is saved.
class ColorDialog {
public:
    explicit ColorDialog(QWidget* owner) : owner_(owner) {}

    QColor color() const { return color_; }
    void setColor(const QColor& color) { color_ = color; }

    // Modal; true when the user confirmed. On cancel nothing changes.
    bool exec();

    // Where the dialog goes on a monitor's available area.
    static QPoint placement(const QRect& monitor, const QSize& dialog);

private:
    void applyCustomColors() const;
    void storeCustomColors();

    QWidget* owner_;
    QColor color_{Qt::black};
    std::array<QColor, 16> customColors_;
};
