#pragma once

#include <QImage>

// The board's pictures as the program loaded them: the board's background and the three cell
// pictures. Any of them may be null, when it could not be loaded.
struct CellPictures {
    QImage background;
    QImage empty;
    QImage prey;
    QImage hunter;

    bool isComplete() const { return !background.isNull() && !empty.isNull() && !prey.isNull() && !hunter.isNull(); }
};

// Reads leer.bmp, prey.bmp, hunter.bmp and back.bmp from the working directory, in this order,
// into pictures. The first that cannot be read raises its error (see loadPicture) and leaves it
// and those after it null.
void loadCellPictures(CellPictures& pictures);
