#pragma once

#include "AxisGeometry.h"
#include "ChartRect.h"

// What ChartLayout works out for one drawing of a chart: the plot rectangle and where each axis
// goes. The painter draws from it, and whoever drew the chart can read from it what was drawn.
struct ChartGeometry {
    ChartRect plot;
    AxisGeometry bottom;
    AxisGeometry left;
    AxisGeometry right;
};
