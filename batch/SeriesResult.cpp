#include "SeriesResult.h"

std::string SeriesResult::csv(const SeriesCsvFormat& format, const std::string& unsprayedName,
                              const std::string& sprayedName) const
{
    // Both plans have the same checkpoints; the spraying does not change the rows.
    const SeriesCsv table{settings.plan(SeriesCondition::Unsprayed),
                          {{unsprayedName, &unsprayed.totals()}, {sprayedName, &sprayed.totals()}},
                          format};
    return table.text();
}
