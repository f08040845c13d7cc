#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class ErrorBox;

// A repeating timer that is armed exactly when it is enabled, its interval is above 0 and a tick
// handler is set. Setting Enabled or Interval to the value it has does nothing; any real change,
// and every setTickHandler, disarms it and arms it anew, so the next tick comes one whole interval
// later. A new timer is enabled with 1000 ms. An error thrown by the handler is reported into the
// timer's error box and the timer stays armed.
class Timer : public QObject {
    Q_OBJECT
public:
    // errorBox must outlive the timer.
    explicit Timer(ErrorBox& errorBox, QObject* parent = nullptr);

    bool isEnabled() const { return enabled_; }
    // Throws OutOfResources("Nicht genügend Timer verfügbar") when arming fails; the new value
    // stays, and no ticks come until a later change arms the timer.
    void setEnabled(bool enabled);
    int interval() const { return interval_; }
    // In milliseconds. Throws like setEnabled when arming fails.
    void setInterval(int ms);
    // Throws like setEnabled when arming fails.
    void setTickHandler(std::function<void()> handler);

    bool isArmed() const { return timer_.isActive(); }
    // Milliseconds until the next tick; -1 while not armed.
    int remainingTime() const { return timer_.remainingTime(); }

protected:
    // Starts the system timer with ms; returns whether it runs. Tests override it to fail.
    virtual bool arm(int ms);

private:
    void update();
    void tick();

    ErrorBox& errorBox_;
    QTimer timer_;
    bool enabled_ = true;
    int interval_ = 1000;
    std::function<void()> tickHandler_;
};
