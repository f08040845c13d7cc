#pragma once

#include "AxisSide.h"

#include <vector>

// Where one layout put an axis: its range, its pixels along the plot side, its bands and its
// label steps and ticks. ChartLayout works it out for every drawing; nothing stores it in the
// axis itself.
struct AxisGeometry {
    AxisSide side = AxisSide::Left;  // a vertical axis counts its pixels upwards
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

    bool isHorizontal() const { return side == AxisSide::Bottom; }
    // Pixel position of value along the axis. A range of 0, or an offset of 2³¹ − 1 pixels or
    // more, gives the axis centre.
    int positionOf(double value) const;
    // The label step for labels of labelSize pixels, each with separationPercent of its size
    // as extra room, on this range and length: increment (when 0: 1, or the smallest step for a
    // range below 1), raised along the sequence 1, 2, 5, 10, 20, … until no more labels than
    // fit the length remain; the smallest step when not even one label fits.
    double labelStep(int labelSize, double increment, int separationPercent) const;
    // Label values for this range and step, largest first; none when the range holds 10000
    // steps or more.
    std::vector<double> labelValues() const;
};
