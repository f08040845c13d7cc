#include "BoardView.h"

#include "PictureView.h"
#include "Picture.h"

BoardView::BoardView(const PictureView& emptyPicture, const PictureView& preyPicture,
                     const PictureView& hunterPicture)
    : emptyPicture_(emptyPicture), preyPicture_(preyPicture), hunterPicture_(hunterPicture)
{
}

void BoardView::build(QWidget* board)
{
    // Cells stand on a 48-pixel pitch; the 41-pixel tile sits two pixels inside its
    // 45-pixel frame.
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            auto* frame = new FrameShape(board);
            frame->setGeometry(48 * x - 32, 48 * y - 24, 45, 45);
            frame->setPenWidth(2);
            frames_[x - 1][y - 1] = frame;

            auto* tile = new PictureView(board);
            tile->setGeometry(48 * x - 30, 48 * y - 22, 41, 41);
            tile->setIncrementalDisplay(true);
            tile->setStretched(true);
            tiles_[x - 1][y - 1] = tile;
            tile->raise();
            frame->show();
            tile->show();
        }
    built_ = true;
}

void BoardView::resetTiles()
{
    if (!built_)
        return;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            PictureView* cellTile = tile(x, y);
            cellTile->picture().assign(emptyPicture_.picture());
            cellTile->setTransparent(true);
            FrameShape* cellFrame = frame(x, y);
            cellFrame->setVisible(true);
            cellFrame->setPenStyle(FrameShape::PenStyle::Clear);
            cellFrame->setPenColor(Qt::black);
        }
}

void BoardView::setFramesSolid()
{
    if (!built_)
        return;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            frame(x, y)->setPenStyle(FrameShape::PenStyle::Solid);
}

void BoardView::showCell(PictureView* tile, Cell content)
{
    if (!tile)
        return;
    tile->setTransparent(false);
    if (content == Cell::Empty) {
        tile->picture().assign(emptyPicture_.picture());
        tile->setTransparent(true);
    } else if (content == Cell::Prey) {
        tile->picture().assign(preyPicture_.picture());
    } else if (content == Cell::Hunter) {
        tile->picture().assign(hunterPicture_.picture());
    }
}

void BoardView::setFrameColor(int x, int y, const QColor& color)
{
    if (built_)
        frame(x, y)->setPenColor(color);
}
