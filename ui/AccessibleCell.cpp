#include "AccessibleCell.h"

#include "BoardWidget.h"

#include <QWindow>

AccessibleCell::AccessibleCell(BoardWidget* board, Position cell) : board_(board), cell_(cell) {}

bool AccessibleCell::isValid() const { return board_; }

QObject* AccessibleCell::object() const { return nullptr; }

QWindow* AccessibleCell::window() const { return board_ ? board_->window()->windowHandle() : nullptr; }

QAccessibleInterface* AccessibleCell::childAt(int, int) const { return nullptr; }

QAccessibleInterface* AccessibleCell::parent() const { return QAccessible::queryAccessibleInterface(board_); }

QAccessibleInterface* AccessibleCell::child(int) const { return nullptr; }

int AccessibleCell::childCount() const { return 0; }

int AccessibleCell::indexOfChild(const QAccessibleInterface*) const { return -1; }

QString AccessibleCell::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !board_)
        return {};
    switch (board_->cell(cell_)) {
    case Cell::Hunter: return tr("Feld %1,%2: Räuber").arg(cell_.x).arg(cell_.y);
    case Cell::Prey: return tr("Feld %1,%2: Beute").arg(cell_.x).arg(cell_.y);
    case Cell::Empty: break;
    }
    return tr("Feld %1,%2: leer").arg(cell_.x).arg(cell_.y);
}

void AccessibleCell::setText(QAccessible::Text, const QString&) {}

QRect AccessibleCell::rect() const
{
    if (!board_)
        return {};
    const QRect tile = BoardWidget::tileRect(cell_);
    return {board_->mapToGlobal(tile.topLeft()), tile.size()};
}

QAccessible::Role AccessibleCell::role() const { return QAccessible::Cell; }

QAccessible::State AccessibleCell::state() const
{
    QAccessible::State state;
    if (!board_)
        return state;
    state.focusable = board_->focusPolicy() != Qt::NoFocus;
    state.focused = board_->hasFocus() && board_->cursor() == cell_;
    state.invisible = !board_->isVisible();
    return state;
}
