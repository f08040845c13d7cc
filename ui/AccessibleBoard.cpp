#include "AccessibleBoard.h"

#include "BoardWidget.h"
#include "GameCore.h"

AccessibleBoard::AccessibleBoard(BoardWidget* board) : AccessibleParts(board, QAccessible::Table, QAccessible::Cell) {}

BoardWidget* AccessibleBoard::board() const { return static_cast<BoardWidget*>(widget()); }

int AccessibleBoard::partCount() const
{
    return board()->hasPictures() ? GameCore::boardSize * GameCore::boardSize : 0;
}

QString AccessibleBoard::partText(int index, QAccessible::Text text) const
{
    if (text != QAccessible::Name)
        return {};
    const Position cell = BoardWidget::cellAtReadingIndex(index);
    switch (board()->cell(cell)) {
    case Cell::Hunter: return tr("Feld %1,%2: Räuber").arg(cell.x).arg(cell.y);
    case Cell::Prey: return tr("Feld %1,%2: Beute").arg(cell.x).arg(cell.y);
    case Cell::Empty: break;
    }
    return tr("Feld %1,%2: leer").arg(cell.x).arg(cell.y);
}

QRect AccessibleBoard::partRect(int index) const { return BoardWidget::tileRect(BoardWidget::cellAtReadingIndex(index)); }

bool AccessibleBoard::isPartFocused(int index) const
{
    return board()->hasFocus() && board()->cursor() == BoardWidget::cellAtReadingIndex(index);
}
