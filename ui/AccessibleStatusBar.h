#pragma once

#include "AccessibleParts.h"

class StatusBar;

// What assistive technology sees of the status bar: its fields, each named by its label and
// holding the text it shows ("Durchgang" "41").
class AccessibleStatusBar : public AccessibleParts {
public:
    explicit AccessibleStatusBar(StatusBar* bar);

    int partCount() const override;
    QString partText(int index, QAccessible::Text text) const override;
    QRect partRect(int index) const override;

private:
    const StatusBar& bar() const;
};
