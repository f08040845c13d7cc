#include "ChartCommands.h"

#include "ChartExport.h"
#include "ChartView.h"
#include "ColorDialog.h"
#include "GameController.h"
#include "PopulationChart.h"
#include "PrintDialog.h"
#include "Printer.h"
#include "SaveFileChooser.h"

#include <QDir>
#include <QStandardPaths>


ChartCommands::ChartCommands(PopulationChart& chart, GameController& controller, ColorDialog& colorDialog,
                             PrintDialog& printDialog, Printer& printer, SaveFileChooser& saveChooser)
    : chart_(chart),
      controller_(controller),
      colorDialog_(colorDialog),
      printDialog_(printDialog),
      printer_(printer),
      saveChooser_(saveChooser)
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

// The controller clears its record of the points and then the curves.
void ChartCommands::clear() { controller_.onClearChart(); }

void ChartCommands::copyToClipboard() { chart_.view().copyChartToClipboard(); }

void ChartCommands::print()
{
    if (!printDialog_.exec())
        return;
    chart_.view().printChart(printer_.printer());
    printer_.checkJobAccepted();
}

QString ChartCommands::saveFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

QString ChartCommands::suggestedPath(const QString& extension) const
{
    const std::optional<std::uint32_t> number = controller_.gameNumber();
    //: The name a saved file is offered under: %1 the game's number, %2 the file's extension.
    const QString name = number ? tr("quorvel-spiel-%1.%2").arg(*number).arg(extension)
                                : QStringLiteral("quorvel.%1").arg(extension);
    return QDir(saveFolder()).filePath(name);
}

void ChartCommands::saveData()
{
    const SaveFileChooser::Choice choice = saveChooser_.choose(
        tr("Daten als CSV speichern"), suggestedPath(QStringLiteral("csv")), {tr("CSV-Dateien (*.csv)")});
    if (!choice.path.isEmpty())
        writeChartData(controller_, choice.path);
}

void ChartCommands::savePicture()
{
    // The file type decides the format, and for PNG the size: a scale, or 0 for SVG.
    const PictureChoice choice =
        choosePicture(saveChooser_, tr("Diagramm als Bild speichern"), suggestedPath(QStringLiteral("png")),
                      {{tr("PNG-Bild in Bildschirmgröße (*.png)"), 1},
                       {tr("PNG-Bild in doppelter Größe (*.png)"), 2},
                       {tr("PNG-Bild in vierfacher Größe (*.png)"), 4},
                       {tr("SVG-Grafik (*.svg)"), 0}});
    if (choice.path.isEmpty())
        return;
    if (choice.pngScale == 0) {
        const std::optional<std::uint32_t> number = controller_.gameNumber();
        writeChartSvg(chart_.view(), choice.path,
                      number ? tr("Quorvel, Spiel %1").arg(*number) : QStringLiteral("Quorvel"));
    } else {
        writeChartPng(chart_.view(), choice.path, choice.pngScale);
    }
}
