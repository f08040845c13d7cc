#pragma once

#include <vector>

// What one paint computed for an axis: its range, where it lies and where its labels and ticks
// went. Rebuilt on every paint; read it after a paint to see what was drawn.
struct AxisGeometry {
    bool drawn = false;        // visible and used by at least one series
    double minimum = 0.0;
    double maximum = 0.0;
    double range = 0.0;        // maximum − minimum
    int startPos = 0;          // first pixel along the plot side (left or top)
    int endPos = 0;            // last pixel along the plot side (right or bottom)
    int length = 0;            // endPos − startPos
    int center = 0;            // (startPos + endPos) / 2, rounded down
    int posAxis = 0;           // the plot edge the axis line lies on
    int posLabels = 0;         // the labels band's inner edge
    int posTitle = 0;          // the title band's outer edge
    double step = 0.0;         // label step
    std::vector<double> tickValues;  // values of the major ticks, largest first
    std::vector<int> ticks;          // their pixel positions, at most 2000
};
