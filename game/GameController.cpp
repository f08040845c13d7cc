#include "GameController.h"

#include "GameNumber.h"
#include "ParseInteger.h"
#include "RoundTimer.h"

using Control = GameControls::Control;

GameController::GameController(GameControls& controls, RoundTimer& roundTimer)
    : controls_(controls), roundTimer_(roundTimer)
{
    core_.random().seedFromClock();
}

GameController::Phase GameController::phase() const
{
    if (!started_)
        return Phase::BeforeFirstGame;
    if (mode_ == Mode::Automatic)
        return running_ ? Phase::SimulationRunning : Phase::SimulationStopped;
    return core_.pendingChoice() == Choice::None ? Phase::InteractiveReady : Phase::ChoicePending;
}

bool GameController::writeChartCsv(const CsvFormat& format, const std::function<bool(std::string_view)>& write) const
{
    std::optional<PopulationHistory::Point> now;
    if (started_)
        now = PopulationHistory::Point{core_.currentRound(), core_.hunterCount(), core_.preyCount()};
    return writePopulationCsv(history_, now, format, write);
}

void GameController::onNewGame()
{
    // The window's steps come first: they read nothing of the core, and the tiles must be
    // reset before the new game's closing draw shows its 15 animals.
    started_ = true;
    gameNumber_ = core_.random().seed();
    controls_.showGameNumber(*gameNumber_);
    onClearChart();
    for (Control c : {Control::ChartButton, Control::SimulationButton, Control::InteractiveButton,
                      Control::SprayButton, Control::ReplayButton})
        controls_.setControlEnabled(c, true);
    controls_.resetBoard();
    controls_.setFramesSolid();
    core_.newGame();
    enterMode(mode_);
}

void GameController::startGame(std::uint32_t number)
{
    core_.random().setSeed(number);
    onNewGame();
}

void GameController::onReplayGame()
{
    if (gameNumber_)
        startGame(*gameNumber_);
}

void GameController::onGameByNumber()
{
    gameNumberAsked_ = true;
    controls_.askGameNumber(gameNumber_);
}

void GameController::onGameNumberEntered(const std::optional<std::string>& entry)
{
    if (!gameNumberAsked_)
        return;
    gameNumberAsked_ = false;
    if (!entry)
        return;
    if (const std::optional<std::uint32_t> number = parseGameNumber(*entry))
        startGame(*number);
    else
        controls_.reportInvalidGameNumber();
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
    setTimerEnabled(false);
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
    // A timer that cannot be armed has said so, and the step ends there: the run shows as
    // started but plays no round until a change of speed arms the timer.
    if (!setTimerEnabled(true))
        return;
    controls_.setControlEnabled(Control::InteractiveButton, false);
}

void GameController::stopRun()
{
    running_ = false;
    controls_.showRunning(false);
    setTimerEnabled(false);
    controls_.setControlEnabled(Control::InteractiveButton, true);
}

void GameController::onRunRounds()
{
    roundCountAsked_ = true;
    controls_.askRoundCount();
}

void GameController::onRoundCountEntered(const std::string& entry)
{
    if (!roundCountAsked_)
        return;
    roundCountAsked_ = false;
    const std::optional<std::int32_t> count = parseInteger(entry);
    if (!count) {
        controls_.reportInvalidRoundCount();
        return;
    }
    // The counter of this moment: a run may have gone on while the question was open. The sum
    // wraps like the 32-bit counter it is compared with.
    const auto limit = static_cast<std::int32_t>(static_cast<std::uint32_t>(core_.currentRound())
                                                 + static_cast<std::uint32_t>(*count));
    core_.setRoundLimit(limit);
    running_ = false;
    controls_.showRunning(false);
    startRun(true);
}

void GameController::onTick()
{
    // The limit is tested before the round: a run of N rounds plays exactly N and stops at the
    // tick after the last.
    if (core_.roundLimit() == core_.currentRound()) {
        onStartStop();
        return;
    }
    core_.playRound(Mode::Automatic);
}

void GameController::onSpeedChanged(int position)
{
    const int interval = 1001 - position;
    if (interval == interval_)
        return;
    interval_ = interval;
    // A new interval counts from now: the next round comes one whole new interval later.
    if (timerEnabled_)
        roundTimer_.arm(interval_);
}

bool GameController::setTimerEnabled(bool enabled)
{
    // Enabling an enabled timer leaves its ticks where they are: a new round count during a
    // run goes on without a pause.
    if (enabled == timerEnabled_)
        return true;
    timerEnabled_ = enabled;
    if (!enabled) {
        roundTimer_.disarm();
        return true;
    }
    return roundTimer_.arm(interval_);
}

void GameController::onSpray(int rounds) { core_.orderSpray(rounds); }

void GameController::onCellClicked(Position cell)
{
    if (core_.pendingChoice() != Choice::None)
        core_.chooseCell(cell);
}

void GameController::onToggleChart()
{
    chartShown_ = !chartShown_;
    controls_.showChartPanel(chartShown_);
}

void GameController::onClearChart()
{
    history_.clear();
    controls_.clearChart();
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
    if (!chartShown_)
        return;
    // The counts stand as the previous round left them (and this round's spraying).
    const auto round = static_cast<std::int32_t>(static_cast<std::uint32_t>(core_.currentRound()) - 1u);
    history_.append({round, hunters, prey});
    controls_.appendChartPoint(hunters, prey);
}
