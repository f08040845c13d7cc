#pragma once

#include <QImage>

// The program's icon at size × size pixels, with an alpha channel: the fox in front of the rabbit
// on a rounded square of meadow, the two animals of the board.
QImage drawAppIcon(int size);
