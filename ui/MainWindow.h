#pragma once

#include "BoardView.h"
#include "GameCore.h"

#include <QWidget>

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;
class QRadioButton;
class Beeper;
class ChartCommands;
class ChartView;
class ColorDialog;
class ErrorBox;
class PictureView;
class PopulationChart;
class PrintDialog;
class Printer;
class SpinEdit;
class StatusBar;
class Timer;
class TrackBar;

// The main window: board, settings, command buttons, status bar and the analysis panel with
// the population chart. It shows the game core's effects (GameView) and turns clicks and
// timer ticks into game steps. Controls carry their layout names as object names.
class MainWindow : public QWidget, public GameView {
public:
    // Builds the whole control tree, then loads the pictures and clears the board; an error
    // there is reported and the window is still created. The collaborators must outlive the
    // window: errorBox shows its errors, beeper sounds the refusals of its input boxes and the
    // chart prints on printer.
    MainWindow(ErrorBox& errorBox, Beeper& beeper, Printer& printer, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Laid-out client size with the analysis panel closed, and the least width when open.
    static constexpr int clientWidth = 413;
    static constexpr int clientHeight = 398;
    static constexpr int openMinWidth = 643;

    GameCore& core() { return core_; }
    const GameCore& core() const { return core_; }
    Timer& roundTimer() { return *roundTimer_; }
    Timer& creditTimer() { return *creditTimer_; }
    ChartView& chart() { return *chart_; }
    PopulationChart& populationChart() { return *populationChart_; }
    ChartCommands& chartCommands() { return *chartCommands_; }
    const BoardView& board() const { return *board_; }
    bool isChartShown() const { return chartShown_; }

    // --- handlers --------------------------------------------------------------------------
    void onNewGame();
    void onQuit();
    void playTimedRound();
    void onRoll();
    void onInteractive();
    void onSimulation();
    void onStartStop(QObject* sender);
    void onRunRounds(QObject* sender);
    void onSpeedChanged();
    void onSpray();
    void hideCredit();
    void onToggleChart();
    void onTileClicked(QObject* sender);

    // --- GameView ---------------------------------------------------------------------
    void boardChanged() override;
    void cellRolled(Position cell) override;
    void showSide(Side side) override;
    void showInstruction(Choice choice) override;
    void setRollEnabled(bool enabled) override;
    void setFrameColor(Position cell, BgrColor color) override;
    void setSprayLabelVisible(bool visible) override;
    void addChartPoint(int hunters, int prey) override;

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    void createLayout();
    void createSettings(QWidget* bottomPanel);
    void createButtonColumn(QWidget* rightPanel);
    void createStatusBar();
    void createAnalysisPanel();
    void createChartMenu();
    void setTabOrder();
    void loadPictures();
    void clearBoard();
    void applyWidthLimits();

    ErrorBox& errorBox_;
    Beeper& beeper_;
    Printer& printer_;
    GameCore core_{*this};
    bool chartShown_ = false;

    StatusBar* statusBar_ = nullptr;
    QGroupBox* analysisBox_ = nullptr;
    ChartView* chart_ = nullptr;
    QWidget* leftPanel_ = nullptr;
    QWidget* rightPanel_ = nullptr;
    QGroupBox* boardBox_ = nullptr;
    PictureView* backgroundPicture_ = nullptr;
    QRadioButton* interactiveButton_ = nullptr;
    QRadioButton* simulationButton_ = nullptr;
    QPushButton* sprayButton_ = nullptr;
    TrackBar* speedBar_ = nullptr;
    SpinEdit* sprayRoundsBox_ = nullptr;
    QLabel* creditLabel_ = nullptr;
    QLabel* sprayLabel_ = nullptr;
    PictureView* hunterPicture_ = nullptr;
    PictureView* preyPicture_ = nullptr;
    PictureView* emptyPicture_ = nullptr;
    QPushButton* newGameButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    QPushButton* chartButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* startStopButton_ = nullptr;
    QPushButton* runRoundsButton_ = nullptr;
    QPushButton* rollButton_ = nullptr;
    QLineEdit* instructionLine_ = nullptr;
    Timer* roundTimer_ = nullptr;
    Timer* creditTimer_ = nullptr;
    QMenu* chartMenu_ = nullptr;
    std::unique_ptr<PopulationChart> populationChart_;
    std::unique_ptr<ColorDialog> colorDialog_;
    std::unique_ptr<PrintDialog> printDialog_;
    std::unique_ptr<ChartCommands> chartCommands_;
    std::unique_ptr<BoardView> board_;
};
