#pragma once

#include "AxisGeometry.h"
#include "ChartAxis.h"
#include "ChartRect.h"

// What ChartLayout works out for one drawing of a chart: the plot rectangle and where each axis
// goes. The painter draws from it, and whoever drew the chart can read from it what was drawn.
struct ChartGeometry {
    ChartRect plot;
    AxisGeometry bottom;
    AxisGeometry left;
    AxisGeometry right;

    const AxisGeometry& axis(AxisSide side) const
    {
        switch (side) {
        case AxisSide::Left: return left;
        case AxisSide::Right: return right;
        case AxisSide::Bottom: break;
        }
        return bottom;
    }
};
