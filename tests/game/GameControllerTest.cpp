#include "ControlTable.h"
#include "FakeRoundTimer.h"
#include "GameController.h"
#include "RecordingGameControls.h"

#include <gtest/gtest.h>

#include <string>

#include <functional>
#include <vector>

namespace {
using Control = GameControls::Control;
using Phase = GameController::Phase;

struct GameControllerTest : ::testing::Test {
    RecordingGameControls controls;
    FakeRoundTimer timer;
    GameController controller{controls, timer};
    GameCore& core = controller.core();

    ControlStates shown() const
    {
        return {controls.isEnabled(Control::ChartButton),     controls.isEnabled(Control::SimulationButton),
                controls.isEnabled(Control::InteractiveButton), controls.isEnabled(Control::SprayButton),
                controls.isEnabled(Control::SpeedBar),          controls.isEnabled(Control::StartStopButton),
                controls.isEnabled(Control::RunRoundsButton),   controls.isEnabled(Control::RollButton), controls.isEnabled(Control::ReplayButton),
                controls.running,                               controls.instructionVisible,
                timer.armed};
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
    void runRounds(const std::string& entry)
    {
        controller.onRunRounds();
        controller.onRoundCountEntered(entry);
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
        {"three ticks", [](auto& t) { for (int i = 0; i < 3; ++i) t.controller.onTick(); },
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
        {"its end", [](auto& t) { for (int i = 0; i < 4; ++i) t.controller.onTick(); },
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
            controller.onCellClicked({x, y});
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
        controller.onTick();
        controller.onTick();
        const int refusedBefore = controls.invalidRoundCounts;
        runRounds(r.entry);
        EXPECT_EQ(controls.invalidRoundCounts - refusedBefore, r.starts ? 0 : 1);
        EXPECT_EQ(core.roundLimit(), r.starts ? r.limit : GameCore::noRoundLimit);
        EXPECT_EQ(controller.phase(), r.starts ? Phase::SimulationRunning : Phase::SimulationStopped);
    }
}

TEST_F(GameControllerTest, ARunOfNRoundsPlaysExactlyNAndStopsAtTheNextTick)
{
    newGame(8);
    for (int i = 0; i < 100; ++i)
        controller.onTick();
    runRounds("5");
    for (int i = 0; i < 5; ++i)
        controller.onTick();
    EXPECT_EQ(core.currentRound(), 105);
    EXPECT_TRUE(controller.isRunning());
    controller.onTick();
    EXPECT_EQ(core.currentRound(), 105);
    EXPECT_FALSE(controller.isRunning());

    runRounds("0");
    controller.onTick();
    EXPECT_EQ(core.currentRound(), 105);
    EXPECT_FALSE(controller.isRunning());
}

TEST_F(GameControllerTest, ACountDuringARunReplacesTheLimitAndStartLiftsIt)
{
    newGame(8);
    controller.onStartStop();
    controller.onTick();
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
        EXPECT_EQ(controller.roundInterval(), interval) << position;
    }
    controller.onSpray(7);
    controller.onTick();
    controller.onSpray(3);
    EXPECT_EQ(core.sprayRoundsLeft(), 3) << "a new order replaces the rounds left";
}

TEST_F(GameControllerTest, TheChartIsFedOnlyWhileItsPanelIsOpenAndANewGameClearsIt)
{
    newGame(2);
    controller.onTick();
    EXPECT_TRUE(controls.chartPoints.empty());
    controller.onToggleChart();
    EXPECT_TRUE(controls.chartPanelShown);
    for (int i = 0; i < 3; ++i)
        controller.onTick();
    const std::pair countsBefore{controls.counts[1], controls.counts[2]};
    controller.onTick();
    EXPECT_EQ(controls.chartPoints.size(), 4u);
    EXPECT_EQ(controls.chartPoints.back(), countsBefore) << "a point carries the counts before its round's rule";
    controller.onToggleChart();
    controller.onTick();
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
            controller.onTick();
        else if (core.pendingChoice() == Choice::None)
            controller.onRoll();
        else
            controller.onCellClicked({step % 6 + 1, step / 6 % 6 + 1});
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

TEST_F(GameControllerTest, TheTimerTicksExactlyWhileARunGoesOnAndASpeedChangeCountsFromNow)
{
    newGame(8);
    controller.onSpeedChanged(901);
    EXPECT_FALSE(timer.armed) << "stopped: the new interval is only kept";
    controller.onStartStop();
    EXPECT_TRUE(timer.armed);
    EXPECT_EQ(timer.interval, 100);
    const int arms = timer.arms;
    controller.onSpeedChanged(901);
    EXPECT_EQ(timer.arms, arms) << "the same interval leaves the ticks where they are";
    controller.onSpeedChanged(991);
    EXPECT_EQ(timer.arms, arms + 1);
    EXPECT_EQ(timer.interval, 10);
    runRounds("4");
    EXPECT_EQ(timer.arms, arms + 1) << "a round count during a run goes on without a pause";
    controller.onStartStop();
    EXPECT_FALSE(timer.armed);
}

TEST_F(GameControllerTest, ATimerThatCannotBeArmedEndsTheStartAndASpeedChangeTriesAgain)
{
    newGame(8);
    timer.failArming = true;
    controller.onStartStop();
    EXPECT_TRUE(controls.running) << "the steps before the failure stay done";
    EXPECT_TRUE(controls.isEnabled(Control::InteractiveButton)) << "the steps after it are skipped";
    timer.failArming = false;
    controller.onSpeedChanged(600);
    EXPECT_TRUE(timer.armed);
    EXPECT_EQ(timer.interval, 401);
}

TEST_F(GameControllerTest, QuestionsAreAnsweredLaterWhileTheRunGoesOnOrAtOnce)
{
    newGame(8);
    controller.onStartStop();
    controller.onRunRounds();
    EXPECT_EQ(controls.roundCountQuestions, 1);
    for (int i = 0; i < 10; ++i)
        controller.onTick();
    controller.onRoundCountEntered("5");
    EXPECT_EQ(core.roundLimit(), 15) << "the limit counts from the round of the answer";

    controller.onRoundCountEntered("7");
    EXPECT_EQ(core.roundLimit(), 15) << "an answer nobody asked for changes nothing";
    controller.onGameNumberEntered("3");
    EXPECT_EQ(controller.gameNumber(), 8u);

    // A modal dialog answers from within the question; ticks may come meanwhile.
    controls.whenAsked = [this] {
        controller.onTick();
        controller.onRoundCountEntered("2");
    };
    controller.onRunRounds();
    EXPECT_EQ(core.currentRound(), 11);
    EXPECT_EQ(core.roundLimit(), 13);
    controls.whenAsked = [this] { controller.onGameNumberEntered("42"); };
    controller.onGameByNumber();
    EXPECT_EQ(controller.gameNumber(), 42u);
}

TEST_F(GameControllerTest, TheSavedChartNumbersItsRowsByTheGamesRoundAndEndsWithTheCountsOfNow)
{
    const auto csv = [this] {
        std::string text;
        controller.writeChartCsv({"R", "H", "P", ";"}, [&](std::string_view block) {
            text += block;
            return true;
        });
        return text.substr(3);  // without the byte order mark
    };
    const auto line = [](int round, int hunters, int prey) {
        return std::to_string(round) + ";" + std::to_string(hunters) + ";" + std::to_string(prey) + "\r\n";
    };
    EXPECT_EQ(csv(), "R;H;P\r\n") << "before the first game";

    newGame(5);
    std::vector<std::array<int, 3>> after{{0, core.hunterCount(), core.preyCount()}};
    for (int round = 1; round <= 9; ++round) {
        if (round == 3)
            controller.onToggleChart();
        if (round == 5 || round == 7)
            controller.onToggleChart();
        controller.onTick();
        after.push_back({round, core.hunterCount(), core.preyCount()});
    }
    // The chart saw rounds 3, 4, 7, 8 and 9, each with the counts the round before left.
    std::string expected = "R;H;P\r\n";
    for (int round : {2, 3, 6, 7, 8})
        expected += line(round, after[round][1], after[round][2]);
    expected += line(9, after[9][1], after[9][2]);
    EXPECT_EQ(csv(), expected);

    controller.onClearChart();
    EXPECT_EQ(csv(), "R;H;P\r\n" + line(9, after[9][1], after[9][2]));
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
        controller.onTick();
        first.push_back(stateOf(core));
    }
    controller.onToggleChart();
    controller.onReplayGame();
    EXPECT_EQ(controller.gameNumber(), 2654435769u);
    EXPECT_EQ(core.currentRound(), 0);
    EXPECT_EQ(core.sprayRoundsLeft(), 0) << "as after Neu: no campaign carried over";
    controller.onSpray(3);
    for (int i = 0; i < 300; ++i) {
        controller.onTick();
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
            controller.onTick();
        const std::uint32_t before = *controller.gameNumber();
        const int refused = controls.invalidGameNumbers;
        controller.onGameByNumber();
        EXPECT_EQ(controls.gameNumberSuggestion, before);
        controller.onGameNumberEntered(std::string(r.entry));
        EXPECT_EQ(controls.invalidGameNumbers - refused, r.starts ? 0 : 1);
        EXPECT_EQ(controller.gameNumber(), r.starts ? r.number : before);
        EXPECT_EQ(core.currentRound(), r.starts ? 0 : 3);
        if (!r.starts)
            newGame(1);
    }
    // Cancel does nothing at all.
    controller.onTick();
    controller.onGameByNumber();
    controller.onGameNumberEntered(std::nullopt);
    EXPECT_EQ(core.currentRound(), 1);
}

}  // namespace
