#include "SystemRoundTimer.h"

#include "ErrorReporting.h"
#include "Exception.h"

SystemRoundTimer::SystemRoundTimer(ErrorBox& errorBox, QObject* parent) : QObject(parent), errorBox_(errorBox)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SystemRoundTimer::ticked);
}

bool SystemRoundTimer::arm(int intervalMs)
{
    if (start(intervalMs))
        return true;
    showErrorBox(errorBox_, OutOfResources(tr("Nicht genügend Timer verfügbar")));
    return false;
}

void SystemRoundTimer::disarm() { timer_.stop(); }

bool SystemRoundTimer::start(int intervalMs)
{
    timer_.start(intervalMs);
    return timer_.isActive();
}
