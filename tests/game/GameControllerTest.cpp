#include "ControlTable.h"
#include "GameController.h"
#include "RecordingErrorBox.h"
#include "RecordingGameControls.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {
using Control = GameControls::Control;
using Phase = GameController::Phase;

struct GameControllerTest : ::testing::Test {
    RecordingGameControls controls;
    RecordingErrorBox errors;
    GameController controller{controls, errors};
    GameCore& core = controller.core();

    ControlStates shown() const
    {
        return {controls.isEnabled(Control::ChartButton),     controls.isEnabled(Control::SimulationButton),
                controls.isEnabled(Control::InteractiveButton), controls.isEnabled(Control::SprayButton),
                controls.isEnabled(Control::SpeedBar),          controls.isEnabled(Control::StartStopButton),
                controls.isEnabled(Control::RunRoundsButton),   controls.isEnabled(Control::RollButton), controls.isEnabled(Control::ReplayButton),
                controls.running,                               controls.instructionVisible,
                controller.roundTimer().isEnabled()};
    }
    void newGame(std::uint32_t seed)
    {
        core.random().setSeed(seed);
        controller.onNewGame();
    }
    void rollUntilChoice()
    {
        for (int i = 0; i < 500 && core.pendingChoice() == Choice::None; ++i)
            controller.onRoll();
        ASSERT_NE(core.pendingChoice(), Choice::None);
    }
    void runRounds(const QString& entry)
    {
        controls.roundCountEntry = entry;
        controller.onRunRounds();
    }
};

TEST_F(GameControllerTest, EveryPhaseShowsItsRowOfTheControlTable)
{
    struct Step {
        const char* action;
        std::function<void(GameControllerTest&)> act;
        Phase phase;
    };
    const Step steps[] = {
        {"start-up", [](auto&) {}, Phase::BeforeFirstGame},
        {"Neu", [](auto& t) { t.newGame(4); }, Phase::SimulationStopped},
        {"Start", [](auto& t) { t.controller.onStartStop(); }, Phase::SimulationRunning},
        {"three ticks", [](auto& t) { for (int i = 0; i < 3; ++i) t.controller.playTimedRound(); },
         Phase::SimulationRunning},
        {"Neu during the run", [](auto& t) { t.newGame(5); }, Phase::SimulationStopped},
        {"Start and Stop", [](auto& t) { t.controller.onStartStop(); t.controller.onStartStop(); },
         Phase::SimulationStopped},
        {"Interaktiv", [](auto& t) { t.controller.onInteractive(); }, Phase::InteractiveReady},
        {"Würfeln until a choice", [](auto& t) { t.rollUntilChoice(); }, Phase::ChoicePending},
        {"Simulation with a choice pending", [](auto& t) { t.controller.onSimulation(); }, Phase::SimulationStopped},
        {"Interaktiv again", [](auto& t) { t.controller.onInteractive(); }, Phase::InteractiveReady},
        {"Neu keeps the mode", [](auto& t) { t.newGame(6); }, Phase::InteractiveReady},
        {"a run of rounds", [](auto& t) { t.controller.onSimulation(); t.runRounds("3"); }, Phase::SimulationRunning},
        {"its end", [](auto& t) { for (int i = 0; i < 4; ++i) t.controller.playTimedRound(); },
         Phase::SimulationStopped},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.action);
        step.act(*this);
        EXPECT_EQ(controller.phase(), step.phase);
        EXPECT_EQ(shown(), expectedControls(step.phase));
    }
}

TEST_F(GameControllerTest, ASwitchOfModeDropsThePendingChoiceAndItsInstruction)
{
    newGame(4);
    controller.onInteractive();
    rollUntilChoice();
    ASSERT_NE(controls.instruction, Choice::None);
    const int round = core.currentRound();
    controller.onSimulation();
    EXPECT_EQ(core.pendingChoice(), Choice::None);
    EXPECT_EQ(controls.instruction, Choice::None);
    EXPECT_EQ(core.currentRound(), round);
    // A click that would have settled it does nothing now.
    const auto cells = controls.cells;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            controller.onTileClicked({x, y});
    EXPECT_EQ(controls.cells, cells);
}

