#include "ControlStates.h"
#include "ErrorReporting.h"
#include "FormFixture.h"
#include "SpinEdit.h"
#include "Timer.h"
#include "TrackBar.h"

#include <QSlider>

namespace {
class Controller : public FormTest {
protected:
    States states() const { return ControlPanel(*form).read(); }
    QString hilfe() const { return control<QLineEdit>("hilfe")->text(); }

    // Runs the round-count command, typing text into the prompt (or cancelling it), and
    // returns the text of the error message it showed, if any.
    QString startx(const QString& text, bool cancel = false)
    {
        QString error;
        setErrorBoxHook([&](const QString& message, const QString&) { error = message; });
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
        QTest::mouseClick(button("startx"), Qt::LeftButton);
        setErrorBoxHook({});
        return error;
    }
};
}  // namespace

TEST_F(Controller, StartUpState)
{
    EXPECT_EQ(states(), beforeFirstGame);
    EXPECT_EQ(form->width(), TForm1::clientWidth);
    EXPECT_EQ(form->height(), TForm1::clientHeight);
    EXPECT_EQ(form->minimumWidth(), form->maximumWidth());
    EXPECT_EQ(form->windowTitle(), "Quorvel");
    EXPECT_TRUE(control("dia")->isHidden());
    EXPECT_TRUE(control("inslab")->isHidden());
    EXPECT_EQ(form->Timer1().interval(), 500);
    EXPECT_TRUE(form->ctimer().isEnabled());
    EXPECT_FALSE(control<QLabel>("copyright")->text().isEmpty());
}

