#pragma once

#include "SimOptions.h"

// Runs quorvel-sim in batch mode: plays the games, then writes the CSV and the summary.
// Returns the exit code: 0 done, 2 bad input or an output that cannot be written (after a
// one-line message on stderr, and a pointer to --help for a refused plan), 130 interrupted. No
// partial CSV file is ever left behind.
int runBatch(const SimOptions& options);
