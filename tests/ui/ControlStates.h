#pragma once

#include "TForm1.h"
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
    bool gra, druck, sim, simChecked, intOn, intChecked, ins, insz, speed, startstop;
    QString caption;
    bool startx, dice, hilfeShown;
    bool timer;
    bool operator==(const States&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const States& s)
{
    return os << "gra " << s.gra << " druck " << s.druck << " sim " << s.sim << "/" << s.simChecked
              << " int " << s.intOn << "/" << s.intChecked << " ins " << s.ins << " insz " << s.insz
              << " speed " << s.speed << " startstop " << s.startstop << " '"
              << s.caption.toStdString() << "' startx " << s.startx << " dice " << s.dice
              << " hilfe " << s.hilfeShown << " timer " << s.timer;
}

// The table's five situations, with the analysis panel closed ("druck" follows the panel).
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
    explicit ControlPanel(TForm1& form)
        : form_(form),
          gra(find<QPushButton>("gra")),
          druck(find<QPushButton>("druck")),
          sim(find<QRadioButton>("sim")),
          intButton(find<QRadioButton>("int")),
          ins(find<QPushButton>("ins")),
          insz(find<QWidget>("insz")),
          speed(find<QWidget>("speed")),
          startstop(find<QPushButton>("startstop")),
          startx(find<QPushButton>("startx")),
          dice(find<QPushButton>("dice")),
          neu(find<QPushButton>("neu")),
          hilfe(find<QLineEdit>("hilfe"))
    {
    }

    States read() const
    {
        return {gra->isEnabled(),       druck->isEnabled(),     sim->isEnabled(),
                sim->isChecked(),       intButton->isEnabled(), intButton->isChecked(),
                ins->isEnabled(),       insz->isEnabled(),      speed->isEnabled(),
                startstop->isEnabled(), startstop->text(),      startx->isEnabled(),
                dice->isEnabled(),      !hilfe->isHidden(),     form_.Timer1().isEnabled()};
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

    TForm1& form_;

public:
    QPushButton* const gra;
    QPushButton* const druck;
    QRadioButton* const sim;
    QRadioButton* const intButton;
    QPushButton* const ins;
    QWidget* const insz;
    QWidget* const speed;
    QPushButton* const startstop;
    QPushButton* const startx;
    QPushButton* const dice;
    QPushButton* const neu;
    QLineEdit* const hilfe;
};
