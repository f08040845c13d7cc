#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The command line of quorvel-sim.
struct SimOptions {
    std::optional<std::uint32_t> seed;  // none: seeded from the clock
    std::int32_t rounds = 100;
    std::int32_t insecticide = 0;
    bool board = false;
    bool help = false;
};

// Parses argv[1..]; on a bad argument returns nothing and puts a one-line reason in error.
std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const simUsage;
