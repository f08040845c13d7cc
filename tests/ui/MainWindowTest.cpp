#include "BoardWidget.h"
#include "ControlTable.h"
#include "MainWindowFixture.h"
#include "SpinEdit.h"
#include "StatusBar.h"

#include <QAccessible>
#include <QSlider>
#include <QTimer>

namespace {
class Window : public MainWindowTest {
protected:
    // The table's controls as the real widgets show them.
    ControlStates states() const
    {
        return {button("chartButton")->isEnabled(),     radio("simulationButton")->isEnabled(),
                radio("interactiveButton")->isEnabled(), button("sprayButton")->isEnabled(),
                control("speedBar")->isEnabled(),        button("startStopButton")->isEnabled(),
                button("runRoundsButton")->isEnabled(),  button("rollButton")->isEnabled(), button("replayButton")->isEnabled(),
                button("startStopButton")->text() == "Stop",
                !control("instructionLine")->isHidden(), roundTimer->isArmed()};
    }
    // The row of the controller's phase, the chosen mode button checked, the print button
    // following the panel, the insecticide count always open.
    void expectControlsOfThePhase() const
    {
        const GameController::Phase phase = controller->phase();
        EXPECT_EQ(states(), expectedControls(phase));
        EXPECT_EQ(radio("interactiveButton")->isChecked(), controller->mode() == Mode::Interactive);
        EXPECT_NE(radio("simulationButton")->isChecked(), radio("interactiveButton")->isChecked());
        EXPECT_EQ(button("printButton")->isEnabled(), controller->isChartShown());
        EXPECT_TRUE(control("sprayRoundsBox")->isEnabled());
    }
    QString instruction() const { return control<QLineEdit>("instructionLine")->text(); }

    // Runs the round-count command, typing text into the prompt (or cancelling it), and
    // returns the text of the error message it showed, if any.
    QString runRounds(const QString& text, bool cancel = false)
    {
        whenModalOpens([text, cancel](QWidget* prompt) {
            auto* edit = prompt->findChild<QLineEdit*>();
            ASSERT_TRUE(edit);
            if (cancel) {
                QTest::keyClick(prompt, Qt::Key_Escape);
            } else {
                edit->setText(text);
                QTest::keyClick(edit, Qt::Key_Return);
            }
        });
        QTest::mouseClick(button("runRoundsButton"), Qt::LeftButton);
        const QString error = errors.messages.empty() ? QString() : errors.messages.back();
        errors.clear();
        return error;
    }
};
}  // namespace

TEST_F(Window, StartUpState)
{
    expectControlsOfThePhase();
    EXPECT_EQ(controller->phase(), GameController::Phase::BeforeFirstGame);
    EXPECT_EQ(form->width(), MainWindow::clientWidth);
    EXPECT_EQ(form->height(), MainWindow::clientHeight);
    EXPECT_EQ(form->minimumWidth(), form->maximumWidth());
    EXPECT_EQ(form->windowTitle(), "Quorvel");
    EXPECT_TRUE(control("analysisBox")->isHidden());
    EXPECT_TRUE(control("sprayLabel")->isHidden());
    EXPECT_EQ(controller->roundInterval(), 500);
    EXPECT_TRUE(form->findChild<QTimer*>("creditTimer")->isActive());
    EXPECT_FALSE(control<QLabel>("creditLabel")->text().isEmpty());
}

TEST_F(Window, ClicksReachTheControllerAndTheWidgetsFollowItsTable)
{
    newGame(4);
    expectControlsOfThePhase();
    QTest::mouseClick(button("startStopButton"), Qt::LeftButton);
    EXPECT_TRUE(controller->isRunning());
    expectControlsOfThePhase();
    QTest::mouseClick(button("startStopButton"), Qt::LeftButton);
    expectControlsOfThePhase();

    chooseInteractive();
    EXPECT_EQ(controller->mode(), Mode::Interactive);
    expectControlsOfThePhase();
    diceUntilDecision();
    expectControlsOfThePhase();
    EXPECT_TRUE(instruction() == "Beute plazieren" || instruction() == "Räuber stirbt") << instruction().toStdString();

    // Choosing the checked mode again runs nothing; the other one drops the choice.
    chooseInteractive();
    EXPECT_NE(controller->core().pendingChoice(), Choice::None);
    chooseSimulation();
    EXPECT_EQ(controller->core().pendingChoice(), Choice::None);
    EXPECT_EQ(instruction(), "");
    expectControlsOfThePhase();
    QTest::mouseClick(button("chartButton"), Qt::LeftButton);
    expectControlsOfThePhase();
}

TEST_F(Window, ModeButtonsAreLockedBeforeTheFirstGameAndDuringARun)
{
    chooseInteractive();
    EXPECT_EQ(controller->phase(), GameController::Phase::BeforeFirstGame);
    newGame(1);
    QTest::mouseClick(button("startStopButton"), Qt::LeftButton);
    chooseInteractive();
    EXPECT_EQ(controller->phase(), GameController::Phase::SimulationRunning);
    expectControlsOfThePhase();
}

