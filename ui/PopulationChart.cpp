#include "PopulationChart.h"

#include "ChartColor.h"
#include "ChartView.h"

namespace {

constexpr int hunters = 0;
constexpr int prey = 1;

// The axis titles are Arial with a character height of 12 pixels.
ChartAxis titled(ChartAxis axis, const QString& caption, const QColor& color)
{
    axis.title = {caption, ChartFont{QStringLiteral("Arial"), 12, false, color}};
    return axis;
}

// The counts' axes show 0 to 36, whatever the counts.
ChartAxis counting(ChartAxis axis)
{
    axis.automatic = false;
    axis.minimum = 0;
    axis.maximum = 36;
    return axis;
}

LineSeries curve(const QString& title, const QColor& color, VerticalAxis axis)
{
    return {ChartPen{color, 2, PenStyle::Solid}, title, axis};
}

// The properties both colour schemes set.
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
    ChartAxis left = chart.leftAxis();
    left.grid.color = s.grid;
    left.title.font.color = s.leftTitle;
    chart.setLeftAxis(left);
    ChartAxis right = chart.rightAxis();
    right.grid.color = s.grid;
    right.title.font.color = s.rightTitle;
    right.title.font.bold = s.rightTitleBold;
    chart.setRightAxis(right);
    ChartAxis bottom = chart.bottomAxis();
    bottom.grid.color = s.grid;
    chart.setBottomAxis(bottom);
    LineSeries hunterCurve = chart.series(hunters);
    hunterCurve.linePen.width = s.hunterWidth;
    hunterCurve.linePen.style = s.hunterStyle;
    hunterCurve.linePen.color = s.hunter;
    chart.setSeries(hunters, hunterCurve);
    LineSeries preyCurve = chart.series(prey);
    preyCurve.linePen.color = s.prey;
    chart.setSeries(prey, preyCurve);
}

}  // namespace

PopulationChart::PopulationChart(ChartView& view) : view_(view), model_(view.model())
{
    view.setPrintTitle(tr("diagramm"));
    view.setToolTip(tr("Mit Rechtsklick Diagrammeigenschaften ändern"));

    model_.setColor(chartcolor::silver);
    model_.setBackWallColor(chartcolor::white);
    model_.setMargins(1, 6, 1, 1);
    model_.setClipPoints(false);

    model_.setLeftAxis(titled(counting(model_.leftAxis()), tr("Anzahl der Räuber"), chartcolor::red));
    model_.setRightAxis(titled(counting(model_.rightAxis()), tr("Anzahl der Beute"), chartcolor::blue));
    ChartAxis rounds = model_.bottomAxis();
    rounds.automatic = true;
    model_.setBottomAxis(titled(rounds, tr("Durchgang"), chartcolor::black));

    model_.addSeries(curve(tr("Räuber"), chartcolor::red, VerticalAxis::Left));
    model_.addSeries(curve(tr("Beute"), chartcolor::blue, VerticalAxis::Right));
}

const ByteSeries& PopulationChart::hunterPoints() const { return model_.points(hunters); }
const ByteSeries& PopulationChart::preyPoints() const { return model_.points(prey); }

void PopulationChart::append(int hunterCount, int preyCount)
{
    model_.append(hunters, hunterCount);
    model_.append(prey, preyCount);
}

void PopulationChart::clear()
{
    model_.clear(hunters);
    model_.clear(prey);
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

QColor PopulationChart::hunterColor() const { return model_.series(hunters).linePen.color; }

void PopulationChart::setHunterColor(const QColor& color)
{
    LineSeries series = model_.series(hunters);
    series.linePen.color = color;
    model_.setSeries(hunters, series);
    ChartAxis axis = model_.leftAxis();
    axis.title.font.color = color;
    model_.setLeftAxis(axis);
}

QColor PopulationChart::preyColor() const { return model_.series(prey).linePen.color; }

void PopulationChart::setPreyColor(const QColor& color)
{
    LineSeries series = model_.series(prey);
    series.linePen.color = color;
    model_.setSeries(prey, series);
    ChartAxis axis = model_.rightAxis();
    axis.title.font.color = color;
    model_.setRightAxis(axis);
}

QColor PopulationChart::backgroundColor() const { return model_.backColor(); }

void PopulationChart::setBackgroundColor(const QColor& color) { model_.setBackColor(color); }

QColor PopulationChart::borderColor() const { return model_.color(); }

void PopulationChart::setBorderColor(const QColor& color) { model_.setColor(color); }
