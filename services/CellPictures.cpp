#include "CellPictures.h"

#include "PictureFile.h"

void loadCellPictures(CellPictures& pictures)
{
    pictures.empty = loadPicture(QStringLiteral("leer.bmp"));
    pictures.prey = loadPicture(QStringLiteral("prey.bmp"));
    pictures.hunter = loadPicture(QStringLiteral("hunter.bmp"));
    pictures.background = loadPicture(QStringLiteral("back.bmp"));
}