TEST_F(GameControllerTest, RoundCountEntries)
{
    struct Row {
        const char* entry;
        bool starts;
        int limit;  // after two rounds
    };
    const Row rows[] = {
        {"5", true, 7},
        {"$A", true, 12},
        {"0", true, 2},
        {"-3", true, -1},
        {"2147483647", true, -2147483647},  // the sum wraps like the round counter
        {"fünf", false, 0},
        {"5 ", false, 0},
        {"", false, 0},  // also what a cancelled prompt leaves
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.entry);
        newGame(3);
        controller.playTimedRound();
        controller.playTimedRound();
        const int refusedBefore = controls.invalidRoundCounts;
        runRounds(QString::fromUtf8(r.entry));
        EXPECT_EQ(controls.invalidRoundCounts - refusedBefore, r.starts ? 0 : 1);
        EXPECT_EQ(core.roundLimit(), r.starts ? r.limit : GameCore::noRoundLimit);
        EXPECT_EQ(controller.phase(), r.starts ? Phase::SimulationRunning : Phase::SimulationStopped);
    }
}

TEST_F(GameControllerTest, ARunOfNRoundsPlaysExactlyNAndStopsAtTheNextTick)
{
    newGame(8);
    for (int i = 0; i < 100; ++i)
        controller.playTimedRound();
    runRounds("5");
    for (int i = 0; i < 5; ++i)
        controller.playTimedRound();
    EXPECT_EQ(core.currentRound(), 105);
    EXPECT_TRUE(controller.isRunning());
    controller.playTimedRound();
    EXPECT_EQ(core.currentRound(), 105);
    EXPECT_FALSE(controller.isRunning());

    runRounds("0");
    controller.playTimedRound();
    EXPECT_EQ(core.currentRound(), 105);
    EXPECT_FALSE(controller.isRunning());
}

TEST_F(GameControllerTest, ACountDuringARunReplacesTheLimitAndStartLiftsIt)
{
    newGame(8);
    controller.onStartStop();
    controller.playTimedRound();
    runRounds("2");
    EXPECT_EQ(core.roundLimit(), 3);
    EXPECT_TRUE(controller.isRunning());
    runRounds("x");
    EXPECT_EQ(core.roundLimit(), 3);
    EXPECT_TRUE(controller.isRunning());
    controller.onStartStop();
    controller.onStartStop();
    EXPECT_EQ(core.roundLimit(), GameCore::noRoundLimit);
}

TEST_F(GameControllerTest, SpeedAndSpraying)
{
    newGame(1);
    for (const auto& [position, interval] : {std::pair{1000, 1}, std::pair{1, 1000}, std::pair{501, 500}}) {
        controller.onSpeedChanged(position);
        EXPECT_EQ(controller.roundTimer().interval(), interval) << position;
    }
    controller.onSpray(7);
    controller.playTimedRound();
    controller.onSpray(3);
    EXPECT_EQ(core.sprayRoundsLeft(), 3) << "a new order replaces the rounds left";
}

TEST_F(GameControllerTest, TheChartIsFedOnlyWhileItsPanelIsOpenAndANewGameClearsIt)
{
    newGame(2);
    controller.playTimedRound();
    EXPECT_TRUE(controls.chartPoints.empty());
    controller.onToggleChart();
    EXPECT_TRUE(controls.chartPanelShown);
    for (int i = 0; i < 3; ++i)
        controller.playTimedRound();
    const std::pair countsBefore{controls.counts[1], controls.counts[2]};
    controller.playTimedRound();
    EXPECT_EQ(controls.chartPoints.size(), 4u);
    EXPECT_EQ(controls.chartPoints.back(), countsBefore) << "a point carries the counts before its round's rule";
    controller.onToggleChart();
    controller.playTimedRound();
    EXPECT_EQ(controls.chartPoints.size(), 4u);
    newGame(3);
    EXPECT_TRUE(controls.chartPoints.empty());
}

TEST_F(GameControllerTest, TheControlsShowTheCoreAfterEveryStep)
{
    newGame(11);
    EXPECT_TRUE(controls.framesSolid);
    for (int step = 0; step < 400; ++step) {
        SCOPED_TRACE(step);
        const Position before = core.markedPosition();
        if (step % 50 == 25)
            controller.onSpray(2);
        if (step == 200)
            controller.onInteractive();
        if (step < 200)
            controller.playTimedRound();
        else if (core.pendingChoice() == Choice::None)
            controller.onRoll();
        else
            controller.onTileClicked({step % 6 + 1, step / 6 % 6 + 1});
        for (int x = 1; x <= 6; ++x)
            for (int y = 1; y <= 6; ++y)
                ASSERT_EQ(controls.cells[x][y], core.cell(x, y)) << x << "," << y;
        ASSERT_EQ(controls.counts, (std::array<int, 3>{core.currentRound(), core.hunterCount(), core.preyCount()}));
        ASSERT_EQ(controls.side, core.side());
        ASSERT_EQ(controls.isEnabled(Control::RollButton), step >= 200 && core.pendingChoice() == Choice::None);
        if (core.markedPosition() != before) {
            EXPECT_EQ(controls.frames[core.markedPosition().x][core.markedPosition().y], BgrColor::blue);
            if (before.x != 0 && before != core.markedPosition()) {
                EXPECT_EQ(controls.frames[before.x][before.y], BgrColor::black);
            }
        }
        ASSERT_EQ(controls.sprayLabelVisible, core.sprayMarksShown());
    }
}

