#pragma once

#include "TBoardView.h"
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
class ChartView;
class ColorDialog;
class PictureView;
class PrintDialog;
class SpinEdit;
class TStatusBar;
class Timer;
class TrackBar;

// The main window: board, settings, command buttons, status bar and the analysis panel with
// the population chart. It shows the game core's effects (GameView) and turns clicks and
// timer ticks into game steps. Controls carry their layout names as object names.
class TForm1 : public QWidget, public GameView {
public:
    // Builds the whole control tree, then runs FormCreate; an error there is reported and the
    // window is still created.
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Laid-out client size with the analysis panel closed, and the least width when open.
    static constexpr int clientWidth = 413;
    static constexpr int clientHeight = 398;
    static constexpr int openMinWidth = 643;

    GameCore& core() { return core_; }
    const GameCore& core() const { return core_; }
    Timer& Timer1() { return *timer1_; }
    Timer& ctimer() { return *ctimer_; }
    ChartView& diagramm() { return *diagramm_; }
    const TBoardView& board() const { return *board_; }
    bool diazeigen() const { return diazeigen_; }

    // --- handlers, named after the control and its event ---------------------------------
    void FormCreate();
    void neuClick();
    void endeClick();
    void Timer1Timer();
    void diceClick();
    void intClick();
    void simClick();
    void startstopClick(QObject* sender);
    void startxClick(QObject* sender);
    void speedChange();
    void insClick();
    void ctimerTimer();
    void graClick();
    void druckClick();
    void fClick(QObject* sender);
    void PMMonoClick();
    void PMStdClick();
    void PMHunterClick();
    void PMPreyClick();
    void PMBackgroundClick();
    void PMBorderClick();
    void PMDelClick();
    void PMClipClick();

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
    void createSettings(QWidget* bottompanel);
    void createButtonColumn(QWidget* rightpanel);
    void createStatusBar();
    void createAnalysisPanel();
    void createChartMenu();
    void setTabOrder();
    void initvars();
    void clearBoard();
    void applyWidthLimits();
    bool pickColor(QColor& color);

    GameCore core_{*this};
    bool diazeigen_ = false;

    TStatusBar* bar_ = nullptr;
    QGroupBox* dia_ = nullptr;
    ChartView* diagramm_ = nullptr;
    QWidget* leftpanel_ = nullptr;
    QWidget* rightpanel_ = nullptr;
    QGroupBox* spielfeld_ = nullptr;
    PictureView* background_ = nullptr;
    QRadioButton* int_ = nullptr;
    QRadioButton* sim_ = nullptr;
    QPushButton* ins_ = nullptr;
    TrackBar* speed_ = nullptr;
    SpinEdit* insz_ = nullptr;
    QLabel* copyright_ = nullptr;
    QLabel* inslab_ = nullptr;
    PictureView* hunter_ = nullptr;
    PictureView* prey_ = nullptr;
    PictureView* leer_ = nullptr;
    QPushButton* neu_ = nullptr;
    QPushButton* ende_ = nullptr;
    QPushButton* gra_ = nullptr;
    QPushButton* druck_ = nullptr;
    QPushButton* startstop_ = nullptr;
    QPushButton* startx_ = nullptr;
    QPushButton* dice_ = nullptr;
    QLineEdit* hilfe_ = nullptr;
    Timer* timer1_ = nullptr;
    Timer* ctimer_ = nullptr;
    QMenu* diamenu_ = nullptr;
    std::unique_ptr<ColorDialog> CDColor_;
    std::unique_ptr<PrintDialog> PrintDialog_;
    std::unique_ptr<TBoardView> board_;
};
