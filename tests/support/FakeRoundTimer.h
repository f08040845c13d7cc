#pragma once

#include "RoundTimer.h"

// A round timer on a clock of the test's own: it records how it is armed, and a test plays its
// ticks by calling the controller's onTick while it is armed. failArming makes every arm fail.
class FakeRoundTimer : public RoundTimer {
public:
    bool armed = false;
    int interval = 0;
    int arms = 0;
    bool failArming = false;

    bool arm(int intervalMs) override
    {
        ++arms;
        interval = intervalMs;
        armed = !failArming;
        return armed;
    }
    void disarm() override { armed = false; }
};
