#pragma once

#include "SeriesCsv.h"
#include "SeriesFigures.h"
#include "SeriesSettings.h"

#include <string>

// A series played to its end: its settings and the figures of both conditions.
struct SeriesResult {
    SeriesSettings settings;
    SeriesFigures unsprayed;
    SeriesFigures sprayed;

    const SeriesFigures& of(SeriesCondition condition) const
    {
        return condition == SeriesCondition::Unsprayed ? unsprayed : sprayed;
    }
    // Both conditions side by side as SeriesCsv writes them, A under the first name, B under the
    // second: one row per round, 0 to the last.
    std::string csv(const SeriesCsvFormat& format, const std::string& unsprayedName, const std::string& sprayedName) const;
};
