#pragma once

#include "GameController.h"

#include <ostream>

// The controls the game controller decides, as its table lists them for each phase of a game:
// enabled or not, the start/stop caption ("Stop" while running), whether the instruction line
// is shown and whether the round timer runs. "Nochmal" comes on with the first game.
struct ControlStates {
    bool chartButton, simulation, interactive, spray, speed, startStop, runRounds, roll, replay;
    bool running, instructionShown, timer;
    bool operator==(const ControlStates&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const ControlStates& s)
{
    return os << "chart " << s.chartButton << " sim " << s.simulation << " int " << s.interactive << " spray "
              << s.spray << " speed " << s.speed << " start/stop " << s.startStop << " rounds " << s.runRounds
              << " roll " << s.roll << " replay " << s.replay << " running " << s.running << " instruction " << s.instructionShown
              << " timer " << s.timer;
}

inline ControlStates expectedControls(GameController::Phase phase)
{
    using P = GameController::Phase;
    switch (phase) {
    case P::BeforeFirstGame: return {false, false, false, false, false, false, false, false, false, false, true, false};
    case P::SimulationStopped: return {true, true, true, true, true, true, true, false, true, false, false, false};
    case P::SimulationRunning: return {true, true, false, true, true, true, true, false, true, true, false, true};
    case P::InteractiveReady: return {true, true, true, true, false, false, false, true, true, false, true, false};
    case P::ChoicePending: return {true, true, true, true, false, false, false, false, true, false, true, false};
    }
    return {};
}
