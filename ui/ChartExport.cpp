#include "ChartExport.h"

#include "ChartView.h"
#include "GameController.h"
#include "SaveAtomically.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>
#include <QPainter>
#include <QSvgGenerator>

void writeChartData(const GameController& controller, const QString& path)
{
    // The separator goes with the language: a spreadsheet set to German reads semicolons, one
    // set to English commas.
    const CsvFormat format{
        //: The columns' names in a saved CSV file.
        QCoreApplication::translate("ChartExport", "Durchgang").toStdString(),
        QCoreApplication::translate("ChartExport", "Räuber").toStdString(),
        QCoreApplication::translate("ChartExport", "Beute").toStdString(),
        //: The separator of the columns in a saved CSV file.
        QCoreApplication::translate("ChartExport", ";").toStdString(),
    };
    saveAtomically(path, [&](QIODevice& file) {
        return controller.writeChartCsv(format, [&](std::string_view block) {
            return file.write(block.data(), qint64(block.size())) == qint64(block.size());
        });
    });
}

QImage chartPicture(ChartView& chart, int scale)
{
    QImage image(chart.size() * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        chart.draw(painter, QRect(QPoint(0, 0), chart.size()), false);
    }
    return chart.model().isMonochrome() ? ChartView::toMonochrome(image) : image;
}

void writeChartPng(ChartView& chart, const QString& path, int scale)
{
    const QImage image = chartPicture(chart, scale);
    saveAtomically(path, [&](QIODevice& file) { return image.save(&file, "PNG"); });
}

void writeChartSvg(ChartView& chart, const QString& path, const QString& title)
{
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(chart.size());
    generator.setViewBox(QRect(QPoint(0, 0), chart.size()));
    generator.setTitle(title);
    {
        QPainter painter(&generator);
        chart.draw(painter, QRect(QPoint(0, 0), chart.size()), false);
    }
    saveAtomically(path, [&](QIODevice& file) { return file.write(svg.data()) == svg.data().size(); });
}
