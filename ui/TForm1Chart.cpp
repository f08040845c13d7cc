// The chart's context-menu commands and the print button.
#include "TForm1.h"

#include "TChart.h"
#include "ColorDialog.h"
#include "PrintDialog.h"
#include "Printer.h"

namespace {
// The properties both colour schemes set, in the order they set them.
struct Scheme {
    QColor panel;
    bool monochrome;
    QColor grid, leftTitle, rightTitle;
    bool rightTitleBold;
    int hunterWidth;
    TPenStyle hunterStyle;
    QColor hunter, prey;
};

void apply(TChart& chart, const Scheme& s)
{
    chart.setColor(s.panel);
    chart.setMonochrome(s.monochrome);
    chart.LeftAxis().Grid().setColor(s.grid);
    chart.LeftAxis().Title().Font().setColor(s.leftTitle);
    chart.RightAxis().Grid().setColor(s.grid);
    chart.RightAxis().Title().Font().setColor(s.rightTitle);
    chart.BottomAxis().Grid().setColor(s.grid);
    chart.RightAxis().Title().Font().setBold(s.rightTitleBold);
    chart.Series(0).LinePen().setWidth(s.hunterWidth);
    chart.Series(0).LinePen().setStyle(s.hunterStyle);
    chart.Series(0).LinePen().setColor(s.hunter);
    chart.Series(1).LinePen().setColor(s.prey);
}
}  // namespace

void TForm1::PMMonoClick()
{
    // A thin dash-dot hunter curve and a thick solid prey curve, told apart without colour;
    // the bold right title tells the two black titles apart.
    apply(*diagramm_, {Qt::white, true, Qt::black, Qt::black, Qt::black, true, 1, TPenStyle::DashDot,
                       Qt::black, Qt::black});
}

void TForm1::PMStdClick()
{
    apply(*diagramm_, {QColor(0xC0, 0xC0, 0xC0), false, QColor(0x80, 0x80, 0x80), Qt::red, Qt::blue, false, 2,
                       TPenStyle::Solid, Qt::red, Qt::blue});
}

bool TForm1::pickColour(QColor& colour)
{
    CDColor_->setColor(colour);
    if (!CDColor_->exec())
        return false;
    colour = CDColor_->color();
    return true;
}

void TForm1::PMHunterClick()
{
    // The axis title follows its curve's colour.
    QColor c = diagramm_->Series(0).LinePen().color();
    if (!pickColour(c))
        return;
    diagramm_->Series(0).LinePen().setColor(c);
    diagramm_->LeftAxis().Title().Font().setColor(c);
}

void TForm1::PMPreyClick()
{
    QColor c = diagramm_->Series(1).LinePen().color();
    if (!pickColour(c))
        return;
    diagramm_->Series(1).LinePen().setColor(c);
    diagramm_->RightAxis().Title().Font().setColor(c);
}

void TForm1::PMBackgroundClick()
{
    QColor c = diagramm_->BackColor();
    if (pickColour(c))
        diagramm_->setBackColor(c);
}

void TForm1::PMBorderClick()
{
    QColor c = diagramm_->color();
    if (pickColour(c))
        diagramm_->setColor(c);
}

void TForm1::PMDelClick()
{
    diagramm_->Series(0).ClearPoints();
    diagramm_->Series(1).ClearPoints();
}

void TForm1::PMClipClick() { diagramm_->CopyChartBitmap(); }

void TForm1::druckClick()
{
    // The print dialog raises, unopened, when there is no printer at all.
    if (!PrintDialog_->exec())
        return;
    diagramm_->PrintChart(Printer::instance().printer());
    // A page the print system refused must not pass for printed.
    Printer::instance().checkJobAccepted();
}
