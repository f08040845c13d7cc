#pragma once

#include <QAccessibleWidget>

#include <vector>

// What assistive technology sees of a widget that paints several things of its own, such as the
// board's cells or the status bar's fields: the widget with one child per part. A subclass says
// how many parts there are and gives each its texts, its rectangle and whether it has the focus;
// the children are made on first use and kept in Qt's accessibility cache.
class AccessibleParts : public QAccessibleWidget {
public:
    AccessibleParts(QWidget* widget, QAccessible::Role role, QAccessible::Role partRole);
    ~AccessibleParts() override;

    virtual int partCount() const = 0;
    // The part's name and value, in the program's language.
    virtual QString partText(int index, QAccessible::Text text) const = 0;
    // In the widget's coordinates.
    virtual QRect partRect(int index) const = 0;
    virtual bool isPartFocused(int) const { return false; }

    // Tells assistive technology that the part's name or value changed.
    static void notifyChanged(QWidget* widget, int index, QAccessible::Event event);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    QAccessible::Role partRole_;
    mutable std::vector<QAccessible::Id> ids_;
};
