#include "ChartCommands.h"

#include "ChartView.h"
#include "ColorDialog.h"
#include "PopulationChart.h"
#include "PrintDialog.h"
#include "Printer.h"

ChartCommands::ChartCommands(PopulationChart& chart, ColorDialog& colorDialog, PrintDialog& printDialog,
                             Printer& printer)
    : chart_(chart), colorDialog_(colorDialog), printDialog_(printDialog), printer_(printer)
{
}

void ChartCommands::applyMonochrome() { chart_.applyMonochrome(); }

void ChartCommands::applyStandardColors() { chart_.applyStandardColors(); }

bool ChartCommands::pickColor(QColor& color)
{
    colorDialog_.setColor(color);
    if (!colorDialog_.exec())
        return false;
    color = colorDialog_.color();
    return true;
}

void ChartCommands::pickHunterColor()
{
    QColor c = chart_.hunterColor();
    if (pickColor(c))
        chart_.setHunterColor(c);
}

void ChartCommands::pickPreyColor()
{
    QColor c = chart_.preyColor();
    if (pickColor(c))
        chart_.setPreyColor(c);
}

void ChartCommands::pickBackgroundColor()
{
    QColor c = chart_.backgroundColor();
    if (pickColor(c))
        chart_.setBackgroundColor(c);
}

void ChartCommands::pickBorderColor()
{
    QColor c = chart_.borderColor();
    if (pickColor(c))
        chart_.setBorderColor(c);
}

void ChartCommands::clear() { chart_.clear(); }

void ChartCommands::copyToClipboard() { chart_.view().copyChartToClipboard(); }

void ChartCommands::print()
{
    if (!printDialog_.exec())
        return;
    chart_.view().printChart(printer_.printer());
    printer_.checkJobAccepted();
}
