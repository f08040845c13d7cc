// The chart's context-menu commands and the print button.
#include "TForm1.h"

#include "ChartView.h"
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
    PenStyle hunterStyle;
    QColor hunter, prey;
};

void apply(ChartView& chart, const Scheme& s)
{
    chart.setColor(s.panel);
    chart.setMonochrome(s.monochrome);
    chart.leftAxis().grid().setColor(s.grid);
    chart.leftAxis().title().font().setColor(s.leftTitle);
    chart.rightAxis().grid().setColor(s.grid);
    chart.rightAxis().title().font().setColor(s.rightTitle);
    chart.bottomAxis().grid().setColor(s.grid);
    chart.rightAxis().title().font().setBold(s.rightTitleBold);
    chart.series(0).linePen().setWidth(s.hunterWidth);
    chart.series(0).linePen().setStyle(s.hunterStyle);
    chart.series(0).linePen().setColor(s.hunter);
    chart.series(1).linePen().setColor(s.prey);
}
}  // namespace

void TForm1::PMMonoClick()
{
    // A thin dash-dot hunter curve and a thick solid prey curve, told apart without colour;
    // the bold right title tells the two black titles apart.
    apply(*diagramm_, {Qt::white, true, Qt::black, Qt::black, Qt::black, true, 1, PenStyle::DashDot,
                       Qt::black, Qt::black});
}

void TForm1::PMStdClick()
{
    apply(*diagramm_, {QColor(0xC0, 0xC0, 0xC0), false, QColor(0x80, 0x80, 0x80), Qt::red, Qt::blue, false, 2,
                       PenStyle::Solid, Qt::red, Qt::blue});
}

bool TForm1::pickColor(QColor& color)
{
    CDColor_->setColor(color);
    if (!CDColor_->exec())
        return false;
    color = CDColor_->color();
    return true;
}

void TForm1::PMHunterClick()
{
    // The axis title follows its curve's colour.
    QColor c = diagramm_->series(0).linePen().color();
    if (!pickColor(c))
        return;
    diagramm_->series(0).linePen().setColor(c);
    diagramm_->leftAxis().title().font().setColor(c);
}

void TForm1::PMPreyClick()
{
    QColor c = diagramm_->series(1).linePen().color();
    if (!pickColor(c))
        return;
    diagramm_->series(1).linePen().setColor(c);
    diagramm_->rightAxis().title().font().setColor(c);
}

void TForm1::PMBackgroundClick()
{
    QColor c = diagramm_->backColor();
    if (pickColor(c))
        diagramm_->setBackColor(c);
}

void TForm1::PMBorderClick()
{
    QColor c = diagramm_->color();
    if (pickColor(c))
        diagramm_->setColor(c);
}

void TForm1::PMDelClick()
{
    diagramm_->series(0).clear();
    diagramm_->series(1).clear();
}

void TForm1::PMClipClick() { diagramm_->copyChartToClipboard(); }

void TForm1::druckClick()
{
    // The print dialog raises, unopened, when there is no printer at all.
    if (!PrintDialog_->exec())
        return;
    diagramm_->printChart(Printer::instance().printer());
    // A page the print system refused must not pass for printed.
    Printer::instance().checkJobAccepted();
}
