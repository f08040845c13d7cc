#include "ControlStates.h"
#include "MainWindowFixture.h"
#include "SpinEdit.h"
#include "Timer.h"
#include "TrackBar.h"

#include <QSlider>

namespace {
class Controller : public MainWindowTest {
protected:
    States states() const { return ControlPanel(*form).read(); }
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

TEST_F(Controller, StartUpState)
{
    EXPECT_EQ(states(), beforeFirstGame);
    EXPECT_EQ(form->width(), MainWindow::clientWidth);
    EXPECT_EQ(form->height(), MainWindow::clientHeight);
    EXPECT_EQ(form->minimumWidth(), form->maximumWidth());
    EXPECT_EQ(form->windowTitle(), "Quorvel");
    EXPECT_TRUE(control("analysisBox")->isHidden());
    EXPECT_TRUE(control("sprayLabel")->isHidden());
    EXPECT_EQ(form->roundTimer().interval(), 500);
    EXPECT_TRUE(form->creditTimer().isEnabled());
    EXPECT_FALSE(control<QLabel>("creditLabel")->text().isEmpty());
}

TEST_F(Controller, CaptionsAndHints)
{
    struct Row {
        const char* name;
        QString caption, hint;
    };
    const Row rows[] = {
        {"newGameButton", "Neu", "Neue Simulation starten"},
        {"quitButton", "Ende", "Programm beenden"},
        {"chartButton", "Diagramm >>", "Ein/Ausblenden eines Populationsverlaufs"},
        {"printButton", "Drucken", "Diagramm drucken"},
        {"startStopButton", "Start", "Simulation starten/stoppen"},
        {"runRoundsButton", QString(QChar(0x2228)), "Eine bestimmte Zahl Spielzüge durchführen"},
        {"rollButton", "Würfeln", "Nächste Runde"},
        {"sprayButton", "Insektizid", "Insektizideinsatz"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(button(r.name)->text(), r.caption) << r.name;
        EXPECT_EQ(button(r.name)->toolTip(), r.hint) << r.name;
    }
    EXPECT_EQ(radio("interactiveButton")->text(), "Interaktiv");
    EXPECT_EQ(radio("interactiveButton")->toolTip(), "Benutzer fällt Entscheidungen");
    EXPECT_EQ(radio("simulationButton")->text(), "Simulation");
    EXPECT_EQ(radio("simulationButton")->toolTip(), "ohne Benutzereingriff");
    EXPECT_EQ(control("speedBar")->toolTip(), "Geschwindigkeit der Simulation");
    EXPECT_EQ(control("sprayRoundsBox")->toolTip(), "Anzahl der Runden, in denen Insektizid eingesetzt wird");
    EXPECT_EQ(control("instructionLine")->toolTip(), "Anweisung für den Spieler");
    EXPECT_EQ(control<QGroupBox>("boardBox")->title(), "Spielfeld");
    EXPECT_EQ(control<QGroupBox>("settingsBox")->title(), "Einstellungen");
    EXPECT_EQ(control<QGroupBox>("analysisBox")->title(), "Analyse");
    EXPECT_EQ(control<QLabel>("sprayLabel")->text(), "Insektizid");
    EXPECT_EQ(control("chart")->toolTip(), "Mit Rechtsklick Diagrammeigenschaften ändern");
}

TEST_F(Controller, StateTableThroughAWholeSession)
{
    newGame(4);
    EXPECT_EQ(states(), simStopped);
    QTest::mouseClick(button("startStopButton"), Qt::LeftButton);
    EXPECT_EQ(states(), simRunning);
    EXPECT_EQ(form->core().roundLimit(), GameCore::noRoundLimit);
    QTest::mouseClick(button("startStopButton"), Qt::LeftButton);
    EXPECT_EQ(states(), simStopped);

    chooseInteractive();
    EXPECT_EQ(states(), intReady);
    diceUntilDecision();
    EXPECT_EQ(states(), intPending);
    EXPECT_TRUE(instruction() == "Beute plazieren" || instruction() == "Räuber stirbt") << instruction().toStdString();

    // Choosing the checked mode again runs nothing.
    chooseInteractive();
    EXPECT_EQ(states(), intPending);

    // Leaving for simulation drops the decision, and the dice is back on returning.
    chooseSimulation();
    EXPECT_EQ(states(), simStopped);
    EXPECT_EQ(form->core().pendingChoice(), Choice::None);
    chooseInteractive();
    EXPECT_EQ(states(), intReady);

    // A new game keeps the mode.
    newGame(5);
    EXPECT_EQ(states(), intReady);
}

TEST_F(Controller, NewGameDuringARunStopsIt)
{
    newGame(1);
    QTest::mouseClick(button("startStopButton"), Qt::LeftButton);
    form->playTimedRound();
    form->playTimedRound();
    ASSERT_EQ(form->core().currentRound(), 2);
    newGame(2);
    EXPECT_EQ(states(), simStopped);
    EXPECT_EQ(form->core().currentRound(), 0);
}

TEST_F(Controller, ModeButtonsAreLockedBeforeTheFirstGameAndDuringARun)
{
    chooseInteractive();
    EXPECT_EQ(states(), beforeFirstGame);
    newGame(1);
    QTest::mouseClick(button("startStopButton"), Qt::LeftButton);
    chooseInteractive();
    EXPECT_EQ(states(), simRunning);
}

TEST_F(Controller, RoundCountCommand)
{
    struct Row {
        const char* name;
        QString text;
        bool cancel;
        bool starts;
        int offset;  // the limit relative to the round counter
    };
    const Row rows[] = {
        {"count", "5", false, true, 5},
        {"hexadecimal count", "$A", false, true, 10},
        {"zero", "0", false, true, 0},
        {"negative", "-3", false, true, -3},
        {"no number", "fünf", false, false, 0},
        {"trailing blank", "5 ", false, false, 0},
        {"empty", "", false, false, 0},
        {"cancelled", "7", true, false, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        newGame(3);
        form->playTimedRound();  // rounds are played directly; the timer itself is not needed
        form->playTimedRound();
        const int round = form->core().currentRound();
        const QString error = runRounds(r.text, r.cancel);
        if (r.starts) {
            EXPECT_TRUE(error.isEmpty()) << error.toStdString();
            EXPECT_EQ(form->core().roundLimit(), round + r.offset);
            EXPECT_EQ(states(), simRunning);
        } else {
            EXPECT_EQ(error, "Die Eingabe war keine gültige Zahl!");
            EXPECT_EQ(form->core().roundLimit(), GameCore::noRoundLimit);
            EXPECT_EQ(states(), simStopped);
        }
    }
}

TEST_F(Controller, RoundLimitPlaysExactlyThatManyRounds)
{
    newGame(8);
    for (int i = 0; i < 100; ++i)
        form->playTimedRound();
    ASSERT_EQ(runRounds("5"), "");
    for (int i = 0; i < 5; ++i)
        form->playTimedRound();
    EXPECT_EQ(form->core().currentRound(), 105);
    EXPECT_EQ(states(), simRunning);
    form->playTimedRound();  // the tick after the fifth round stops the run without a round
    EXPECT_EQ(form->core().currentRound(), 105);
    EXPECT_EQ(states(), simStopped);

    // A count of 0 stops at the first tick.
    ASSERT_EQ(runRounds("0"), "");
    form->playTimedRound();
    EXPECT_EQ(form->core().currentRound(), 105);
    EXPECT_EQ(states(), simStopped);
}

TEST_F(Controller, RoundCountDuringARunReplacesTheLimit)
{
    newGame(8);
    QTest::mouseClick(button("startStopButton"), Qt::LeftButton);
    form->playTimedRound();
    ASSERT_EQ(runRounds("2"), "");
    EXPECT_EQ(form->core().roundLimit(), 3);
    EXPECT_EQ(states(), simRunning);
    // A refused entry during a run changes nothing.
    ASSERT_EQ(runRounds("x"), "Die Eingabe war keine gültige Zahl!");
    EXPECT_EQ(form->core().roundLimit(), 3);
    EXPECT_EQ(states(), simRunning);
    // "Start" itself lifts the limit again.
    QTest::mouseClick(button("startStopButton"), Qt::LeftButton);
    QTest::mouseClick(button("startStopButton"), Qt::LeftButton);
    EXPECT_EQ(form->core().roundLimit(), GameCore::noRoundLimit);
}

TEST_F(Controller, SpeedSetsTheTimerInterval)
{
    newGame(1);
    auto* speed = control<TrackBar>("speedBar");
    struct Row {
        int position, interval;
    };
    for (const Row r : {Row{1000, 1}, Row{1, 1000}, Row{501, 500}, Row{700, 301}}) {
        speed->setPosition(r.position);
        EXPECT_EQ(form->roundTimer().interval(), r.interval) << r.position;
    }
    // Keys act like the user: End goes to the fastest speed, Home to the slowest.
    QTest::keyClick(speed->slider(), Qt::Key_End);
    EXPECT_EQ(form->roundTimer().interval(), 1);
    QTest::keyClick(speed->slider(), Qt::Key_Home);
    EXPECT_EQ(form->roundTimer().interval(), 1000);
}

TEST_F(Controller, InsecticideTakesTheSpinEditValue)
{
    newGame(1);
    auto* sprayRounds = control<SpinEdit>("sprayRoundsBox");
    sprayRounds->setValue(7);
    QTest::mouseClick(button("sprayButton"), Qt::LeftButton);
    EXPECT_EQ(form->core().sprayRoundsLeft(), 7);
    // A typed 0 is clamped to 1 as the focus moves to the button.
    QLineEdit* edit = sprayRounds->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "0");
    QTest::mouseClick(button("sprayButton"), Qt::LeftButton);
    EXPECT_EQ(form->core().sprayRoundsLeft(), 1);
}

TEST_F(Controller, CreditLineIsBlankedOnce)
{
    auto* credit = control<QLabel>("creditLabel");
    const QString text = credit->text();
    form->hideCredit();
    EXPECT_TRUE(credit->text().isEmpty());
    EXPECT_EQ(credit->toolTip(), text);
    EXPECT_FALSE(form->creditTimer().isEnabled());
}

TEST_F(Controller, QuitClosesTheWindow)
{
    QTest::mouseClick(button("quitButton"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Controller, KeyboardStartsInTheInsecticideCountAndFollowsTheTabOrder)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QWidget* sprayRounds = control("sprayRoundsBox");
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_TRUE(sprayRounds->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == sprayRounds)
        << QApplication::focusWidget()->objectName().toStdString();

    // Before the first game only the enabled controls take part: sprayRounds, then the buttons
    // "Neu" and "Ende" and the instruction line, in the button column's order.
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        // The control itself, not a part of it (the spin edit's inner line edit).
        QWidget* w = QApplication::focusWidget();
        while (w && w->parentWidget() && w->parentWidget()->objectName() != "settingsBox" &&
               w->parentWidget()->objectName() != "rightPanel")
            w = w->parentWidget();
        visited << (w ? w->objectName() : QString());
    }
    EXPECT_EQ(visited, (QStringList{"newGameButton", "quitButton", "instructionLine", "sprayRoundsBox"}));
}
