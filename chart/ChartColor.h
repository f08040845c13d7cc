#pragma once

#include <QColor>

#include <cstdint>

// The program keeps colours as 0x00BBGGRR values (red in the low byte); the chart takes QColor.
// These helpers convert between the two and name the colours the chart uses.
namespace chartcolor {

inline QColor fromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline std::uint32_t toBgr(const QColor& c)
{
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8
           | static_cast<std::uint32_t>(c.blue()) << 16;
}

inline const QColor black = fromBgr(0x00000000);
inline const QColor white = fromBgr(0x00FFFFFF);
inline const QColor red = fromBgr(0x000000FF);
inline const QColor blue = fromBgr(0x00FF0000);
inline const QColor green = fromBgr(0x0000FF00);
inline const QColor silver = fromBgr(0x00C0C0C0);
inline const QColor gray = fromBgr(0x00808080);

}  // namespace chartcolor
