#pragma once

#include "ErrorBox.h"

class Beeper;

// The error box the user sees: a QMessageBox for errors and fatal reports, the program's own
// message dialog for refused input. Each runs a nested event loop, so timers keep ticking while
// it is open.
class DialogErrorBox final : public ErrorBox {
public:
    // beeper sounds the message dialog's Ctrl+C; it must outlive the box.
    explicit DialogErrorBox(Beeper& beeper) : beeper_(beeper) {}

    void showCritical(const QString& text, const QString& title, QWidget* owner) override;
    int showMessageDialog(const QString& message) override;

private:
    Beeper& beeper_;
};
