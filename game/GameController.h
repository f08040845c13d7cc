#pragma once

#include "GameControls.h"
#include "GameCore.h"
#include "PopulationHistory.h"

#include <cstdint>
#include <optional>
#include <string>

class RoundTimer;

// Turns the user's actions and the round timer's ticks into game steps. It owns the game core,
// shows the core's effects through the front end's GameControls, and holds the state of the
// session: the mode, whether the simulation runs, the round limit of a run, the timer's
// interval, whether the analysis panel is open and the chart's points. The timer is armed
// exactly while the simulation runs, and while it runs "Interaktiv" cannot be chosen.
// Standard C++ only: the desktop and the browser drive the same controller, on one thread.
class GameController : private GameView {
public:
    // The five situations of the window, each with its own set of enabled controls.
    enum class Phase { BeforeFirstGame, SimulationStopped, SimulationRunning, InteractiveReady, ChoicePending };

    // The interval the speed bar's start position gives.
    static constexpr int startInterval = 500;

    // Seeds the game's generator from the clock. controls and roundTimer must outlive the
    // controller.
    GameController(GameControls& controls, RoundTimer& roundTimer);

    GameCore& core() { return core_; }
    const GameCore& core() const { return core_; }

    Phase phase() const;
    Mode mode() const { return mode_; }
    bool isRunning() const { return running_; }
    bool isChartShown() const { return chartShown_; }
    // Milliseconds between two rounds of a run.
    int roundInterval() const { return interval_; }
    // Whether the round timer should tick: exactly while the simulation runs.
    bool isTimerEnabled() const { return timerEnabled_; }
    // The number of the game in play: the generator's state when it started. Nothing before
    // the first game.
    std::optional<std::uint32_t> gameNumber() const { return gameNumber_; }
    // The chart's points with their rounds, since the last new game or clearing.
    const PopulationHistory& chartHistory() const { return history_; }

    // The chart's points as CSV (see writePopulationCsv), ending with the counts of this moment.
    bool writeChartCsv(const CsvFormat& format, const std::function<bool(std::string_view)>& write) const;

    // --- handlers ------------------------------------------------------------------------
    // "Neu": a new game, in the mode that is chosen.
    void onNewGame();
    // "Nochmal": the game in play again from its start, otherwise as "Neu".
    void onReplayGame();
    // "Nr. …": asks for a game's number; onGameNumberEntered takes the answer.
    void onGameByNumber();
    // The answer to "Nr. …": starts that game, otherwise as "Neu"; nothing when cancelled.
    void onGameNumberEntered(const std::optional<std::string>& entry);
    // "Würfeln": one interactive round.
    void onRoll();
    // The mode buttons, each when it becomes the chosen one.
    void onInteractive();
    void onSimulation();
    // "Start"/"Stop": starts a run without a limit, or stops the run.
    void onStartStop();
    // The small button beside it: asks for a number of rounds; onRoundCountEntered takes it.
    void onRunRounds();
    // The answer: runs exactly that many more rounds from the round of this moment, whether or
    // not a run is going on; an entry that is no whole number is refused and changes nothing.
    void onRoundCountEntered(const std::string& entry);
    // A tick of the round timer: one automatic round, or the end of a run at its limit.
    void onTick();
    // The speed bar at position (1 to 1000): the timer ticks every 1001 - position ms.
    void onSpeedChanged(int position);
    // "Insektizid": spraying in each of the next rounds, replacing any rounds left.
    void onSpray(int rounds);
    // A click on a cell: settles a pending choice if the cell suits it.
    void onCellClicked(Position cell);
    // "Diagramm >>" / "Diagramm <<": opens or closes the analysis panel.
    void onToggleChart();
    // "Daten Löschen": removes the chart's points.
    void onClearChart();

private:
    void startRun(bool keepLimit);
    void stopRun();
    void enterMode(Mode mode);
    void startGame(std::uint32_t number);
    // Arms or disarms the round timer when enabled changes; false when arming failed.
    bool setTimerEnabled(bool enabled);

    // --- GameView ----------------------------------------------------------------------
    void boardChanged() override;
    void cellRolled(Position cell) override;
    void showSide(Side side) override;
    void showInstruction(Choice choice) override;
    void setRollEnabled(bool enabled) override;
    void setFrameColor(Position cell, BgrColor color) override;
    void setSprayLabelVisible(bool visible) override;
    void addChartPoint(int hunters, int prey) override;

    GameControls& controls_;
    RoundTimer& roundTimer_;
    GameCore core_{*this};
    bool started_ = false;
    Mode mode_ = Mode::Automatic;
    bool running_ = false;
    int interval_ = startInterval;
    bool timerEnabled_ = false;  // stays on when arming fails, as the run does
    bool chartShown_ = false;
    bool roundCountAsked_ = false;
    bool gameNumberAsked_ = false;
    std::optional<std::uint32_t> gameNumber_;
    PopulationHistory history_;
};
