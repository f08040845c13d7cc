#include "AccessibleBoard.h"

#include "AccessibleCell.h"
#include "BoardWidget.h"

namespace {
QAccessibleInterface* boardFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("BoardWidget") && object && object->isWidgetType())
        return new AccessibleBoard(static_cast<BoardWidget*>(object));
    return nullptr;
}
}  // namespace

AccessibleBoard::AccessibleBoard(BoardWidget* board) : QAccessibleWidget(board, QAccessible::Table) {}

AccessibleBoard::~AccessibleBoard()
{
    for (QAccessible::Id id : childIds_)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

void AccessibleBoard::install()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(boardFactory);
        return true;
    }();
}

int AccessibleBoard::childIndex(Position cell) { return (cell.y - 1) * 6 + cell.x - 1; }

Position AccessibleBoard::cellAt(int index) { return {index % 6 + 1, index / 6 + 1}; }

BoardWidget* AccessibleBoard::board() const { return static_cast<BoardWidget*>(widget()); }

int AccessibleBoard::childCount() const { return board()->hasPictures() ? 36 : 0; }

QAccessibleInterface* AccessibleBoard::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& id = childIds_[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new AccessibleCell(board(), cellAt(index)));
    return QAccessible::accessibleInterface(id);
}

int AccessibleBoard::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < childCount(); ++i) {
        const QAccessible::Id id = childIds_[static_cast<std::size_t>(i)];
        if (id != 0 && QAccessible::accessibleInterface(id) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface* AccessibleBoard::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (child(i)->rect().contains(x, y))
            return child(i);
    return nullptr;
}

QAccessibleInterface* AccessibleBoard::focusChild() const
{
    if (!board()->hasFocus() || childCount() == 0)
        return nullptr;
    return child(childIndex(board()->cursor()));
}
