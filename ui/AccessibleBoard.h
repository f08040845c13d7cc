#pragma once

#include "Position.h"

#include <QAccessibleWidget>

#include <array>

class BoardWidget;

// What assistive technology sees of the board: a table of 36 cells, row by row from the top
// left, each named after its place and what it shows; none while the board has no pictures.
// While the board has focus, the cell under the keyboard cursor is the focused child.
class AccessibleBoard : public QAccessibleWidget {
public:
    explicit AccessibleBoard(BoardWidget* board);
    ~AccessibleBoard() override;

    // Makes every BoardWidget answer with this interface; safe to call again.
    static void install();

    // The child index of cell, and the cell of a child index.
    static int childIndex(Position cell);
    static Position cellAt(int index);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    BoardWidget* board() const;

    // Made on first use and owned by Qt's accessibility cache under these ids.
    mutable std::array<QAccessible::Id, 36> childIds_{};
};
