#pragma once

#include <cstdint>

// What stands on a cell of the board.
enum class Cell : std::uint8_t { Empty = 0, Prey = 1, Hunter = 2 };
