#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QColorDialog;
class QWidget;

// The colour dialog of the chart commands. It opens with Color selected, places itself on the
// monitor of the active window (centred, one third of the free height above it), and on
// confirm stores the choice in Color and the 16 custom colours in customColors ("ColorA" ...
// "ColorP" as hexadecimal RGB). Custom colours are kept for the program's lifetime and
// offered again by every later call; nothing is saved.
class ColorDialog {
public:
    explicit ColorDialog(QWidget* owner) : owner_(owner) {}

    QColor color() const { return color_; }
    void setColor(const QColor& color) { color_ = color; }
    const QStringList& customColors() const { return customColors_; }

    // Modal; true when the user confirmed. On cancel nothing changes.
    bool exec();

    // Where the dialog goes on a monitor's available area.
    static QPoint placement(const QRect& monitor, const QSize& dialog);

private:
    void applyCustomColors() const;
    void storeCustomColors();

    QWidget* owner_;
    QColor color_{Qt::black};
    QStringList customColors_;
};
