#pragma once

#include "GameController.h"

#include <array>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>

// The controls the game controller decides, as its table lists them for each phase of a game:
// enabled or not, the start/stop caption ("Stop" while running), whether the instruction line
// is shown and whether the round timer runs. The table is control-states.tsv beside this file,
// which the browser's tests read too.
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
    static const std::map<std::string, ControlStates> table = [] {
        std::ifstream file(QUORVEL_CONTROL_STATES);
        if (!file)
            throw std::runtime_error("cannot read " QUORVEL_CONTROL_STATES);
        std::map<std::string, ControlStates> rows;
        std::string line;
        while (std::getline(file, line)) {
            if (line.empty() || line[0] == '#' || line.starts_with("phase"))
                continue;
            std::istringstream fields(line);
            std::string name;
            std::array<int, 12> v{};
            fields >> name;
            for (int& value : v)
                fields >> value;
            rows[name] = {v[0] != 0, v[1] != 0, v[2] != 0, v[3] != 0, v[4] != 0,  v[5] != 0,
                          v[6] != 0, v[7] != 0, v[8] != 0, v[9] != 0, v[10] != 0, v[11] != 0};
        }
        return rows;
    }();
    using P = GameController::Phase;
    static const std::map<P, std::string> names = {{P::BeforeFirstGame, "BeforeFirstGame"},
                                                   {P::SimulationStopped, "SimulationStopped"},
                                                   {P::SimulationRunning, "SimulationRunning"},
                                                   {P::InteractiveReady, "InteractiveReady"},
                                                   {P::ChoicePending, "ChoicePending"}};
    return table.at(names.at(phase));
}
