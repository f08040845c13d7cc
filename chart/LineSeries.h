#pragma once

#include "ChartPen.h"

#include <QString>

enum class VerticalAxis { Left, Right };

// How a curve of the chart is drawn: a line through all its points with linePen, against the
// left or the right axis. The points themselves are the model's (ChartModel::points()).
struct LineSeries {
    ChartPen linePen;
    QString title;
    VerticalAxis verticalAxis = VerticalAxis::Left;
    bool visible = true;

    bool operator==(const LineSeries&) const = default;
};
