#pragma once

// A cell of the board: x the column from the left, y the row from the top, both 1 to 6.
// (0, 0) stands for no cell where an operation says so.
struct Position {
    int x = 0;
    int y = 0;

    bool operator==(const Position&) const = default;
};
