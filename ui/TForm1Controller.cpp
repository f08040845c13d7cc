// The game controller: the window's handlers that turn clicks and timer ticks into game
// steps, and the view operations the game core calls back.
#include "TForm1.h"

#include "ErrorReporting.h"
#include "Exception.h"
#include "MessageDialog.h"
#include "ParseInteger.h"
#include "PromptForText.h"
#include "TChart.h"
#include "TImage.h"
#include "TPicture.h"
#include "TSpinEdit.h"
#include "TStatusBar.h"
#include "TTimer.h"
#include "TTrackBar.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString startCaption = QStringLiteral("Start");

QColor toQColor(TColor c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
}  // namespace

// --- start-up ----------------------------------------------------------------------------

void TForm1::FormCreate()
{
    // A picture that cannot be loaded ends the start-up steps here; the error is reported
    // once and the window opens all the same, without tiles.
    try {
        initvars();
        initfeld();
        diagramm_->setBackColor(Qt::white);
    } catch (const std::exception& e) {
        ReportException(e);
    }
}

void TForm1::initvars()
{
    kern_.zufall().SeedFromClock();
    diazeigen_ = false;
    leer_->Picture().LoadFromFile("leer.bmp");
    prey_->Picture().LoadFromFile("prey.bmp");
    hunter_->Picture().LoadFromFile("hunter.bmp");
    background_->Picture().LoadFromFile("back.bmp");
    board_->build(spielfeld_, [this](QObject* tile) { fClick(tile); });
}

void TForm1::initfeld()
{
    kern_.initfeld();
    board_->resetTiles();
}

// --- game commands -----------------------------------------------------------------------

void TForm1::neuClick()
{
    // The window's steps come first: they read nothing of the core, and the tiles must be
    // reset before the new game's closing draw shows its 15 animals.
    PMDelClick();
    for (QWidget* w : {static_cast<QWidget*>(gra_), static_cast<QWidget*>(sim_),
                       static_cast<QWidget*>(int_), static_cast<QWidget*>(ins_)})
        w->setEnabled(true);
    board_->resetTiles();
    board_->setPensSolid();
    kern_.neuspiel();
    if (int_->isChecked())
        intClick();
    else
        simClick();
}

void TForm1::endeClick() { close(); }

void TForm1::Timer1Timer()
{
    if (kern_.rundenziel() == kern_.durchgang()) {
        startstopClick(this);
        return;
    }
    kern_.runde(true);
}

void TForm1::diceClick() { kern_.runde(false); }

void TForm1::intClick()
{
    if (!int_->isChecked())
        return;
    // A decision dropped by the switch takes its stale instruction with it.
    if (kern_.warten() != Entscheidung::keine)
        hilfe_->clear();
    kern_.dropDecision();
    startstop_->setText(startCaption);
    startstop_->setEnabled(false);
    startx_->setEnabled(false);
    dice_->setEnabled(true);
    speed_->setEnabled(false);
    timer1_->setEnabled(false);
    hilfe_->show();
}

void TForm1::simClick()
{
    if (!sim_->isChecked())
        return;
    if (kern_.warten() != Entscheidung::keine)
        hilfe_->clear();
    kern_.dropDecision();
    startstop_->setText(startCaption);
    startstop_->setEnabled(true);
    startx_->setEnabled(true);
    dice_->setEnabled(false);
    speed_->setEnabled(true);
    timer1_->setEnabled(false);
    hilfe_->hide();
}

void TForm1::startstopClick(QObject* sender)
{
    // The caption is the run state: the timer runs exactly while it reads "Stop".
    if (startstop_->text() == startCaption) {
        if (sender != startx_)
            kern_.setrundenziel(TSpielkern::keinLimit);
        hilfe_->clear();
        startstop_->setText("Stop");
        timer1_->setEnabled(true);
        int_->setEnabled(false);
    } else {
        startstop_->setText(startCaption);
        timer1_->setEnabled(false);
        int_->setEnabled(true);
    }
}

void TForm1::startxClick(QObject* sender)
{
    QString text;
    PromptForText("Rundenvorgabe", "Wieviele Runden sollen simuliert werden", text, this);
    try {
        const std::int32_t count = ParseInteger(text);
        // The counter of this moment: a run may have gone on while the prompt was open.
        // The sum wraps like the 32-bit counters it is compared with.
        const auto ziel = static_cast<std::int32_t>(static_cast<std::uint32_t>(kern_.durchgang()) +
                                                    static_cast<std::uint32_t>(count));
        kern_.setrundenziel(ziel);
        startstop_->setText(startCaption);
        startstopClick(sender);
    } catch (const EConvertError&) {
        ShowMessageDialog("Die Eingabe war keine gültige Zahl!", MessageKind::Error, MessageButtons::Ok, 0);
    }
}

void TForm1::speedChange() { timer1_->setInterval(1001 - speed_->Position()); }

void TForm1::insClick() { kern_.setinsrunden(insz_->Value()); }

void TForm1::ctimerTimer()
{
    copyright_->clear();
    ctimer_->setEnabled(false);
}

void TForm1::fClick(QObject* sender)
{
    if (kern_.warten() == Entscheidung::keine)
        return;
    int x = 0, y = 0;
    if (board_->cellOf(sender, x, y))
        kern_.clickfeld(x, y);
}

// --- analysis panel ----------------------------------------------------------------------

void TForm1::graClick()
{
    diazeigen_ = !diazeigen_;
    gra_->setText(diazeigen_ ? "Diagramm <<" : "Diagramm >>");
    druck_->setEnabled(diazeigen_);
    dia_->setVisible(diazeigen_);
    applyWidthLimits();
    // A maximised window is maximised anew under the new limits.
    if (isMaximized()) {
        showNormal();
        showMaximized();
    }
}

// --- what the game core shows ------------------------------------------------------------

void TForm1::drawfeld()
{
    bar_->setPanelText(1, QString::number(kern_.durchgang()));
    bar_->setPanelText(3, QString::number(kern_.anzraeuber()));
    bar_->setPanelText(5, QString::number(kern_.anzbeute()));
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            if (kern_.takeRedraw(x, y) && board_->built())
                board_->drawfeldxy(board_->kachel(x, y), kern_.feld(x, y));
}

void TForm1::markfeld(int x, int y)
{
    if (kern_.markx() != 0 && kern_.marky() != 0)
        board_->setRahmenColor(kern_.markx(), kern_.marky(), Qt::black);
    board_->setRahmenColor(x, y, Qt::blue);
}

void TForm1::setspielertext(std::string_view text) { bar_->setPanelText(7, fromView(text)); }

void TForm1::sethilfetext(std::string_view text) { hilfe_->setText(fromView(text)); }

void TForm1::setdiceenabled(bool enabled) { dice_->setEnabled(enabled); }

void TForm1::setrahmencolor(int x, int y, TColor colour) { board_->setRahmenColor(x, y, toQColor(colour)); }

void TForm1::setinslabvisible(bool visible) { inslab_->setVisible(visible); }

void TForm1::addchartpoints(std::uint8_t hunters, std::uint8_t prey)
{
    if (!diazeigen_)
        return;
    diagramm_->Series(0).AppendPoint(hunters);
    diagramm_->Series(1).AppendPoint(prey);
}
