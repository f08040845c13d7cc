#include "PopulationChart.h"

#include "ChartColor.h"
#include "TChart.h"

namespace {

// The axis titles are Arial with a character height of 12 pixels.
void setTitle(TChartAxis& axis, const QString& caption, const QColor& color)
{
    axis.Title().setCaption(caption);
    TChartFont& font = axis.Title().Font();
    font.setName(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(false);
    font.setColor(color);
}

void addCurve(TChart& chart, const QString& title, const QColor& color, TVertAxis axis)
{
    TFastLineSeries& series = chart.AddSeries();
    series.setTitle(title);
    series.setVertAxis(axis);
    series.LinePen().setColor(color);
    series.LinePen().setWidth(2);
    series.LinePen().setStyle(TPenStyle::Solid);
}

}  // namespace

void configurePopulationChart(TChart& chart)
{
    chart.setObjectName(QStringLiteral("diagramm"));
    chart.setColor(chartcolor::silver);
    chart.setBackWallColor(chartcolor::white);
    chart.setMargins(1, 6, 1, 1);
    chart.setClipPoints(false);
    chart.setToolTip(QStringLiteral("Mit Rechtsklick Diagrammeigenschaften ändern"));

    chart.LeftAxis().SetMinMax(0, 36);
    setTitle(chart.LeftAxis(), QStringLiteral("Anzahl der Räuber"), chartcolor::red);
    chart.RightAxis().SetMinMax(0, 36);
    setTitle(chart.RightAxis(), QStringLiteral("Anzahl der Beute"), chartcolor::blue);
    chart.BottomAxis().setAutomatic(true);
    setTitle(chart.BottomAxis(), QStringLiteral("Durchgang"), chartcolor::black);

    addCurve(chart, QStringLiteral("Räuber"), chartcolor::red, TVertAxis::Left);
    addCurve(chart, QStringLiteral("Beute"), chartcolor::blue, TVertAxis::Right);
}
