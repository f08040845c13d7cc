#include "GameController.h"

#include "Exception.h"
#include "GameNumber.h"
#include "ParseInteger.h"

#include <cstdint>

using Control = GameControls::Control;

GameController::GameController(GameControls& controls, ErrorBox& errorBox, QObject* parent)
    : QObject(parent), controls_(controls), roundTimer_(errorBox, this)
{
    core_.random().seedFromClock();
    roundTimer_.setObjectName(QStringLiteral("roundTimer"));
    roundTimer_.setEnabled(false);
    roundTimer_.setInterval(500);
    roundTimer_.setTickHandler([this] { playTimedRound(); });
}

GameController::Phase GameController::phase() const
{
    if (!started_)
        return Phase::BeforeFirstGame;
    if (mode_ == Mode::Automatic)
        return running_ ? Phase::SimulationRunning : Phase::SimulationStopped;
    return core_.pendingChoice() == Choice::None ? Phase::InteractiveReady : Phase::ChoicePending;
}

void GameController::onNewGame()
{
    // The window's steps come first: they read nothing of the core, and the tiles must be
    // reset before the new game's closing draw shows its 15 animals.
    started_ = true;
    gameNumber_ = core_.random().seed();
    controls_.showGameNumber(*gameNumber_);
    controls_.clearChart();
    for (Control c : {Control::ChartButton, Control::SimulationButton, Control::InteractiveButton,
                      Control::SprayButton, Control::ReplayButton})
        controls_.setControlEnabled(c, true);
    controls_.resetBoard();
    controls_.setFramesSolid();
    core_.newGame();
    enterMode(mode_);
}

void GameController::onReplayGame()
{
    if (!gameNumber_)
        return;
    core_.random().setSeed(*gameNumber_);
    onNewGame();
}

void GameController::onGameByNumber()
{
    const QString suggestion = gameNumber_ ? QString::number(*gameNumber_) : QString();
    const std::optional<QString> entry = controls_.askGameNumber(suggestion);
    if (!entry)
        return;
    const std::optional<std::uint32_t> number = parseGameNumber(*entry);
    if (!number) {
        controls_.reportInvalidGameNumber();
        return;
    }
    core_.random().setSeed(*number);
    onNewGame();
}

void GameController::onRoll() { core_.playRound(Mode::Interactive); }

void GameController::onInteractive() { enterMode(Mode::Interactive); }

void GameController::onSimulation() { enterMode(Mode::Automatic); }

void GameController::enterMode(Mode mode)
{
    mode_ = mode;
    const bool simulation = mode == Mode::Automatic;
    // A choice dropped by the switch takes its stale instruction with it.
    if (core_.pendingChoice() != Choice::None)
        controls_.showInstruction(Choice::None);
    core_.dropChoice();
    running_ = false;
    controls_.showRunning(false);
    controls_.setControlEnabled(Control::StartStopButton, simulation);
    controls_.setControlEnabled(Control::RunRoundsButton, simulation);
    controls_.setControlEnabled(Control::RollButton, !simulation);
    controls_.setControlEnabled(Control::SpeedBar, simulation);
    roundTimer_.setEnabled(false);
    controls_.setInstructionVisible(!simulation);
}

void GameController::onStartStop()
{
    if (running_)
        stopRun();
    else
        startRun(false);
}

void GameController::startRun(bool keepLimit)
{
    if (!keepLimit)
        core_.setRoundLimit(GameCore::noRoundLimit);
    controls_.showInstruction(Choice::None);
    running_ = true;
    controls_.showRunning(true);
    roundTimer_.setEnabled(true);
    controls_.setControlEnabled(Control::InteractiveButton, false);
}

void GameController::stopRun()
{
    running_ = false;
    controls_.showRunning(false);
    roundTimer_.setEnabled(false);
    controls_.setControlEnabled(Control::InteractiveButton, true);
}

void GameController::onRunRounds()
{
    const QString entry = controls_.askRoundCount();
    std::int32_t count = 0;
    try {
        count = parseInteger(entry);
    } catch (const ConvertError&) {
        controls_.reportInvalidRoundCount();
        return;
    }
    // The counter of this moment: a run may have gone on while the prompt was open. The sum
    // wraps like the 32-bit counter it is compared with.
    const auto limit = static_cast<std::int32_t>(static_cast<std::uint32_t>(core_.currentRound())
                                                 + static_cast<std::uint32_t>(count));
    core_.setRoundLimit(limit);
    running_ = false;
    controls_.showRunning(false);
    startRun(true);
}

void GameController::playTimedRound()
{
    // The limit is tested before the round: a run of N rounds plays exactly N and stops at the
    // tick after the last.
    if (core_.roundLimit() == core_.currentRound()) {
        onStartStop();
        return;
    }
    core_.playRound(Mode::Automatic);
}

void GameController::onSpeedChanged(int position) { roundTimer_.setInterval(1001 - position); }

void GameController::onSpray(int rounds) { core_.orderSpray(rounds); }

void GameController::onTileClicked(Position cell)
{
    if (core_.pendingChoice() != Choice::None)
        core_.chooseCell(cell);
}

void GameController::onToggleChart()
{
    chartShown_ = !chartShown_;
    controls_.showChartPanel(chartShown_);
}

// --- what the game core shows ------------------------------------------------------------

void GameController::boardChanged()
{
    controls_.showCounts(core_.currentRound(), core_.hunterCount(), core_.preyCount());
    for (int x = 1; x <= GameCore::boardSize; ++x)
        for (int y = 1; y <= GameCore::boardSize; ++y)
            if (core_.takeRedraw(x, y))
                controls_.showCell({x, y}, core_.cell(x, y));
}

void GameController::cellRolled(Position cell)
{
    const Position marked = core_.markedPosition();
    if (marked.x != 0 && marked.y != 0)
        controls_.setFrameColor(marked, BgrColor::black);
    controls_.setFrameColor(cell, BgrColor::blue);
}

void GameController::showSide(Side side) { controls_.showSide(side); }

void GameController::showInstruction(Choice choice) { controls_.showInstruction(choice); }

void GameController::setRollEnabled(bool enabled) { controls_.setControlEnabled(Control::RollButton, enabled); }

void GameController::setFrameColor(Position cell, BgrColor color) { controls_.setFrameColor(cell, color); }

void GameController::setSprayLabelVisible(bool visible) { controls_.setSprayLabelVisible(visible); }

void GameController::addChartPoint(int hunters, int prey)
{
    if (chartShown_)
        controls_.appendChartPoint(hunters, prey);
}
