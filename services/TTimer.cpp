#include "TTimer.h"

#include "ErrorReporting.h"
#include "Exception.h"

TTimer::TTimer(QObject* parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TTimer::tick);
}

void TTimer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    update();
}

void TTimer::setInterval(int ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    update();
}

void TTimer::setOnTimer(std::function<void()> handler)
{
    onTimer_ = std::move(handler);
    update();
}

bool TTimer::arm(int ms)
{
    timer_.start(ms);
    return timer_.isActive();
}

void TTimer::update()
{
    timer_.stop();
    if (enabled_ && interval_ > 0 && onTimer_ && !arm(interval_))
        throw EOutOfResources(QStringLiteral("Nicht genügend Timer verfügbar"));
}

void TTimer::tick() { callReporting(onTimer_); }
