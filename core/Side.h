#pragma once

#include <cstdint>

// Whose turn a round is. The values are the ones the headless runner prints.
enum class Side : std::uint8_t { Prey = 1, Hunter = 2 };
