#pragma once

#include "Cell.h"
#include "TShape.h"

#include <QColor>

#include <array>
#include <cstdint>
#include <functional>

class PictureView;
class QWidget;

// The 36 frames and 36 tiles over the board's background picture. Cells are (x, y), 1 to 6,
// x the column from the left, y the row from the top. Until build() has run (start-up may
// stop before it), every operation does nothing.
class TBoardView {
public:
    // The three hidden holders whose pictures the tiles copy; they must outlive the view.
    TBoardView(const PictureView& leer, const PictureView& prey, const PictureView& hunter);

    // Creates the frames and tiles inside board, scan order, each tile on top of its frame;
    // a click on a tile calls onClick with the tile.
    void build(QWidget* board, std::function<void(QObject* tile)> onClick);
    bool built() const { return built_; }

    // Every tile shows the empty picture, see-through; every frame clear and black.
    void resetTiles();
    // From now on every frame is drawn.
    void setPensSolid();
    // The tile shows the picture of content (0 empty, 1 prey, 2 hunter).
    void drawfeldxy(PictureView* tile, Cell content);
    void setRahmenColor(int x, int y, const QColor& color);

    PictureView* kachel(int x, int y) const { return kacheln_[x - 1][y - 1]; }
    TShape* rahmen(int x, int y) const { return rahmen_[x - 1][y - 1]; }
    // The cell of a tile, found by comparing in scan order; false if it is none of ours.
    bool cellOf(const QObject* tile, int& x, int& y) const;

private:
    const PictureView& leer_;
    const PictureView& prey_;
    const PictureView& hunter_;
    bool built_ = false;
    std::array<std::array<TShape*, 6>, 6> rahmen_{};
    std::array<std::array<PictureView*, 6>, 6> kacheln_{};
};
