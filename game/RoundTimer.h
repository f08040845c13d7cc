#pragma once

// The clock of a simulation run. The game controller arms it when a run starts and when the
// speed changes during a run, and disarms it when the run stops; between the two, the front end
// calls GameController::onTick() once per interval, on the thread that drives the controller.
// The desktop implements it over QTimer, the browser with the page's timer, tests with a fake
// clock.
class RoundTimer {
public:
    virtual ~RoundTimer() = default;

    // Ticks every intervalMs milliseconds (at least 1) from now on, replacing any earlier
    // arming: the next tick comes one whole interval after the call. Returns false when no tick
    // will come, after the implementer has told the user why.
    virtual bool arm(int intervalMs) = 0;
    // No more ticks until the next arm.
    virtual void disarm() = 0;
};
