#pragma once

#include "CellPictures.h"
#include "ErrorReporting.h"
#include "GameControls.h"

#include <QWidget>

#include <memory>

class Beeper;
class ChartCommands;
class ChartView;
class ErrorBox;
class GameController;
class PopulationChart;
class QMenu;
class RulesWindow;
class SaveFileChooser;
class SeriesWindow;
namespace Ui {
class MainWindow;
}

// The main window: board, settings, command buttons, status bar and the analysis panel with
// the population chart, laid out by its form (MainWindow.ui). It shows what the game controller
// tells it (GameControls) and forwards the user's actions; the game's rules live elsewhere.
// Controls carry their member names as object names.
class MainWindow : public QWidget, public GameControls {
    Q_OBJECT
public:
    // The collaborators must outlive the window: errorBox shows its errors and messages, beeper
    // sounds the refusals of its input boxes.
    MainWindow(ErrorBox& errorBox, Beeper& beeper, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up steps after the pictures were read: with all four, the board shows them,
    // every cell empty, and the chart's plot turns white. Without all four (a picture could not
    // be read and its error was reported) these steps are skipped and the window opens without
    // a board; the rules show what pictures there are.
    void finishStartUp(const CellPictures& pictures);

    // Forwards the window's actions to controller, and the chart's menu and print button to
    // chartCommands; the series window saves through saveChooser. All must outlive the window.
    // Call it once, before the window is shown.
    void connectTo(GameController& controller, ChartCommands& chartCommands, SaveFileChooser& saveChooser);

    // Laid-out client size with the analysis panel closed, and the least width when open.
    static constexpr int clientWidth = 413;
    static constexpr int clientHeight = 398;
    static constexpr int openMinWidth = 643;

    PopulationChart& populationChart() { return *populationChart_; }
    ChartView& chart();

    // Blanks the credit line, once, two seconds after start-up.
    void hideCredit();

    // Shows the rules of the game in their own window beside this one (the help button and F1);
    // the window is made on first use and stays open, not modal, until it is closed.
    void showRules();
    RulesWindow* rulesWindow() const { return rulesWindow_; }
    // Opens the "Versuchsreihe" window in the same way, offering the number of the game in play
    // as the series' first; after connectTo.
    void showSeries();
    SeriesWindow* seriesWindow() const { return seriesWindow_; }

    // --- GameControls ------------------------------------------------------------------
    void setControlEnabled(Control control, bool enabled) override;
    void showRunning(bool running) override;
    void setInstructionVisible(bool visible) override;
    void showInstruction(Choice choice) override;
    void showCounts(int round, int hunters, int prey) override;
    void showSide(Side side) override;
    void resetBoard() override;
    void setFramesSolid() override;
    void showCell(Position cell, Cell content) override;
    void setFrameColor(Position cell, BgrColor color) override;
    void setSprayLabelVisible(bool visible) override;
    void showChartPanel(bool shown) override;
    void appendChartPoint(int hunters, int prey) override;
    void clearChart() override;
    void askRoundCount() override;
    void reportInvalidRoundCount() override;
    void showGameNumber(std::uint32_t number) override;
    void askGameNumber(std::optional<std::uint32_t> suggestion) override;
    void reportInvalidGameNumber() override;

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    void setUpFonts();
    void setUpStatusBar();
    void createChartMenu(ChartCommands& commands);
    void applyWidthLimits();
    // command as a slot: an error it raises goes to the window's error box, never into Qt.
    template <typename Command> auto reporting(Command command) { return ::reporting(errorBox_, command); }

    std::unique_ptr<Ui::MainWindow> ui_;
    ErrorBox& errorBox_;
    GameController* controller_ = nullptr;
    bool panelShown_ = false;
    CellPictures pictures_;
    QMenu* chartMenu_ = nullptr;
    RulesWindow* rulesWindow_ = nullptr;
    SaveFileChooser* saveChooser_ = nullptr;
    SeriesWindow* seriesWindow_ = nullptr;
    std::unique_ptr<PopulationChart> populationChart_;
};