// What a round leaves on the board, to compare two plays of one game.
struct RoundState {
    std::array<std::array<Cell, 7>, 7> cells;
    int hunters, prey;
    Position rolled;
    bool operator==(const RoundState&) const = default;
};

RoundState stateOf(const GameCore& core)
{
    RoundState s{{}, core.hunterCount(), core.preyCount(), core.markedPosition()};
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            s.cells[x][y] = core.cell(x, y);
    return s;
}

TEST_F(GameControllerTest, TheGameNumberIsTheGeneratorStateAtNeuAndNochmalPlaysThatGameAgain)
{
    EXPECT_FALSE(controller.gameNumber());
    controller.onReplayGame();
    EXPECT_EQ(controller.phase(), Phase::BeforeFirstGame) << "nothing to play again before the first game";

    newGame(2654435769u);
    EXPECT_EQ(controller.gameNumber(), 2654435769u);
    EXPECT_EQ(controls.gameNumber, 2654435769u);
    std::vector<RoundState> first;
    controller.onSpray(3);
    for (int i = 0; i < 300; ++i) {
        controller.playTimedRound();
        first.push_back(stateOf(core));
    }
    controller.onToggleChart();
    controller.onReplayGame();
    EXPECT_EQ(controller.gameNumber(), 2654435769u);
    EXPECT_EQ(core.currentRound(), 0);
    EXPECT_EQ(core.sprayRoundsLeft(), 0) << "as after Neu: no campaign carried over";
    controller.onSpray(3);
    for (int i = 0; i < 300; ++i) {
        controller.playTimedRound();
        ASSERT_EQ(stateOf(core), first[static_cast<std::size_t>(i)]) << "round " << i + 1;
    }
    EXPECT_EQ(controls.chartPoints.size(), 300u) << "the replay is fed to the open chart like any game";

    // The next "Neu" goes on with the generator where the game left it.
    const std::uint32_t next = core.random().seed();
    controller.onNewGame();
    EXPECT_EQ(controller.gameNumber(), next);
}

TEST_F(GameControllerTest, GameByNumberTakesWhatTheRunnerTakesAndNothingElse)
{
    struct Row {
        const char* entry;
        bool starts;
        std::uint32_t number;
    };
    const Row rows[] = {
        {"0", true, 0},
        {"4294967295", true, 4294967295u},
        {"2147483648", true, 2147483648u},
        {"007", true, 7},
        {"4294967296", false, 0},
        {"99999999999999999999", false, 0},
        {"-1", false, 0},
        {"+5", false, 0},
        {" 5", false, 0},
        {"5 ", false, 0},
        {"$A", false, 0},
        {"1e3", false, 0},
        {"\u0663", false, 0},  // an Arabic-Indic three
        {"", false, 0},
    };
    newGame(1);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.entry);
        for (int i = 0; i < 3; ++i)
            controller.playTimedRound();
        const std::uint32_t before = *controller.gameNumber();
        const int refused = controls.invalidGameNumbers;
        controls.gameNumberEntry = QString::fromUtf8(r.entry);
        controller.onGameByNumber();
        EXPECT_EQ(controls.gameNumberSuggestion, QString::number(before));
        EXPECT_EQ(controls.invalidGameNumbers - refused, r.starts ? 0 : 1);
        EXPECT_EQ(controller.gameNumber(), r.starts ? r.number : before);
        EXPECT_EQ(core.currentRound(), r.starts ? 0 : 3);
        if (!r.starts)
            newGame(1);
    }
    // Cancel does nothing at all.
    controller.playTimedRound();
    controls.gameNumberEntry.reset();
    controller.onGameByNumber();
    EXPECT_EQ(core.currentRound(), 1);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
