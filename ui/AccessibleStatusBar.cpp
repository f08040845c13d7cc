#include "AccessibleStatusBar.h"

#include "StatusBar.h"

AccessibleStatusBar::AccessibleStatusBar(StatusBar* bar)
    : AccessibleParts(bar, QAccessible::StatusBar, QAccessible::StaticText)
{
}

const StatusBar& AccessibleStatusBar::bar() const { return *static_cast<const StatusBar*>(widget()); }

int AccessibleStatusBar::partCount() const { return bar().fieldCount(); }

QString AccessibleStatusBar::partText(int index, QAccessible::Text text) const
{
    const int panel = bar().panelOfField(index);
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
    const int panel = bar().panelOfField(index);
    return panel < 0 ? QRect() : bar().panelRect(panel);
}
