#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A game's number is the generator's state at the moment "Neu" starts it: the same number
// gives the same board and the same dice, in the window, in the browser and in
// `quorvel-sim --seed`. Reads a number as the runner's --seed takes it: plain decimal digits
// (leading zeros allowed), nothing else, from 0 to 4294967295.
std::optional<std::uint32_t> parseGameNumber(std::string_view text);
