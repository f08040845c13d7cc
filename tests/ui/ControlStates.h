#pragma once

#include "MainWindow.h"
#include "Timer.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include <ostream>
#include <stdexcept>
#include <string>

// What the controller's table of control states lists, read off the real widgets.
struct States {
    bool chartButton, print, sim, simChecked, intOn, intChecked, spray, sprayRounds, speed, startStop;
    QString caption;
    bool runRounds, dice, instructionShown;
    bool timer;
    bool operator==(const States&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const States& s)
{
    return os << "gra " << s.chartButton << " druck " << s.print << " sim " << s.sim << "/" << s.simChecked
              << " int " << s.intOn << "/" << s.intChecked << " ins " << s.spray << " insz " << s.sprayRounds
              << " speed " << s.speed << " startstop " << s.startStop << " '"
              << s.caption.toStdString() << "' startx " << s.runRounds << " dice " << s.dice
              << " hilfe " << s.instructionShown << " timer " << s.timer;
}

// The table's five situations, with the analysis panel closed ("printButton" follows the panel).
inline const States beforeFirstGame{false, false, false, true,  false, false, false, true,
                                    false, false, "Start", false, false, true, false};
inline const States simStopped{true, false, true, true, true, false, true, true,
                               true, true, "Start", true, false, false, false};
inline const States simRunning{true, false, true, true, false, false, true, true,
                               true, true, "Stop", true, false, false, true};
inline const States intReady{true, false, true, false, true, true, true, true,
                             false, false, "Start", false, true, true, false};
inline const States intPending{true, false, true, false, true, true, true, true,
                               false, false, "Start", false, false, true, false};

// The window's controls that the table covers, looked up once by their layout names.
class ControlPanel {
public:
    explicit ControlPanel(MainWindow& form)
        : form_(form),
          chartButton(find<QPushButton>("chartButton")),
          print(find<QPushButton>("printButton")),
          sim(find<QRadioButton>("simulationButton")),
          intButton(find<QRadioButton>("interactiveButton")),
          spray(find<QPushButton>("sprayButton")),
          sprayRounds(find<QWidget>("sprayRoundsBox")),
          speed(find<QWidget>("speedBar")),
          startStop(find<QPushButton>("startStopButton")),
          runRounds(find<QPushButton>("runRoundsButton")),
          dice(find<QPushButton>("rollButton")),
          newGame(find<QPushButton>("newGameButton")),
          instruction(find<QLineEdit>("instructionLine"))
    {
    }

    States read() const
    {
        return {chartButton->isEnabled(),       print->isEnabled(),     sim->isEnabled(),
                sim->isChecked(),       intButton->isEnabled(), intButton->isChecked(),
                spray->isEnabled(),       sprayRounds->isEnabled(),      speed->isEnabled(),
                startStop->isEnabled(), startStop->text(),      runRounds->isEnabled(),
                dice->isEnabled(),      !instruction->isHidden(),     form_.roundTimer().isEnabled()};
    }

private:
    template <typename T>
    T* find(const char* name) const
    {
        T* w = form_.findChild<T*>(name);
        if (!w)
            throw std::logic_error(std::string("no control ") + name);
        return w;
    }

    MainWindow& form_;

public:
    QPushButton* const chartButton;
    QPushButton* const print;
    QRadioButton* const sim;
    QRadioButton* const intButton;
    QPushButton* const spray;
    QWidget* const sprayRounds;
    QWidget* const speed;
    QPushButton* const startStop;
    QPushButton* const runRounds;
    QPushButton* const dice;
    QPushButton* const newGame;
    QLineEdit* const instruction;
};
