#pragma once

#include "Position.h"

#include <QAccessibleInterface>
#include <QCoreApplication>
#include <QPointer>

class BoardWidget;

// One cell of the board for assistive technology: its name says where it is and what it shows
// ("Feld 3,2: Beute"), its rectangle is its tile's on the screen, and it is focused while the
// board has focus with the keyboard cursor on it.
class AccessibleCell : public QAccessibleInterface {
    Q_DECLARE_TR_FUNCTIONS(AccessibleCell)

public:
    AccessibleCell(BoardWidget* board, Position cell);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QPointer<BoardWidget> board_;
    Position cell_;
};
