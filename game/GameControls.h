#pragma once

#include "BgrColor.h"
#include "Cell.h"
#include "Choice.h"
#include "Position.h"
#include "Side.h"

#include <cstdint>
#include <optional>

// The front end as the game controller drives it: its controls, its board, its status bar and
// its chart panel. The desktop window and the browser page implement it; controller tests
// implement it with a recorder. Every text the user reads is the front end's: the controller
// hands over values (a Side, a Choice, a count), never words.
//
// Every call comes from the controller, from one of its handlers or from a game-core view call,
// and must not call back into it, with one exception: the two questions, askRoundCount and
// askGameNumber, are answered through the controller's onRoundCountEntered and
// onGameNumberEntered, either from within the call (a modal dialog, in whose event loop the round
// timer keeps ticking) or later (a page's dialog). Until the answer comes, the game goes on.
class GameControls {
public:
    // The controls whose enabled state the controller decides.
    enum class Control {
        ChartButton,
        SimulationButton,
        InteractiveButton,
        SprayButton,
        SpeedBar,
        StartStopButton,
        RunRoundsButton,
        RollButton,
        ReplayButton,
    };

    virtual ~GameControls() = default;

    // Enables or disables one control.
    virtual void setControlEnabled(Control control, bool enabled) = 0;
    // The start/stop button's caption: "Stop" while the simulation runs, "Start" otherwise.
    virtual void showRunning(bool running) = 0;

    // Shows or hides the instruction line; its text stays as it is.
    virtual void setInstructionVisible(bool visible) = 0;
    // The instruction line's text: "Beute plazieren", "Räuber stirbt", or empty for None.
    virtual void showInstruction(Choice choice) = 0;

    // The status bar's round and counters.
    virtual void showCounts(int round, int hunters, int prey) = 0;
    // The status bar's side of the latest round: "Räuber" or "Beute".
    virtual void showSide(Side side) = 0;

    // Every cell shows the empty picture, see-through; every frame is clear and black.
    virtual void resetBoard() = 0;
    // From now on every frame is drawn.
    virtual void setFramesSolid() = 0;
    // The cell shows content.
    virtual void showCell(Position cell, Cell content) = 0;
    // The frame of cell takes color.
    virtual void setFrameColor(Position cell, BgrColor color) = 0;
    // The "Insektizid" label.
    virtual void setSprayLabelVisible(bool visible) = 0;

    // Opens or closes the analysis panel: the chart button's caption ("Diagramm <<" while open,
    // "Diagramm >>" while closed), the print button (enabled while open) and the panel.
    virtual void showChartPanel(bool shown) = 0;
    // One point on each curve of the population chart.
    virtual void appendChartPoint(int hunters, int prey) = 0;
    // Removes every point of both curves.
    virtual void clearChart() = 0;

    // Asks for the number of rounds to run ("Rundenvorgabe"). The entry as typed goes to
    // GameController::onRoundCountEntered, an empty one when the user cancels.
    virtual void askRoundCount() = 0;
    // Tells the user that the entry was no whole number ("Die Eingabe war keine gültige Zahl!").
    virtual void reportInvalidRoundCount() = 0;

    // The number of the game being played, shown for as long as it is played.
    virtual void showGameNumber(std::uint32_t number) = 0;
    // Asks for the number of a game to play, offering suggestion (nothing before the first
    // game). The entry goes to GameController::onGameNumberEntered, nothing when the user
    // cancels.
    virtual void askGameNumber(std::optional<std::uint32_t> suggestion) = 0;
    // Tells the user that the entry is no game number.
    virtual void reportInvalidGameNumber() = 0;
};
