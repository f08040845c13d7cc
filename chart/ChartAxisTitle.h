#pragma once

#include "ChartFont.h"

#include <QString>

// The caption of an axis and the font it is drawn in. An empty caption takes no room.
struct ChartAxisTitle {
    QString caption;
    ChartFont font;

    bool operator==(const ChartAxisTitle&) const = default;
};
