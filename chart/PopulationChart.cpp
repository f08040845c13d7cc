#include "PopulationChart.h"

#include "ChartColor.h"
#include "ChartView.h"

namespace {

// The axis titles are Arial with a character height of 12 pixels.
void setTitle(ChartAxis& axis, const QString& caption, const QColor& color)
{
    axis.title().setCaption(caption);
    ChartFont& font = axis.title().font();
    font.setFamily(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(false);
    font.setColor(color);
}

void addCurve(ChartView& chart, const QString& title, const QColor& color, VerticalAxis axis)
{
    LineSeries& series = chart.addSeries();
    series.setTitle(title);
    series.setVerticalAxis(axis);
    series.linePen().setColor(color);
    series.linePen().setWidth(2);
    series.linePen().setStyle(PenStyle::Solid);
}

}  // namespace

void configurePopulationChart(ChartView& chart)
{
    chart.setObjectName(QStringLiteral("chart"));
    chart.setPrintTitle(QStringLiteral("diagramm"));
    chart.setColor(chartcolor::silver);
    chart.setBackWallColor(chartcolor::white);
    chart.setMargins(1, 6, 1, 1);
    chart.setClipPoints(false);
    chart.setToolTip(QStringLiteral("Mit Rechtsklick Diagrammeigenschaften ändern"));

    chart.leftAxis().setMinMax(0, 36);
    setTitle(chart.leftAxis(), QStringLiteral("Anzahl der Räuber"), chartcolor::red);
    chart.rightAxis().setMinMax(0, 36);
    setTitle(chart.rightAxis(), QStringLiteral("Anzahl der Beute"), chartcolor::blue);
    chart.bottomAxis().setAutomatic(true);
    setTitle(chart.bottomAxis(), QStringLiteral("Durchgang"), chartcolor::black);

    addCurve(chart, QStringLiteral("Räuber"), chartcolor::red, VerticalAxis::Left);
    addCurve(chart, QStringLiteral("Beute"), chartcolor::blue, VerticalAxis::Right);
}
