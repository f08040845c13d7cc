#pragma once

#include "CellPictures.h"
#include "ErrorReporting.h"
#include "GameControls.h"

#include <QWidget>

#include <memory>

class Beeper;
class BoardWidget;
class ChartCommands;
class ChartView;
class ErrorBox;
class GameController;
class PopulationChart;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QTimer;
class RulesWindow;
class SpinEdit;
class StatusBar;

// The main window: board, settings, command buttons, status bar and the analysis panel with
// the population chart. It builds and lays out the controls, shows what the game controller
// tells it (GameControls) and forwards the user's actions; the game's rules live elsewhere.
// Controls carry their member names as object names.
class MainWindow : public QWidget, public GameControls {
    Q_OBJECT
public:
    // Builds the whole control tree, then loads the pictures and clears the board; an error
    // there is reported and the window is still created. The collaborators must outlive the
    // window: errorBox shows its errors and messages, beeper sounds the refusals of its input
    // boxes.
    MainWindow(ErrorBox& errorBox, Beeper& beeper, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Forwards the window's actions to controller, and the chart's menu and print button to
    // chartCommands; both must outlive the window. Call it once, before the window is shown.
    void connectTo(GameController& controller, ChartCommands& chartCommands);

    // Laid-out client size with the analysis panel closed, and the least width when open.
    static constexpr int clientWidth = 413;
    static constexpr int clientHeight = 398;
    static constexpr int openMinWidth = 643;

    PopulationChart& populationChart() { return *populationChart_; }
    ChartView& chart() { return *chart_; }
    BoardWidget& board() { return *board_; }

    // Blanks the credit line, once, two seconds after start-up.
    void hideCredit();

    // Shows the rules of the game in their own window beside this one (the help button and F1);
    // the window is made on first use and stays open, not modal, until it is closed.
    void showRules();
    RulesWindow* rulesWindow() const { return rulesWindow_; }

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
    void createLayout();
    void createSettings(QWidget* bottomPanel);
    void createButtonColumn(QWidget* rightPanel);
    void createStatusBar();
    void createAnalysisPanel();
    void createChartMenu(ChartCommands& commands);
    void setTabOrder();
    void loadPictures();
    void applyWidthLimits();
    // command as a slot: an error it raises goes to the window's error box, never into Qt.
    template <typename Command> auto reporting(Command command) { return ::reporting(errorBox_, command); }

    ErrorBox& errorBox_;
    Beeper& beeper_;
    GameController* controller_ = nullptr;
    bool panelShown_ = false;

    StatusBar* statusBar_ = nullptr;
    QGroupBox* analysisBox_ = nullptr;
    ChartView* chart_ = nullptr;
    QWidget* leftPanel_ = nullptr;
    QWidget* rightPanel_ = nullptr;
    QGroupBox* boardBox_ = nullptr;
    BoardWidget* board_ = nullptr;
    // The pictures as far as they could be loaded; the board gets them only when all four are.
    CellPictures pictures_;
    QRadioButton* interactiveButton_ = nullptr;
    QRadioButton* simulationButton_ = nullptr;
    QPushButton* sprayButton_ = nullptr;
    QSlider* speedBar_ = nullptr;
    SpinEdit* sprayRoundsBox_ = nullptr;
    QLabel* creditLabel_ = nullptr;
    QLabel* sprayLabel_ = nullptr;
    QPushButton* newGameButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    QPushButton* chartButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* startStopButton_ = nullptr;
    QPushButton* runRoundsButton_ = nullptr;
    QPushButton* rollButton_ = nullptr;
    QLineEdit* instructionLine_ = nullptr;
    QLineEdit* gameNumberLine_ = nullptr;
    QPushButton* replayButton_ = nullptr;
    QPushButton* gameByNumberButton_ = nullptr;
    QPushButton* rulesButton_ = nullptr;
    RulesWindow* rulesWindow_ = nullptr;
    QTimer* creditTimer_ = nullptr;
    QMenu* chartMenu_ = nullptr;
    std::unique_ptr<PopulationChart> populationChart_;
};
