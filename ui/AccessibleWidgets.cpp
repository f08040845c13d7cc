#include "AccessibleWidgets.h"

#include "AccessibleBoard.h"
#include "AccessibleStatusBar.h"
#include "BoardWidget.h"
#include "StatusBar.h"

namespace {
QAccessibleInterface* accessibleWidget(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("BoardWidget"))
        return new AccessibleBoard(static_cast<BoardWidget*>(object));
    if (className == QLatin1String("StatusBar"))
        return new AccessibleStatusBar(static_cast<StatusBar*>(object));
    return nullptr;
}
}  // namespace

void installAccessibleWidgets()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(accessibleWidget);
        return true;
    }();
}
