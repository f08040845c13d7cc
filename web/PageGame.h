#pragma once

#include "GameController.h"
#include "PageControls.h"
#include "PageRoundTimer.h"

// The page's game: the controller with the page's controls and timer, which it owns for as long
// as the page lives.
class PageGame {
public:
    PageGame(emscripten::val controls, emscripten::val timer)
        : controls_(std::move(controls)), timer_(std::move(timer))
    {
    }
    PageGame(const PageGame&) = delete;
    PageGame& operator=(const PageGame&) = delete;

    GameController* controller() { return &controller_; }

private:
    PageControls controls_;
    PageRoundTimer timer_;
    GameController controller_{controls_, timer_};
};
