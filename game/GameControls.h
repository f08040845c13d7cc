#pragma once

#include "BgrColor.h"
#include "Cell.h"
#include "Choice.h"
#include "Position.h"
#include "Side.h"

#include <QString>

#include <cstdint>
#include <optional>

// The window as the game controller drives it: its controls, its board, its status bar and its
// chart panel. The main window implements it; controller tests implement it with a recorder.
// Every call comes from the controller on the GUI thread, from a handler, a timer tick or a
// game-core view call, and must not call back into the controller. Only askRoundCount may run
// a nested event loop, in which the round timer keeps ticking.
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

    // Every tile shows the empty cell, see-through, every frame clear and black.
    virtual void resetBoard() = 0;
    // From now on every frame is drawn.
    virtual void setFramesSolid() = 0;
    // The tile of cell shows content.
    virtual void showCell(Position cell, Cell content) = 0;
    // The frame of cell takes color.
    virtual void setFrameColor(Position cell, BgrColor color) = 0;
    // The "Insektizid" label.
    virtual void setSprayLabelVisible(bool visible) = 0;

    // Opens or closes the analysis panel: the chart button's caption ("Diagramm <<" while open,
    // "Diagramm >>" while closed), the print button (enabled while open), the panel and the
    // window's width limits.
    virtual void showChartPanel(bool shown) = 0;
    // One point on each curve of the population chart.
    virtual void appendChartPoint(int hunters, int prey) = 0;
    // Removes every point of both curves.
    virtual void clearChart() = 0;

    // Asks for the number of rounds to run ("Rundenvorgabe") and returns the entry as typed;
    // empty when the user cancelled.
    virtual QString askRoundCount() = 0;
    // Tells the user that the entry was no whole number ("Die Eingabe war keine gültige Zahl!").
    virtual void reportInvalidRoundCount() = 0;

    // The number of the game being played, shown for as long as it is played.
    virtual void showGameNumber(std::uint32_t number) = 0;
    // Asks for the number of a game to play, offering suggestion; nothing when cancelled.
    virtual std::optional<QString> askGameNumber(const QString& suggestion) = 0;
    // Tells the user that the entry is no game number.
    virtual void reportInvalidGameNumber() = 0;
};
