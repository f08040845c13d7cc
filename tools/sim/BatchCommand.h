#pragma once

#include "ProcessGroup.h"
#include "SimOptions.h"

// Runs quorvel-sim in batch mode: plays the games, then writes the CSV and the summary. In a
// group of processes each plays its share of the games and rank 0 writes what all played, the
// same bytes as one process alone. Returns the exit code, the same on every process: 0 done,
// 2 bad input or an output that cannot be written (after a one-line message on stderr, and a
// pointer to --help for a refused plan), 130 interrupted. No partial CSV file is ever left behind.
int runBatch(const SimOptions& options, ProcessGroup& group);
