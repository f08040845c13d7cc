#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// A game's number is the generator's state at the moment "Neu" starts it: the same number
// gives the same board and the same dice, in the window and in `quorvel-sim --seed`.
// Reads a number as the runner's --seed takes it: plain decimal digits (leading zeros
// allowed), nothing else, from 0 to 4294967295.
std::optional<std::uint32_t> parseGameNumber(const QString& text);
