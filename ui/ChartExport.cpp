#include "ChartExport.h"

#include "ByteSeries.h"
#include "ChartView.h"
#include "PopulationChart.h"
#include "SaveAtomically.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cstdint>

void writeChartData(const PopulationChart& chart, const QString& path)
{
    const ByteSeries& hunters = chart.hunterPoints();
    const ByteSeries& prey = chart.preyPoints();
    const std::int64_t points = std::min(hunters.count(), prey.count());
    // The separator goes with the language: a spreadsheet set to German reads semicolons, one
    // set to English commas.
    //: The separator of the columns in a saved CSV file.
    const QByteArray separator = QCoreApplication::translate("ChartExport", ";").toUtf8();
    //: The columns' names in a saved CSV file.
    const QByteArray header = QCoreApplication::translate("ChartExport", "Durchgang").toUtf8() + separator
                              + QCoreApplication::translate("ChartExport", "Räuber").toUtf8() + separator
                              + QCoreApplication::translate("ChartExport", "Beute").toUtf8();
    saveAtomically(path, [&](QIODevice& file) {
        QByteArray block = "\xEF\xBB\xBF" + header + "\r\n";
        // In blocks, so a chart that has collected millions of points costs little memory.
        for (std::int64_t i = 0; i < points; ++i) {
            block += QByteArray::number(i) + separator + QByteArray::number(int(hunters.at(i))) + separator
                     + QByteArray::number(int(prey.at(i))) + "\r\n";
            if (block.size() > (1 << 20)) {
                if (file.write(block) != block.size())
                    return false;
                block.clear();
            }
        }
        return file.write(block) == block.size();
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
