#include "AccessibleBoard.h"

#include "BoardWidget.h"
#include "GameCore.h"

namespace {
constexpr int side = GameCore::boardSize;

QAccessibleInterface* boardFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("BoardWidget") && object && object->isWidgetType())
        return new AccessibleBoard(static_cast<BoardWidget*>(object));
    return nullptr;
}
}  // namespace

AccessibleBoard::AccessibleBoard(BoardWidget* board) : AccessibleParts(board, QAccessible::Table, QAccessible::Cell) {}

void AccessibleBoard::install()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(boardFactory);
        return true;
    }();
}

int AccessibleBoard::childIndex(Position cell) { return (cell.y - 1) * side + cell.x - 1; }

Position AccessibleBoard::cellAt(int index) { return {index % side + 1, index / side + 1}; }

BoardWidget* AccessibleBoard::board() const { return static_cast<BoardWidget*>(widget()); }

int AccessibleBoard::partCount() const { return board()->hasPictures() ? side * side : 0; }

QString AccessibleBoard::partText(int index, QAccessible::Text text) const
{
    if (text != QAccessible::Name)
        return {};
    const Position cell = cellAt(index);
    switch (board()->cell(cell)) {
    case Cell::Hunter: return tr("Feld %1,%2: Räuber").arg(cell.x).arg(cell.y);
    case Cell::Prey: return tr("Feld %1,%2: Beute").arg(cell.x).arg(cell.y);
    case Cell::Empty: break;
    }
    return tr("Feld %1,%2: leer").arg(cell.x).arg(cell.y);
}

QRect AccessibleBoard::partRect(int index) const { return BoardWidget::tileRect(cellAt(index)); }

bool AccessibleBoard::isPartFocused(int index) const
{
    return board()->hasFocus() && board()->cursor() == cellAt(index);
}
