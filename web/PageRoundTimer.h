#pragma once

#include "RoundTimer.h"

#include <emscripten/val.h>

// The round timer carried out by the page: arm and disarm go to the methods of the same name
// on a JavaScript object, whose timer calls GameController::onTick.
class PageRoundTimer : public RoundTimer {
public:
    explicit PageRoundTimer(emscripten::val timer) : timer_(std::move(timer)) {}

    bool arm(int intervalMs) override { return timer_.call<bool>("arm", intervalMs); }
    void disarm() override { timer_.call<void>("disarm"); }

private:
    emscripten::val timer_;
};
