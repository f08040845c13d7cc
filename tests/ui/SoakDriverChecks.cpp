// The checks of the soak: what the window must show after each action, from the driver's model.
#include "SoakDriver.h"

#include "ControlTable.h"

#include "BoardWidget.h"
#include "ChartView.h"
#include "LineSeries.h"
#include "StatusBar.h"
#include "SystemRoundTimer.h"
#include "SpinEdit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <QLabel>

#include <algorithm>
#include <utility>

namespace {
const QString instruction[] = {QString(), QStringLiteral("Beute plazieren"), QStringLiteral("Räuber stirbt")};
}  // namespace

// Brings the model up to date with the rounds the action played and checks what a round owes.
std::string SoakDriver::afterRounds(const Snapshot& before, const Expectation& e)
{
    if (!problem_.empty())
        return std::exchange(problem_, {});
    const GameCore& k = controller_.core();
    if (e.newGame) {
        if (k.currentRound() != 0 || k.hunterCount() + k.preyCount() != 15 || k.sprayRoundsLeft() != 0
            || k.pendingChoice() != Choice::None)
            return say("a new game starts at round ", k.currentRound(), " with ", int(k.hunterCount()), "+",
                       int(k.preyCount()), " animals, ", k.sprayRoundsLeft(), " spraying rounds");
        return {};
    }
    const int played = k.currentRound() - before.round;
    if (played < 0 || (e.rounds == Rounds::none && played != 0) || (e.rounds == Rounds::one && played != 1))
        return say(played, " rounds played where ", e.rounds == Rounds::one ? "one" : "none", " was due");
    if (played == 0)
        return {};

    rounds_[static_cast<int>(e.automatic ? Mode::simulation : Mode::interactive)] += played;
    if (controller_.isChartShown())
        chartPoints_ += played;
    side_ = k.side() == Side::Hunter ? QStringLiteral("Räuber") : QStringLiteral("Beute");
    if (played == 1) {
        // The round's order: old spray marks off, new ones on, old marker off, new marker on.
        if (before.sprayMarksShown)
            for (const auto& c : before.spray)
                frames_[c.x][c.y] = Qt::black;
        if (k.sprayMarksShown())
            for (const auto& c : k.sprayedPositions())
                frames_[c.x][c.y] = Qt::green;
        if (before.markX != 0)
            frames_[before.markX][before.markY] = Qt::black;
        frames_[k.markedPosition().x][k.markedPosition().y] = Qt::blue;
    } else {
        // Several real ticks inside a modal prompt: take the frames as they are, the other
        // checks still hold.
        for (int x = 1; x <= 6; ++x)
            for (int y = 1; y <= 6; ++y)
                frames_[x][y] = board_->frameColor({x, y});
    }

    // A decision is left only by an interactive round, and only where a rule asks for one.
    const int x = k.markedPosition().x, y = k.markedPosition().y;
    if (k.pendingChoice() == Choice::None)
        return {};
    if (e.automatic)
        return "an automatic round left a decision pending";
    if (k.pendingChoice() == Choice::PlacePrey
        && !(k.side() == Side::Prey && k.cell(x, y) == Cell::Prey && k.choicePosition().x == x && k.choicePosition().y == y))
        return say("a prey placement asked for at (", x, ",", y, ") on turn ", int(k.side()));
    if (k.pendingChoice() == Choice::RemoveHunter
        && !(k.side() == Side::Hunter && k.cell(x, y) == Cell::Empty && k.hunterCount() > 0))
        return say("a hunter removal asked for at (", x, ",", y, ") on turn ", int(k.side()));
    return {};
}

std::string SoakDriver::check(const Snapshot& before, const Expectation& e) const
{
    const Snapshot now = snapshot();
    if (e.gameUntouched && !now.sameGame(before))
        return "an action that must change nothing changed the game";
    if (e.dropsDecision) {
        Snapshot expected = before;
        expected.choice = Choice::None;
        if (!now.sameGame(expected))
            return "switching the mode changed more than the pending decision";
    }
    if (e.settledX != 0) {
        Snapshot expected = before;
        const bool placed = before.choice == Choice::PlacePrey;
        expected.cells[e.settledX][e.settledY] = placed ? Cell::Prey : Cell::Empty;
        (placed ? expected.prey : expected.hunters) += placed ? 1 : -1;
        expected.choice = Choice::None;
        if (!now.sameGame(expected))
            return say("the click on (", e.settledX, ",", e.settledY, ") did not settle the decision alone");
    }
    if (std::string problem = checkBoard(); !problem.empty())
        return problem;
    return checkControls();
}

