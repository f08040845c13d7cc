#pragma once

#include "GameControls.h"
#include "GameCore.h"
#include "Timer.h"

#include <QObject>

#include <cstdint>
#include <optional>

// Turns the user's actions and the round timer's ticks into game steps. It owns the game core
// and the round timer, shows the core's effects through the window's GameControls, and holds
// the state of the run: the mode, whether the simulation runs, the round limit of a run, and
// whether the analysis panel is open. The timer runs exactly while the simulation runs, and
// while it runs "Interaktiv" cannot be chosen.
class ErrorBox;

class GameController : public QObject, private GameView {
    Q_OBJECT

public:
    // The five situations of the window, each with its own set of enabled controls.
    enum class Phase { BeforeFirstGame, SimulationStopped, SimulationRunning, InteractiveReady, ChoicePending };

    // Seeds the game's generator from the clock. controls and errorBox, which shows the errors
    // of a timer tick, must outlive the controller.
    GameController(GameControls& controls, ErrorBox& errorBox, QObject* parent = nullptr);

    GameCore& core() { return core_; }
    const GameCore& core() const { return core_; }
    Timer& roundTimer() { return roundTimer_; }
    const Timer& roundTimer() const { return roundTimer_; }

    Phase phase() const;
    Mode mode() const { return mode_; }
    bool isRunning() const { return running_; }
    bool isChartShown() const { return chartShown_; }
    // The number of the game in play: the generator's state when it started. Nothing before
    // the first game.
    std::optional<std::uint32_t> gameNumber() const { return gameNumber_; }

    // --- handlers ------------------------------------------------------------------------
    // "Neu": a new game, in the mode that is chosen.
    void onNewGame();
    // "Nochmal": the game in play again from its start, otherwise as "Neu".
    void onReplayGame();
    // "Nr. …": asks for a game's number and starts that game, otherwise as "Neu".
    void onGameByNumber();
    // "Würfeln": one interactive round.
    void onRoll();
    // The mode buttons, each when it becomes the chosen one.
    void onInteractive();
    void onSimulation();
    // "Start"/"Stop": starts a run without a limit, or stops the run.
    void onStartStop();
    // The small button beside it: asks for a number of rounds and runs exactly that many more,
    // whether or not a run is going on.
    void onRunRounds();
    // A tick of the round timer: one automatic round, or the end of a run at its limit.
    void playTimedRound();
    // The speed bar at position (1 to 1000): the timer ticks every 1001 - position ms.
    void onSpeedChanged(int position);
    // "Insektizid": spraying in each of the next rounds, replacing any rounds left.
    void onSpray(int rounds);
    // A click on the tile of cell: settles a pending choice if the cell suits it.
    void onTileClicked(Position cell);
    // "Diagramm >>" / "Diagramm <<": opens or closes the analysis panel.
    void onToggleChart();

private:
    void startRun(bool keepLimit);
    void stopRun();
    void enterMode(Mode mode);

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
    GameCore core_{*this};
    Timer roundTimer_;
    bool started_ = false;
    Mode mode_ = Mode::Automatic;
    bool running_ = false;
    bool chartShown_ = false;
    std::optional<std::uint32_t> gameNumber_;
};
