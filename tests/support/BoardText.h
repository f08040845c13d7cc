#pragma once

#include "TSpielkern.h"

#include <string>

// Helpers to write and read whole boards in tests: six strings, one per row y = 1..6,
// each with six characters for x = 1..6: '.' empty, 'b' prey, 'R' hunter.
inline void setBoard(TSpielkern& kern, const char* const (&rows)[6])
{
    for (int y = 1; y <= 6; ++y)
        for (int x = 1; x <= 6; ++x) {
            const char c = rows[y - 1][x - 1];
            kern.setzefeld(x, y, c == 'b' ? zelle::beute : c == 'R' ? zelle::raeuber : zelle::leer);
        }
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            kern.takeRedraw(x, y);
}

inline std::string boardText(const TSpielkern& kern)
{
    std::string s;
    for (int y = 1; y <= 6; ++y) {
        for (int x = 1; x <= 6; ++x) {
            const auto v = kern.feld(x, y);
            s += v == zelle::beute ? 'b' : v == zelle::raeuber ? 'R' : '.';
        }
        s += '\n';
    }
    return s;
}

inline int countOnBoard(const TSpielkern& kern, std::uint8_t content)
{
    int n = 0;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            n += kern.feld(x, y) == content;
    return n;
}
