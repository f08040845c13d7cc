#pragma once

#include <QColor>
#include <QCoreApplication>

class ByteSeries;
class ChartModel;
class ChartView;

// The analysis panel's chart as the game shows it: the hunters' curve against the left axis, the
// prey's against the right, both axes fixed at 0 to 36, the rounds along the bottom. It gives a
// plain chart that look and knows which series is which; the chart itself knows nothing of the
// game.
//
// The look: a silver panel, margins 1/6/1/1 percent, the left axis titled "Anzahl der Räuber"
// (red), the right "Anzahl der Beute" (blue), the bottom "Durchgang" (in the program's
// language); series(0) "Räuber" (red, 2 pixels, left axis) and series(1) "Beute" (blue,
// 2 pixels, right axis). The back wall gets
// the colour white but stays clear: start-up makes it solid with setBackgroundColor(white), and
// a start-up that fails before then shows the panel colour through the plot.
class PopulationChart {
    Q_DECLARE_TR_FUNCTIONS(PopulationChart)
public:
    // Configures view and its model, which must hold no series yet, and keeps them for the
    // commands below.
    explicit PopulationChart(ChartView& view);

    ChartView& view() { return view_; }
    const ChartView& view() const { return view_; }
    // The counts the curves show, one per round.
    const ByteSeries& hunterPoints() const;
    const ByteSeries& preyPoints() const;

    // One point on each curve, for the round just played.
    void append(int hunters, int prey);
    // Removes every point of both curves.
    void clear();

    // The two colour schemes of the chart menu. Monochrome draws a thin dash-dot hunter curve
    // and a thick solid prey curve on white, told apart without colour, the right title bold.
    void applyStandardColors();
    void applyMonochrome();

    // A curve's colour; its axis title follows it.
    QColor hunterColor() const;
    void setHunterColor(const QColor& color);
    QColor preyColor() const;
    void setPreyColor(const QColor& color);
    // The plot's back wall; setting it makes the wall solid.
    QColor backgroundColor() const;
    void setBackgroundColor(const QColor& color);
    // The panel around the plot.
    QColor borderColor() const;
    void setBorderColor(const QColor& color);

private:
    ChartView& view_;
    ChartModel& model_;
};
