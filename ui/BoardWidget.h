#pragma once

#include "Cell.h"
#include "CellPictures.h"
#include "GameCore.h"
#include "Position.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <array>

// The 6 × 6 board in one widget: the background picture stretched over the whole widget, and
// on it per cell a 41-pixel tile inside a 45-pixel frame, on a 48-pixel pitch starting 8 pixels
// in. Cells are (x, y), 1 to 6, x the column from the left, y the row from the top; positions
// off the board, and contents that are none of the three, are ignored.
// Until it has all four pictures the board draws nothing, takes no focus and ignores clicks
// and keys; what it is told to show is kept all the same.
class BoardWidget : public QWidget {
    Q_OBJECT

public:
    explicit BoardWidget(QWidget* parent = nullptr);

    // The pictures to draw with, taken only when none of the four is null. Set them before the
    // board is placed in a tab order, which Qt makes only of widgets that take focus.
    void setPictures(const CellPictures& pictures);
    bool hasPictures() const { return hasPictures_; }

    // Every tile shows the empty picture, see-through where it has the colour of its
    // bottom-left pixel; every frame is clear (not drawn) and black.
    void reset();
    // From now on every frame is drawn in its colour.
    void setFramesSolid();
    bool framesSolid() const { return framesSolid_; }
    // The tile of cell shows content: empty see-through as after reset(), prey and hunter opaque.
    void showCell(Position cell, Cell content);
    Cell cell(Position cell) const;
    // The frame of cell takes color; a clear frame keeps it for when it is drawn.
    void setFrameColor(Position cell, const QColor& color);
    QColor frameColor(Position cell) const;

    // The cell the keyboard acts on, (1, 1) at first; it is drawn only while the board has focus.
    Position cursor() const { return cursor_; }

    // Where the tile of cell is drawn, in the widget's coordinates; empty off the board.
    static QRect tileRect(Position cell);
    // The cells in reading order, row by row from the top left, as screen readers walk them:
    // cell (x, y) is number (y - 1) * 6 + x - 1.
    static int readingIndex(Position cell);
    static Position cellAtReadingIndex(int index);

signals:
    // A left-button press and release on the same tile, or Space or Enter with the keyboard
    // cursor on it.
    void cellClicked(Position cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static QRect frameRect(Position cell);
    static Position cellAt(QPoint point);
    const QPixmap& tilePixmap(Cell content) const;
    void paintFrame(QPainter& painter, Position cell) const;
    void paintCursor(QPainter& painter) const;
    void moveCursor(int dx, int dy);

    bool hasPictures_ = false;
    QImage background_;
    // Prepared once, so a paint only copies: the background at the widget's size (made anew
    // when the size changes), the empty picture with its key colour left out.
    QPixmap backgroundPixmap_;
    std::array<QPixmap, 3> tilePixmaps_;

    std::array<Cell, GameCore::boardSize * GameCore::boardSize> cells_{};
    std::array<QColor, GameCore::boardSize * GameCore::boardSize> frameColors_{};
    bool framesSolid_ = false;
    Position cursor_{1, 1};
    Position pressed_{};
};
