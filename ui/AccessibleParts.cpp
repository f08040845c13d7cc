#include "AccessibleParts.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {
// One part, answering from its widget's interface, which it asks anew each time: the widget may
// go away before the cache does.
class AccessiblePart : public QAccessibleInterface {
public:
    AccessiblePart(QWidget* widget, int index, QAccessible::Role role) : widget_(widget), index_(index), role_(role) {}

    bool isValid() const override { return widget_ && owner(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return widget_ ? widget_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(widget_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override { return isValid() ? owner()->partText(index_, t) : QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return role_; }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = owner()->partRect(index_);
        return {widget_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.focusable = widget_->focusPolicy() != Qt::NoFocus;
        state.focused = owner()->isPartFocused(index_);
        state.invisible = !widget_->isVisible();
        return state;
    }

private:
    const AccessibleParts* owner() const
    {
        return dynamic_cast<const AccessibleParts*>(QAccessible::queryAccessibleInterface(widget_));
    }

    QPointer<QWidget> widget_;
    int index_;
    QAccessible::Role role_;
};
}  // namespace

AccessibleParts::AccessibleParts(QWidget* widget, QAccessible::Role role, QAccessible::Role partRole)
    : QAccessibleWidget(widget, role), partRole_(partRole)
{
}

AccessibleParts::~AccessibleParts()
{
    for (QAccessible::Id id : ids_)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

void AccessibleParts::notifyChanged(QWidget* widget, int index, QAccessible::Event event)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent change(widget, event);
    change.setChild(index);
    QAccessible::updateAccessibility(&change);
}

int AccessibleParts::childCount() const { return partCount(); }

QAccessibleInterface* AccessibleParts::child(int index) const
{
    if (index < 0 || index >= partCount())
        return nullptr;
    if (ids_.size() <= static_cast<std::size_t>(index))
        ids_.resize(static_cast<std::size_t>(index) + 1, 0);
    QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new AccessiblePart(widget(), index, partRole_));
    return QAccessible::accessibleInterface(id);
}

int AccessibleParts::indexOfChild(const QAccessibleInterface* child) const
{
    for (std::size_t i = 0; i < ids_.size() && static_cast<int>(i) < partCount(); ++i)
        if (ids_[i] != 0 && QAccessible::accessibleInterface(ids_[i]) == child)
            return static_cast<int>(i);
    return -1;
}

QAccessibleInterface* AccessibleParts::childAt(int x, int y) const
{
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < partCount(); ++i)
        if (partRect(i).contains(at))
            return child(i);
    return nullptr;
}

QAccessibleInterface* AccessibleParts::focusChild() const
{
    for (int i = 0; i < partCount(); ++i)
        if (isPartFocused(i))
            return child(i);
    return nullptr;
}
