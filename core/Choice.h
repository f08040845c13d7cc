#pragma once

#include <cstdint>

// What the player must decide before the next interactive round.
enum class Choice : std::uint8_t { None, PlacePrey, RemoveHunter };