std::string SoakDriver::checkBoard() const
{
    const GameCore& k = controller_.core();
    const BoardWidget& board = *board_;
    int counted[3] = {};
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            const int v = static_cast<int>(k.cell(x, y));
            if (v > 2)
                return say("cell (", x, ",", y, ") holds ", int(v));
            ++counted[v];
            if (board.cell({x, y}) != k.cell(x, y))
                return say("tile (", x, ",", y, ") does not show ", int(v));
            if (board.frameColor({x, y}) != frames_[x][y])
                return say("frame (", x, ",", y, ") is ", board.frameColor({x, y}).name().toStdString(), ", not ",
                           frames_[x][y].name().toStdString());
        }
    if (board.framesSolid() != started())
        return "the frames are solid before the first game or clear after it";
    if (counted[1] != k.preyCount() || counted[2] != k.hunterCount())
        return say("counters ", int(k.hunterCount()), "/", int(k.preyCount()), " but the board holds ", counted[2],
                   " hunters and ", counted[1], " prey");

    const StatusBar* bar = statusBar_;
    if (bar->panelText(1) != QString::number(k.currentRound()) || bar->panelText(3) != QString::number(counted[2])
        || bar->panelText(5) != QString::number(counted[1]) || bar->panelText(7) != side_)
        return say("status bar ", bar->panelText(1).toStdString(), " ", bar->panelText(3).toStdString(), " ",
                   bar->panelText(5).toStdString(), " ", bar->panelText(7).toStdString(), " at round ",
                   k.currentRound(), " with ", counted[2], "/", counted[1]);
    const ChartModel& chart = form_.chart().model();
    if (chart.points(0).count() != chartPoints_ || chart.points(1).count() != chartPoints_)
        return say("the chart has ", chart.points(0).count(), " and ", chart.points(1).count(), " points, not ",
                   chartPoints_);
    return {};
}

std::string SoakDriver::checkControls() const
{
    // The controller's table for its phase, read off the real widgets.
    const ControlStates expected = expectedControls(controller_.phase());
    const ControlStates shown{controls_.chartButton->isEnabled(),   controls_.sim->isEnabled(),
                              controls_.intButton->isEnabled(),     controls_.spray->isEnabled(),
                              controls_.speed->isEnabled(),         controls_.startStop->isEnabled(),
                              controls_.runRounds->isEnabled(),     controls_.dice->isEnabled(),
                              form_.findChild<QPushButton*>("replayButton")->isEnabled(),
                              controls_.startStop->text() == "Stop", !controls_.instruction->isHidden(),
                              timer_.isArmed()};
    if (!(shown == expected)) {
        std::ostringstream out;
        out << "controls " << shown << "\n   expected " << expected;
        return out.str();
    }
    if (controls_.intButton->isChecked() != (controller_.mode() == ::Mode::Interactive)
        || controls_.sim->isChecked() == controls_.intButton->isChecked())
        return "the checked mode button is not the controller's mode";
    if (controls_.print->isEnabled() != controller_.isChartShown() || !controls_.sprayRounds->isEnabled())
        return "the print button or the insecticide count is in the wrong state";
    const GameCore& k = controller_.core();
    if (controls_.instruction->text() != instruction[static_cast<int>(k.pendingChoice())])
        return say("instruction line '", controls_.instruction->text().toStdString(), "'");
    if (sprayLabel_->isHidden() == k.sprayMarksShown())
        return "the insecticide label does not follow the spraying";
    const int position = controls_.speed->value();
    if (timer_.isArmed() != controller_.isRunning() || controller_.roundInterval() != 1001 - position
        || (timer_.isArmed() && timer_.interval() != 1001 - position))
        return say("timer armed ", timer_.isArmed(), " interval ", timer_.interval(), " at speed ", position);
    return {};
}
