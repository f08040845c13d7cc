#pragma once

#include "BatchPlan.h"
#include "SprayPlan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The command line of quorvel-sim.
struct SimOptions {
    std::optional<std::uint32_t> seed;  // none: seeded from the clock
    std::int32_t rounds = 100;
    SprayPlan sprays;
    bool board = false;
    bool help = false;
    bool version = false;

    // Batch mode is on when any of --games, --summary, --csv or --every is given.
    bool batch = false;
    std::int32_t games = 1;
    unsigned jobs = 0;  // 0: one per core
    std::optional<std::int32_t> every;  // none: rounds / 10, at least 1
    bool summary = false;  // also on in batch mode when no CSV is asked for
    std::optional<std::string> csv;  // "-" is standard output
    bool quiet = false;
};

// Parses argv[1..]; on a bad argument returns nothing and puts a one-line reason in error.
std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& args, std::string& error);

// The batch the options ask for, from a first seed; nothing, with a one-line reason that says
// which option helps, when it would keep more than BatchPlan::maxKeptBytes.
std::optional<BatchPlan> batchPlan(const SimOptions& options, std::uint32_t firstSeed, std::string& error);

extern const char* const simUsage;
