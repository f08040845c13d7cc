#pragma once

#include "GameController.h"
#include "MainWindow.h"

#include <QColor>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class BoardWidget;
class RecordingErrorBox;
class SpinEdit;
class StatusBar;
class SystemRoundTimer;

#include <array>
#include <cstdint>
#include <deque>
#include <random>
#include <sstream>
#include <string>

// Plays the real main window like a restless user: rounds by timer tick and by "Würfeln",
// starts, stops and round counts, insecticide with random spin values, mode switches (also
// with a decision pending), "Neu", speed and chart toggles, valid and invalid tile clicks and
// clicks on disabled controls. After every action it compares every control with the
// controller's table for the controller's phase, and the status bar, the tiles, the frames and
// the chart with the game core. The timer is never waited for: a simulation round is one direct
// call of the controller's tick.
class SoakDriver {
public:
    enum class Mode { simulation, interactive };

    // home is the mode the driver mostly plays in; it visits the other one now and then. errors
    // is the window's error box; the driver takes the messages it expects from it.
    SoakDriver(MainWindow& form, GameController& controller, const SystemRoundTimer& timer, RecordingErrorBox& errors,
               std::uint32_t seed, Mode home);

    // One random action and the checks after it; returns what is wrong, empty when all holds.
    std::string step();

    // Rounds played so far in a mode (simulation rounds are timer rounds).
    long long rounds(Mode mode) const { return rounds_[static_cast<int>(mode)]; }
    // The last actions, oldest first, for a failure report.
    std::string recentActions() const;

private:
    using Board = std::array<std::array<Cell, 7>, 7>;
    struct Snapshot {
        Board cells{};
        int hunters = 0, prey = 0, round = 0, markX = 0, markY = 0;
        Choice choice = Choice::None;
        bool sprayMarksShown = false;
        std::array<Position, 6> spray{};
        bool sameGame(const Snapshot& o) const;
    };
    // What an action lets the game do.
    enum class Rounds { none, one, any };
    struct Expectation {
        Rounds rounds = Rounds::none;
        bool automatic = true;
        bool gameUntouched = true;  // no round, no cell, no decision changes
        bool newGame = false;
        bool dropsDecision = false;  // only the pending decision goes
        int settledX = 0, settledY = 0;  // a tile click that must settle the decision
    };

    Snapshot snapshot() const;
    Expectation act(const Snapshot& before);
    std::string afterRounds(const Snapshot& before, const Expectation& e);
    std::string check(const Snapshot& before, const Expectation& e) const;
    std::string checkBoard() const;
    std::string checkControls() const;

    // The actions.
    Expectation tick(const Snapshot& before);
    Expectation startStop();
    Expectation startX();
    Expectation dice();
    Expectation tileClick(const Snapshot& before);
    Expectation insecticide();
    Expectation typedInsecticide();
    Expectation switchMode();
    Expectation newGame();
    Expectation speed();
    Expectation chart();
    Expectation disabledClick();
    Expectation events();

    bool coin(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    void note(const char* action);

    // The window's controls the actions use, looked up once by their object names.
    struct Widgets {
        explicit Widgets(MainWindow& form);
        QPushButton* chartButton;
        QPushButton* print;
        QRadioButton* sim;
        QRadioButton* intButton;
        QPushButton* spray;
        SpinEdit* sprayRounds;
        QSlider* speed;
        QPushButton* startStop;
        QPushButton* runRounds;
        QPushButton* dice;
        QPushButton* newGame;
        QLineEdit* instruction;
    };

    bool started() const { return controller_.phase() != GameController::Phase::BeforeFirstGame; }
    bool pending() const { return controller_.core().pendingChoice() != Choice::None; }

    MainWindow& form_;
    GameController& controller_;
    const SystemRoundTimer& timer_;
    RecordingErrorBox& errors_;
    Widgets controls_;
    BoardWidget* board_;
    const StatusBar* statusBar_;
    const QLabel* sprayLabel_;
    std::mt19937 random_;
    Mode home_;

    // What the window must show beyond the controller's own state.
    QString side_;
    std::array<std::array<QColor, 7>, 7> frames_;
    std::array<long long, 2> rounds_{};
    int chartPoints_ = 0;  // per curve, while the analysis panel is shown

    std::string problem_;  // what an action itself saw go wrong
    long long steps_ = 0;
    std::deque<std::string> recent_;
};

// Joins the parts of a soak failure message.
template <typename... Parts>
std::string say(const Parts&... parts)
{
    std::ostringstream out;
    (out << ... << parts);
    return out.str();
}
