#include "Timer.h"

#include "ErrorReporting.h"
#include "Exception.h"

#include <QCoreApplication>

Timer::Timer(ErrorBox& errorBox, QObject* parent) : QObject(parent), errorBox_(errorBox)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    update();
}

void Timer::setInterval(int ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    update();
}

void Timer::setTickHandler(std::function<void()> handler)
{
    tickHandler_ = std::move(handler);
    update();
}

bool Timer::arm(int ms)
{
    timer_.start(ms);
    return timer_.isActive();
}

void Timer::update()
{
    timer_.stop();
    if (enabled_ && interval_ > 0 && tickHandler_ && !arm(interval_))
        throw OutOfResources(QCoreApplication::translate("Timer", "Nicht genügend Timer verfügbar"));
}

void Timer::tick() { callReporting(errorBox_, tickHandler_); }
