#pragma once

#include "MulDiv.h"

#include <QFont>

// The small dialogs size themselves from their font: X is the width of "A".."Z""a".."z" in that
// font divided by 52 (remainder dropped), Y the height of that text.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int x, int y) : x_(x), y_(y) {}

    int x() const { return x_; }
    int y() const { return y_; }
    // n horizontal dialog units in pixels: round(n * X / 4).
    int h(int n) const { return mulDiv(n, x_, 4); }
    // n vertical dialog units in pixels: round(n * Y / 8).
    int v(int n) const { return mulDiv(n, y_, 8); }

private:
    int x_;
    int y_;
};
