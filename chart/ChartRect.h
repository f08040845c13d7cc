#pragma once

// A rectangle in chart pixels given by its four edges, the way the layout computes it. Unlike
// QRect, width() is right − left: a rectangle from 10 to 20 is 10 wide, and its right edge pixel
// is 20 itself (the plot's right axis and back-wall outline lie on it).
struct ChartRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const ChartRect&) const = default;
};
