#include "AccessibleStatusBar.h"

#include "StatusBar.h"

namespace {
QAccessibleInterface* statusBarFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("StatusBar") && object && object->isWidgetType())
        return new AccessibleStatusBar(static_cast<StatusBar*>(object));
    return nullptr;
}
}  // namespace

AccessibleStatusBar::AccessibleStatusBar(StatusBar* bar)
    : AccessibleParts(bar, QAccessible::StatusBar, QAccessible::StaticText)
{
}

void AccessibleStatusBar::install()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(statusBarFactory);
        return true;
    }();
}

const StatusBar& AccessibleStatusBar::bar() const { return *static_cast<const StatusBar*>(widget()); }

int AccessibleStatusBar::childIndex(const StatusBar& bar, int panelIndex)
{
    if (bar.panel(panelIndex).name.isEmpty())
        return -1;
    int index = 0;
    for (int i = 0; i < panelIndex; ++i)
        index += bar.panel(i).name.isEmpty() ? 0 : 1;
    return index;
}

int AccessibleStatusBar::panelIndex(int index) const
{
    for (int i = 0; i < bar().panelCount(); ++i)
        if (!bar().panel(i).name.isEmpty() && index-- == 0)
            return i;
    return -1;
}

int AccessibleStatusBar::partCount() const
{
    int count = 0;
    for (int i = 0; i < bar().panelCount(); ++i)
        count += bar().panel(i).name.isEmpty() ? 0 : 1;
    return count;
}

QString AccessibleStatusBar::partText(int index, QAccessible::Text text) const
{
    const int panel = panelIndex(index);
    if (panel < 0)
        return {};
    if (text == QAccessible::Name)
        return bar().panel(panel).name;
    if (text == QAccessible::Value)
        return bar().panel(panel).text;
    return {};
}

QRect AccessibleStatusBar::partRect(int index) const
{
    const int panel = panelIndex(index);
    return panel < 0 ? QRect() : bar().panelRect(panel);
}