TEST_F(Window, RoundCountPromptAndItsMessage)
{
    struct Row {
        const char* name;
        QString text;
        bool cancel;
        bool starts;
    };
    const Row rows[] = {
        {"count", "5", false, true},
        {"no number", "fünf", false, false},
        {"cancelled", "7", true, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        newGame(3);
        const QString error = runRounds(r.text, r.cancel);
        EXPECT_EQ(error, r.starts ? "" : "Die Eingabe war keine gültige Zahl!");
        EXPECT_EQ(controller->isRunning(), r.starts);
        expectControlsOfThePhase();
    }
}

TEST_F(Window, SpeedSetsTheTimerInterval)
{
    newGame(1);
    auto* speed = control<QSlider>("speedBar");
    speed->setValue(700);
    EXPECT_EQ(controller->roundInterval(), 301);
    // Keys act like the user: End goes to the fastest speed, Home to the slowest.
    QTest::keyClick(speed, Qt::Key_End);
    EXPECT_EQ(controller->roundInterval(), 1);
    QTest::keyClick(speed, Qt::Key_Home);
    EXPECT_EQ(controller->roundInterval(), 1000);
}

TEST_F(Window, InsecticideTakesTheSpinEditValue)
{
    newGame(1);
    auto* sprayRounds = control<SpinEdit>("sprayRoundsBox");
    sprayRounds->setValue(7);
    QTest::mouseClick(button("sprayButton"), Qt::LeftButton);
    EXPECT_EQ(controller->core().sprayRoundsLeft(), 7);
    // A typed 0 is clamped to 1 as the focus moves to the button.
    QLineEdit* edit = sprayRounds->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "0");
    QTest::mouseClick(button("sprayButton"), Qt::LeftButton);
    EXPECT_EQ(controller->core().sprayRoundsLeft(), 1);
}

TEST_F(Window, CreditLineIsBlankedOnce)
{
    auto* credit = control<QLabel>("creditLabel");
    const QString text = credit->text();
    form->hideCredit();
    EXPECT_TRUE(credit->text().isEmpty());
    EXPECT_EQ(credit->toolTip(), text);
    EXPECT_FALSE(form->findChild<QTimer*>("creditTimer")->isActive());
}

TEST_F(Window, QuitClosesTheWindow)
{
    QTest::mouseClick(button("quitButton"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Window, KeyboardStartsInTheInsecticideCountAndFollowsTheTabOrder)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QWidget* sprayRounds = control("sprayRoundsBox");
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_TRUE(sprayRounds->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == sprayRounds)
        << QApplication::focusWidget()->objectName().toStdString();

    // Before the first game only the enabled controls take part: sprayRounds, then the buttons
    // "Neu" and "Ende" and the instruction line, in the button column's order, then the game
    // number and its command, the rules, the board and the series, which came later, and round
    // again.
    QStringList visited;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        // The control itself, not a part of it (the spin edit's inner line edit).
        QWidget* w = QApplication::focusWidget();
        while (w && w->parentWidget() && w->parentWidget()->objectName() != "settingsBox" &&
               w->parentWidget()->objectName() != "rightPanel" && w->parentWidget()->objectName() != "boardBox")
            w = w->parentWidget();
        visited << (w ? w->objectName() : QString());
    }
    EXPECT_EQ(visited, (QStringList{"newGameButton", "quitButton", "instructionLine", "gameNumberLine",
                                    "gameByNumberButton", "rulesButton", "board", "seriesButton", "sprayRoundsBox"}));
}

