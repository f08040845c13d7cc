#pragma once

#include <cstdint>

// A colour as the game stores it: 0x00BBGGRR, red in the low byte. A type of its own, so it
// never mixes with Qt's QRgb (0xAARRGGBB), which orders the bytes the other way round.
class BgrColor {
public:
    constexpr BgrColor() = default;
    constexpr explicit BgrColor(std::uint32_t value) : value_(value) {}

    constexpr std::uint32_t value() const { return value_; }
    constexpr int redByte() const { return static_cast<int>(value_ & 0xFF); }
    constexpr int greenByte() const { return static_cast<int>((value_ >> 8) & 0xFF); }
    constexpr int blueByte() const { return static_cast<int>((value_ >> 16) & 0xFF); }

    constexpr bool operator==(const BgrColor&) const = default;

    static const BgrColor black;
    static const BgrColor white;
    static const BgrColor red;
    static const BgrColor blue;
    static const BgrColor green;
    static const BgrColor silver;
    static const BgrColor gray;
    static const BgrColor yellow;

private:
    std::uint32_t value_ = 0;
};

inline constexpr BgrColor BgrColor::black{0x00000000};
inline constexpr BgrColor BgrColor::white{0x00FFFFFF};
inline constexpr BgrColor BgrColor::red{0x000000FF};
inline constexpr BgrColor BgrColor::blue{0x00FF0000};
inline constexpr BgrColor BgrColor::green{0x0000FF00};
inline constexpr BgrColor BgrColor::silver{0x00C0C0C0};
inline constexpr BgrColor BgrColor::gray{0x00808080};
inline constexpr BgrColor BgrColor::yellow{0x0000FFFF};
