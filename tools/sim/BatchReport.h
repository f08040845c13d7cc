#pragma once

#include "BatchPlan.h"
#include "BatchResults.h"
#include "BatchStatistics.h"
#include "BatchTotals.h"

#include <cstdio>

// The readable summary: a line on what was played, then one table per side with a row per
// checkpoint, and below it a line on the whole run, made from the totals of all the plan's games.
// Write errors are left in the stream's error flag.
void writeSummary(std::FILE* out, const BatchPlan& plan, const BatchTotals& totals);

// The spreadsheet's header, "seed,round,hunters,prey", and its rows: per game (in game order) one
// row per checkpoint, for the games of results, game g being the plan's game firstGame + g.
// Write errors are left in the stream's error flag.
void writeCsvHeader(std::FILE* out);
void writeCsvRows(std::FILE* out, const BatchPlan& plan, const BatchResults& results, std::int32_t firstGame);
