#pragma once

#include <QImage>

// The board's pictures as the program loaded them: the board's background and the three cell
// pictures. Any of them may be null, when it could not be loaded.
struct CellPictures {
    QImage background;
    QImage empty;
    QImage prey;
    QImage hunter;
};