TEST_F(Window, TheGameNumberIsShownInPlainDigitsAndStartsGamesAgain)
{
    auto* number = control<QLineEdit>("gameNumberLine");
    EXPECT_TRUE(number->text().isEmpty());
    EXPECT_TRUE(number->isReadOnly());
    EXPECT_FALSE(button("replayButton")->isEnabled());

    newGame(4000000000u);
    EXPECT_EQ(number->text(), "4000000000");
    controller->onTick();
    QTest::mouseClick(button("replayButton"), Qt::LeftButton);
    EXPECT_EQ(controller->core().currentRound(), 0);
    EXPECT_EQ(number->text(), "4000000000");

    struct Row {
        const char* name;
        QString entry;
        bool cancel;
        QString shown, message;
    };
    const Row rows[] = {
        {"a number", "17", false, "17", ""},
        {"no number", "17a", false, "17",
         "Eine Spielnummer ist eine ganze Zahl von 0 bis 4294967295, ohne Vorzeichen und ohne Leerzeichen."},
        {"cancelled", "99", true, "17", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        whenModalOpens([&r](QWidget* prompt) {
            auto* edit = prompt->findChild<QLineEdit*>();
            ASSERT_TRUE(edit);
            edit->setText(r.entry);
            QTest::keyClick(edit, r.cancel ? Qt::Key_Escape : Qt::Key_Return);
        });
        QTest::mouseClick(button("gameByNumberButton"), Qt::LeftButton);
        const QString message = errors.messages.empty() ? QString() : errors.messages.back();
        errors.clear();
        EXPECT_EQ(number->text(), r.shown);
        EXPECT_EQ(message, r.message);
    }
}

TEST_F(Window, StatusBarFollowsEveryRound)
{
    const StatusBar* bar = control<StatusBar>("statusBar");
    EXPECT_EQ(bar->panelText(0), "Durchgang:");
    EXPECT_EQ(bar->panelText(2), "Räuber:");
    EXPECT_EQ(bar->panelText(4), "Beute:");
    EXPECT_EQ(bar->panelText(6), "Spieler:");
    EXPECT_EQ(bar->panelText(7), "");
    EXPECT_EQ(bar->panelCount(), 9);

    newGame(0);
    // The worked example of seed 0: sides and counts of the first rounds.
    const char* sides[] = {"Räuber", "Beute", "Räuber", "Beute"};
    const int hunters[] = {5, 5, 6, 6}, prey[] = {9, 10, 9, 10};
    for (int i = 0; i < 4; ++i) {
        controller->onTick();
        EXPECT_EQ(bar->panelText(1), QString::number(i + 1));
        EXPECT_EQ(bar->panelText(3), QString::number(hunters[i]));
        EXPECT_EQ(bar->panelText(5), QString::number(prey[i]));
        EXPECT_EQ(bar->panelText(7), sides[i]);
    }
    // A new game leaves the side of the previous game's last round.
    newGame(0);
    EXPECT_EQ(bar->panelText(7), "Beute");
    EXPECT_EQ(bar->panelText(1), "0");
}

// A decision settled on the board without a mouse: Tab to the board, the arrows to the cell,
// Space; a click on a cell the decision refuses changes nothing.
TEST_F(Window, TheBoardSettlesADecisionByKeyboardAndRefusesAWrongClick)
{
    newGame(6);
    chooseInteractive();
    diceUntilDecision();
    const GameCore& core = controller->core();
    Position accepted, refused;
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y) {
            const bool ok = core.pendingChoice() == Choice::PlacePrey
                                ? core.isInBlock({x, y}, core.choicePosition(), Cell::Empty)
                                : core.cell(x, y) == Cell::Hunter;
            (ok ? accepted : refused) = {x, y};
        }
    ASSERT_NE(accepted, Position{});
    ASSERT_NE(refused, Position{});
    const Choice pending = core.pendingChoice();
    BoardWidget& board = this->board();
    QTest::mouseClick(&board, Qt::LeftButton, {}, BoardWidget::tileRect(refused).center());
    EXPECT_EQ(core.pendingChoice(), pending);

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    control("rulesButton")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(board.hasFocus());
    for (int x = board.cursor().x; x < accepted.x; ++x)
        QTest::keyClick(&board, Qt::Key_Right);
    for (int y = board.cursor().y; y < accepted.y; ++y)
        QTest::keyClick(&board, Qt::Key_Down);
    QTest::keyClick(&board, Qt::Key_Space);
    EXPECT_EQ(core.pendingChoice(), Choice::None);
    EXPECT_EQ(board.cell(accepted), pending == Choice::PlacePrey ? Cell::Prey : Cell::Empty);
    EXPECT_TRUE(button("rollButton")->isEnabled());
}

TEST_F(Window, ScreenReadersHearEveryControlByName)
{
    const auto nameOf = [](QObject* object) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
        return a ? a->text(QAccessible::Name) : QString("(none)");
    };
    struct Row {
        const char* control;
        QString name;
    };
    const Row rows[] = {
        {"speedBar", "Geschwindigkeit"},
        {"gameNumberLine", "Spiel Nr."},
        {"instructionLine", "Anweisung für den Spieler"},
        {"runRoundsButton", "Runden vorgeben"},
        {"newGameButton", "Neu"},
        {"board", "Spielfeld"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(nameOf(control(r.control)), r.name) << r.control;
    EXPECT_EQ(nameOf(control<SpinEdit>("sprayRoundsBox")->lineEdit()),
              "Anzahl der Runden, in denen Insektizid eingesetzt wird");

    newGame(2);
    controller->onTick();
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(control("statusBar"));
    ASSERT_EQ(bar->childCount(), 4);
    const QString names[] = {"Durchgang", "Räuber", "Beute", "Spieler"};
    const QString values[] = {"1", QString::number(controller->core().hunterCount()),
                              QString::number(controller->core().preyCount()), "Räuber"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(bar->child(i)->text(QAccessible::Name), names[i]);
        EXPECT_EQ(bar->child(i)->text(QAccessible::Value), values[i]);
    }
}
