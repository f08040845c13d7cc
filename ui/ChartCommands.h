#pragma once

#include <QCoreApplication>
#include <QString>

class ColorDialog;
class GameController;
class PopulationChart;
class PrintDialog;
class Printer;
class QColor;
class SaveFileChooser;

// What the chart's context menu and the print button do. Each command changes the chart's
// properties in a fixed order; the colour commands change nothing when the dialog is cancelled.
class ChartCommands {
    Q_DECLARE_TR_FUNCTIONS(ChartCommands)
public:
    // controller keeps the chart's points with their rounds and the game's number, which
    // names the files offered; all must outlive the commands.
    ChartCommands(PopulationChart& chart, GameController& controller, ColorDialog& colorDialog,
                  PrintDialog& printDialog, Printer& printer, SaveFileChooser& saveChooser);

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

    // Ask where to, then write the chart's points as CSV, or the chart as a PNG picture (at its
    // size on screen, twice or four times that) or an SVG drawing, chosen by the file type.
    // Nothing happens when the dialog is cancelled; a failed write raises FileWriteError and
    // leaves any old file as it was.
    void saveData();
    void savePicture();

    // Where the save dialogs start: the documents folder, else the home folder.
    static QString saveFolder();

private:
    QString suggestedPath(const QString& extension) const;

    // Offers color in the colour dialog; true, with the choice in color, when it was confirmed.
    bool pickColor(QColor& color);

    PopulationChart& chart_;
    GameController& controller_;
    ColorDialog& colorDialog_;
    PrintDialog& printDialog_;
    Printer& printer_;
    SaveFileChooser& saveChooser_;
};