TEST_F(Controller, CaptionsAndHints)
{
    struct Row {
        const char* name;
        QString caption, hint;
    };
    const Row rows[] = {
        {"neu", "Neu", "Neue Simulation starten"},
        {"ende", "Ende", "Programm beenden"},
        {"gra", "Diagramm >>", "Ein/Ausblenden eines Populationsverlaufs"},
        {"druck", "Drucken", "Diagramm drucken"},
        {"startstop", "Start", "Simulation starten/stoppen"},
        {"startx", QString(QChar(0x2228)), "Eine bestimmte Zahl Spielzüge durchführen"},
        {"dice", "Würfeln", "Nächste Runde"},
        {"ins", "Insektizid", "Insektizideinsatz"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(button(r.name)->text(), r.caption) << r.name;
        EXPECT_EQ(button(r.name)->toolTip(), r.hint) << r.name;
    }
    EXPECT_EQ(radio("int")->text(), "Interaktiv");
    EXPECT_EQ(radio("int")->toolTip(), "Benutzer fällt Entscheidungen");
    EXPECT_EQ(radio("sim")->text(), "Simulation");
    EXPECT_EQ(radio("sim")->toolTip(), "ohne Benutzereingriff");
    EXPECT_EQ(control("speed")->toolTip(), "Geschwindigkeit der Simulation");
    EXPECT_EQ(control("insz")->toolTip(), "Anzahl der Runden, in denen Insektizid eingesetzt wird");
    EXPECT_EQ(control("hilfe")->toolTip(), "Anweisung für den Spieler");
    EXPECT_EQ(control<QGroupBox>("spielfeld")->title(), "Spielfeld");
    EXPECT_EQ(control<QGroupBox>("setup")->title(), "Einstellungen");
    EXPECT_EQ(control<QGroupBox>("dia")->title(), "Analyse");
    EXPECT_EQ(control<QLabel>("inslab")->text(), "Insektizid");
    EXPECT_EQ(control("diagramm")->toolTip(), "Mit Rechtsklick Diagrammeigenschaften ändern");
}

TEST_F(Controller, StateTableThroughAWholeSession)
{
    newGame(4);
    EXPECT_EQ(states(), simStopped);
    QTest::mouseClick(button("startstop"), Qt::LeftButton);
    EXPECT_EQ(states(), simRunning);
    EXPECT_EQ(form->core().roundLimit(), GameCore::noRoundLimit);
    QTest::mouseClick(button("startstop"), Qt::LeftButton);
    EXPECT_EQ(states(), simStopped);

    chooseInteractive();
    EXPECT_EQ(states(), intReady);
    diceUntilDecision();
    EXPECT_EQ(states(), intPending);
    EXPECT_TRUE(hilfe() == "Beute plazieren" || hilfe() == "Räuber stirbt") << hilfe().toStdString();

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
    QTest::mouseClick(button("startstop"), Qt::LeftButton);
    form->Timer1Timer();
    form->Timer1Timer();
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
    QTest::mouseClick(button("startstop"), Qt::LeftButton);
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
        form->Timer1Timer();  // rounds are played directly; the timer itself is not needed
        form->Timer1Timer();
        const int round = form->core().currentRound();
        const QString error = startx(r.text, r.cancel);
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
        form->Timer1Timer();
    ASSERT_EQ(startx("5"), "");
    for (int i = 0; i < 5; ++i)
        form->Timer1Timer();
    EXPECT_EQ(form->core().currentRound(), 105);
    EXPECT_EQ(states(), simRunning);
    form->Timer1Timer();  // the tick after the fifth round stops the run without a round
    EXPECT_EQ(form->core().currentRound(), 105);
    EXPECT_EQ(states(), simStopped);

    // A count of 0 stops at the first tick.
    ASSERT_EQ(startx("0"), "");
    form->Timer1Timer();
    EXPECT_EQ(form->core().currentRound(), 105);
    EXPECT_EQ(states(), simStopped);
}

TEST_F(Controller, RoundCountDuringARunReplacesTheLimit)
{
    newGame(8);
    QTest::mouseClick(button("startstop"), Qt::LeftButton);
    form->Timer1Timer();
    ASSERT_EQ(startx("2"), "");
    EXPECT_EQ(form->core().roundLimit(), 3);
    EXPECT_EQ(states(), simRunning);
    // A refused entry during a run changes nothing.
    ASSERT_EQ(startx("x"), "Die Eingabe war keine gültige Zahl!");
    EXPECT_EQ(form->core().roundLimit(), 3);
    EXPECT_EQ(states(), simRunning);
    // "Start" itself lifts the limit again.
    QTest::mouseClick(button("startstop"), Qt::LeftButton);
    QTest::mouseClick(button("startstop"), Qt::LeftButton);
    EXPECT_EQ(form->core().roundLimit(), GameCore::noRoundLimit);
}

TEST_F(Controller, SpeedSetsTheTimerInterval)
{
    newGame(1);
    auto* speed = control<TrackBar>("speed");
    struct Row {
        int position, interval;
    };
    for (const Row r : {Row{1000, 1}, Row{1, 1000}, Row{501, 500}, Row{700, 301}}) {
        speed->setPosition(r.position);
        EXPECT_EQ(form->Timer1().interval(), r.interval) << r.position;
    }
    // Keys act like the user: End goes to the fastest speed, Home to the slowest.
    QTest::keyClick(speed->slider(), Qt::Key_End);
    EXPECT_EQ(form->Timer1().interval(), 1);
    QTest::keyClick(speed->slider(), Qt::Key_Home);
    EXPECT_EQ(form->Timer1().interval(), 1000);
}

TEST_F(Controller, InsecticideTakesTheSpinEditValue)
{
    newGame(1);
    auto* insz = control<SpinEdit>("insz");
    insz->setValue(7);
    QTest::mouseClick(button("ins"), Qt::LeftButton);
    EXPECT_EQ(form->core().sprayRoundsLeft(), 7);
    // A typed 0 is clamped to 1 as the focus moves to the button.
    QLineEdit* edit = insz->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "0");
    QTest::mouseClick(button("ins"), Qt::LeftButton);
    EXPECT_EQ(form->core().sprayRoundsLeft(), 1);
}

TEST_F(Controller, CreditLineIsBlankedOnce)
{
    auto* credit = control<QLabel>("copyright");
    const QString text = credit->text();
    form->ctimerTimer();
    EXPECT_TRUE(credit->text().isEmpty());
    EXPECT_EQ(credit->toolTip(), text);
    EXPECT_FALSE(form->ctimer().isEnabled());
}

TEST_F(Controller, EndeClosesTheWindow)
{
    QTest::mouseClick(button("ende"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Controller, KeyboardStartsInTheInsecticideCountAndFollowsTheTabOrder)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QWidget* insz = control("insz");
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_TRUE(insz->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == insz)
        << QApplication::focusWidget()->objectName().toStdString();

    // Before the first game only the enabled controls take part: insz, then the buttons
    // "Neu" and "Ende" and the instruction line, in the button column's order.
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        // The control itself, not a part of it (the spin edit's inner line edit).
        QWidget* w = QApplication::focusWidget();
        while (w && w->parentWidget() && w->parentWidget()->objectName() != "setup" &&
               w->parentWidget()->objectName() != "rightpanel")
            w = w->parentWidget();
        visited << (w ? w->objectName() : QString());
    }
    EXPECT_EQ(visited, (QStringList{"neu", "ende", "hilfe", "insz"}));
}
