#pragma once

class ColorDialog;
class PopulationChart;
class PrintDialog;
class Printer;
class QColor;

// What the chart's context menu and the print button do. Each command changes the chart's
// properties in a fixed order; the colour commands change nothing when the dialog is cancelled.
class ChartCommands {
public:
    ChartCommands(PopulationChart& chart, ColorDialog& colorDialog, PrintDialog& printDialog, Printer& printer);

    void applyMonochrome();
    void applyStandardColors();
    void pickHunterColor();
    void pickPreyColor();
    void pickBackgroundColor();
    void pickBorderColor();
    void clear();
    void copyToClipboard();
    // Asks for a printer and prints the chart on one page. The print dialog raises, unopened,
    // when there is no printer at all; a page the print system refuses raises the printer error.
    void print();

private:
    // Offers color in the colour dialog; true, with the choice in color, when it was confirmed.
    bool pickColor(QColor& color);

    PopulationChart& chart_;
    ColorDialog& colorDialog_;
    PrintDialog& printDialog_;
    Printer& printer_;
};
