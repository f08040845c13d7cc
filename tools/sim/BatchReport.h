#pragma once

#include "BatchPlan.h"
#include "BatchResults.h"
#include "BatchStatistics.h"
#include "BatchTotals.h"

#include <cstdio>

// The readable summary: a line on what was played, then one table per side with a row per
// checkpoint, made from the totals of all the plan's games. Write errors are left in the stream's
// error flag.
void writeSummary(std::FILE* out, const BatchPlan& plan, const BatchTotals& totals);

// The spreadsheet rows: a header "seed,round,hunters,prey", then per game (in game order) one
// row per checkpoint. Write errors are left in the stream's error flag.
void writeCsv(std::FILE* out, const BatchPlan& plan, const BatchResults& results);
