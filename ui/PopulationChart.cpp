#include "PopulationChart.h"

#include "ChartColor.h"
#include "ChartView.h"

namespace {

constexpr int hunters = 0;
constexpr int prey = 1;

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

void addCurve(ChartModel& chart, const QString& title, const QColor& color, VerticalAxis axis)
{
    LineSeries& series = chart.addSeries();
    series.setTitle(title);
    series.setVerticalAxis(axis);
    series.linePen().setColor(color);
    series.linePen().setWidth(2);
    series.linePen().setStyle(PenStyle::Solid);
}

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

void apply(ChartModel& chart, const Scheme& s)
{
    chart.setColor(s.panel);
    chart.setMonochrome(s.monochrome);
    chart.leftAxis().grid().setColor(s.grid);
    chart.leftAxis().title().font().setColor(s.leftTitle);
    chart.rightAxis().grid().setColor(s.grid);
    chart.rightAxis().title().font().setColor(s.rightTitle);
    chart.bottomAxis().grid().setColor(s.grid);
    chart.rightAxis().title().font().setBold(s.rightTitleBold);
    chart.series(hunters).linePen().setWidth(s.hunterWidth);
    chart.series(hunters).linePen().setStyle(s.hunterStyle);
    chart.series(hunters).linePen().setColor(s.hunter);
    chart.series(prey).linePen().setColor(s.prey);
}

}  // namespace

PopulationChart::PopulationChart(ChartView& view) : view_(view), model_(view.model())
{
    view.setPrintTitle(tr("diagramm"));
    view.setToolTip(tr("Mit Rechtsklick Diagrammeigenschaften ändern"));

    ChartModel& chart = model_;
    chart.setColor(chartcolor::silver);
    chart.setBackWallColor(chartcolor::white);
    chart.setMargins(1, 6, 1, 1);
    chart.setClipPoints(false);

    chart.leftAxis().setMinMax(0, 36);
    setTitle(chart.leftAxis(), tr("Anzahl der Räuber"), chartcolor::red);
    chart.rightAxis().setMinMax(0, 36);
    setTitle(chart.rightAxis(), tr("Anzahl der Beute"), chartcolor::blue);
    chart.bottomAxis().setAutomatic(true);
    setTitle(chart.bottomAxis(), tr("Durchgang"), chartcolor::black);

    addCurve(chart, tr("Räuber"), chartcolor::red, VerticalAxis::Left);
    addCurve(chart, tr("Beute"), chartcolor::blue, VerticalAxis::Right);
}

LineSeries& PopulationChart::hunterSeries() { return model_.series(hunters); }
LineSeries& PopulationChart::preySeries() { return model_.series(prey); }
const LineSeries& PopulationChart::hunterSeries() const { return model_.series(hunters); }
const LineSeries& PopulationChart::preySeries() const { return model_.series(prey); }

void PopulationChart::append(int hunterCount, int preyCount)
{
    hunterSeries().append(hunterCount);
    preySeries().append(preyCount);
}

void PopulationChart::clear()
{
    hunterSeries().clear();
    preySeries().clear();
}

void PopulationChart::applyMonochrome()
{
    apply(model_, {Qt::white, true, Qt::black, Qt::black, Qt::black, true, 1, PenStyle::DashDot, Qt::black,
                   Qt::black});
}

void PopulationChart::applyStandardColors()
{
    apply(model_, {chartcolor::silver, false, chartcolor::gray, Qt::red, Qt::blue, false, 2, PenStyle::Solid,
                   Qt::red, Qt::blue});
}

QColor PopulationChart::hunterColor() const { return hunterSeries().linePen().color(); }

void PopulationChart::setHunterColor(const QColor& color)
{
    hunterSeries().linePen().setColor(color);
    model_.leftAxis().title().font().setColor(color);
}

QColor PopulationChart::preyColor() const { return preySeries().linePen().color(); }

void PopulationChart::setPreyColor(const QColor& color)
{
    preySeries().linePen().setColor(color);
    model_.rightAxis().title().font().setColor(color);
}

QColor PopulationChart::backgroundColor() const { return model_.backColor(); }

void PopulationChart::setBackgroundColor(const QColor& color) { model_.setBackColor(color); }

QColor PopulationChart::borderColor() const { return model_.color(); }

void PopulationChart::setBorderColor(const QColor& color) { model_.setColor(color); }
