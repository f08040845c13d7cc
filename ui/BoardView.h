#pragma once

#include "FrameShape.h"
#include "GameControls.h"

#include <QColor>

#include <array>

class PictureView;
class QWidget;

// The 36 frames and 36 tiles over the board's background picture. Cells are (x, y), 1 to 6,
// x the column from the left, y the row from the top. Until build() has run (start-up may
// stop before it), every operation does nothing.
class BoardView {
public:
    // The three hidden holders whose pictures the tiles copy; they must outlive the view.
    BoardView(const PictureView& emptyPicture, const PictureView& preyPicture, const PictureView& hunterPicture);

    // Creates the frames and tiles inside board, scan order, each tile on top of its frame.
    void build(QWidget* board);
    bool built() const { return built_; }

    // Every tile shows the empty picture, see-through; every frame clear and black.
    void resetTiles();
    // From now on every frame is drawn.
    void setFramesSolid();
    // The tile shows the picture of content.
    void showCell(PictureView* tile, Cell content);
    void setFrameColor(int x, int y, const QColor& color);

    PictureView* tile(int x, int y) const { return tiles_[x - 1][y - 1]; }
    FrameShape* frame(int x, int y) const { return frames_[x - 1][y - 1]; }

private:
    const PictureView& emptyPicture_;
    const PictureView& preyPicture_;
    const PictureView& hunterPicture_;
    bool built_ = false;
    std::array<std::array<FrameShape*, 6>, 6> frames_{};
    std::array<std::array<PictureView*, 6>, 6> tiles_{};
};
