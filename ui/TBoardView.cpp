#include "TBoardView.h"

#include "PictureView.h"
#include "Picture.h"

TBoardView::TBoardView(const PictureView& leer, const PictureView& prey, const PictureView& hunter)
    : leer_(leer), prey_(prey), hunter_(hunter)
{
}

void TBoardView::build(QWidget* board, std::function<void(QObject*)> onClick)
{
    // Cells stand on a 48-pixel pitch; the 41-pixel tile sits two pixels inside its
    // 45-pixel frame.
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            auto* frame = new TShape(board);
            frame->setGeometry(48 * x - 32, 48 * y - 24, 45, 45);
            frame->setPenWidth(2);
            rahmen_[x - 1][y - 1] = frame;

            auto* tile = new PictureView(board);
            tile->setGeometry(48 * x - 30, 48 * y - 22, 41, 41);
            tile->setIncrementalDisplay(true);
            tile->setStretched(true);
            QObject::connect(tile, &PictureView::clicked, tile, [tile, onClick] { onClick(tile); });
            kacheln_[x - 1][y - 1] = tile;
            tile->raise();
            frame->show();
            tile->show();
        }
    built_ = true;
}

void TBoardView::resetTiles()
{
    if (!built_)
        return;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            PictureView* tile = kachel(x, y);
            tile->picture().assign(leer_.picture());
            tile->setTransparent(true);
            TShape* frame = rahmen(x, y);
            frame->setVisible(true);
            frame->setPenStyle(TShape::PenStyle::clear);
            frame->setPenColor(Qt::black);
        }
}

void TBoardView::setPensSolid()
{
    if (!built_)
        return;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            rahmen(x, y)->setPenStyle(TShape::PenStyle::solid);
}

void TBoardView::drawfeldxy(PictureView* tile, Cell content)
{
    if (!tile)
        return;
    tile->setTransparent(false);
    if (content == Cell::Empty) {
        tile->picture().assign(leer_.picture());
        tile->setTransparent(true);
    } else if (content == Cell::Prey) {
        tile->picture().assign(prey_.picture());
    } else if (content == Cell::Hunter) {
        tile->picture().assign(hunter_.picture());
    }
}

void TBoardView::setRahmenColor(int x, int y, const QColor& color)
{
    if (built_)
        rahmen(x, y)->setPenColor(color);
}

bool TBoardView::cellOf(const QObject* tile, int& x, int& y) const
{
    if (!built_)
        return false;
    for (x = 1; x <= 6; ++x)
        for (y = 1; y <= 6; ++y)
            if (kachel(x, y) == tile)
                return true;
    return false;
}
