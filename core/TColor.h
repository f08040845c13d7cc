#pragma once

#include <cstdint>

// A colour as the program stores it: 0x00BBGGRR, red in the low byte.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clGreen = 0x0000FF00;
inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clGray = 0x00808080;
inline constexpr TColor clYellow = 0x0000FFFF;

constexpr std::uint8_t redOf(TColor c) { return c & 0xFF; }
constexpr std::uint8_t greenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t blueOf(TColor c) { return (c >> 16) & 0xFF; }
