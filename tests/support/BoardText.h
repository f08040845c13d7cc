#pragma once

#include "GameCore.h"

#include <string>

// Helpers to write and read whole boards in tests: six strings, one per row y = 1..6,
// each with six characters for x = 1..6: '.' empty, 'b' prey, 'R' hunter.
inline void setBoard(GameCore& core, const char* const (&rows)[6])
{
    for (int y = 1; y <= 6; ++y)
        for (int x = 1; x <= 6; ++x) {
            const char c = rows[y - 1][x - 1];
            core.setCell(x, y, c == 'b' ? Cell::Prey : c == 'R' ? Cell::Hunter : Cell::Empty);
        }
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            core.takeRedraw(x, y);
}

inline std::string boardText(const GameCore& core)
{
    std::string s;
    for (int y = 1; y <= 6; ++y) {
        for (int x = 1; x <= 6; ++x) {
            const auto v = core.cell(x, y);
            s += v == Cell::Prey ? 'b' : v == Cell::Hunter ? 'R' : '.';
        }
        s += '\n';
    }
    return s;
}

inline int countOnBoard(const GameCore& core, Cell content)
{
    int n = 0;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            n += core.cell(x, y) == content;
    return n;
}
