#pragma once

#include "AccessibleParts.h"

#include <QCoreApplication>

class BoardWidget;

// What assistive technology sees of the board: a table of 36 cells in reading order, each named
// after its place and what it shows ("Feld 3,2: Beute"); none while the board has no pictures.
// While the board has focus, the cell under the keyboard cursor is focused.
class AccessibleBoard : public AccessibleParts {
    Q_DECLARE_TR_FUNCTIONS(AccessibleBoard)
public:
    explicit AccessibleBoard(BoardWidget* board);

    int partCount() const override;
    QString partText(int index, QAccessible::Text text) const override;
    QRect partRect(int index) const override;
    bool isPartFocused(int index) const override;

private:
    BoardWidget* board() const;
};
