#pragma once

#include "RoundTimer.h"

#include <QObject>
#include <QTimer>

class ErrorBox;

// The round timer of the desktop program: a precise QTimer whose timeouts arrive as ticked() in
// the GUI thread's event loop, also while a modal dialog runs its own loop. Ticks that fall due
// while the loop is busy merge into one. When the system has no timer left, arm() says so in the
// error box ("Nicht genügend Timer verfügbar.") and returns false.
class SystemRoundTimer : public QObject, public RoundTimer {
    Q_OBJECT
public:
    // errorBox must outlive the timer.
    explicit SystemRoundTimer(ErrorBox& errorBox, QObject* parent = nullptr);

    bool arm(int intervalMs) override;
    void disarm() override;

    bool isArmed() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }

signals:
    void ticked();

protected:
    // Starts the system timer; returns whether it runs. Tests override it to run out of timers.
    virtual bool start(int intervalMs);

private:
    ErrorBox& errorBox_;
    QTimer timer_;
};
