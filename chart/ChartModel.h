#pragma once

#include "ChartAxis.h"
#include "ChartPen.h"
#include "LineSeries.h"

#include <QColor>
#include <QObject>

#include <memory>
#include <vector>

// What a chart shows: a bottom, a left and a right axis, any number of line series, the
// colours, margins and flags around them. Plain data: laying it out, drawing and showing it
// are ChartLayout's, ChartPainter's and ChartView's, and none of them writes into it.
//
// Every effective change of a property, of the axes, pens, fonts and series included, and every
// clearing of a series emits changed(); appended points emit pointsAdded() instead, so that a
// view can show a stream of points at its own pace.
class ChartModel : public QObject {
    Q_OBJECT

public:
    explicit ChartModel(QObject* parent = nullptr);
    ~ChartModel() override;

    // Fill of the whole chart area around the plot; the application palette's button colour
    // at first.
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    // The back wall (the plot rectangle's fill). Setting BackColor also makes the wall solid.
    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& color);
    // Sets the wall colour only, leaving the wall clear or solid as it is.
    void setBackWallColor(const QColor& color);
    // A clear wall lets the panel colour show through the plot.
    bool isBackWallSolid() const { return backWallSolid_; }
    ChartPen& backWallPen() { return backWallPen_; }
    const ChartPen& backWallPen() const { return backWallPen_; }

    // Show the chart on screen in black and white only; the chart's colours stay as they are.
    bool isMonochrome() const { return monochrome_; }
    void setMonochrome(bool monochrome);
    // Clip the curves to the plot rectangle (on by default).
    bool clipsPoints() const { return clipPoints_; }
    void setClipPoints(bool clip);

    // Margins between the chart's edges and the plot area, in percent of width or height.
    int marginLeft() const { return marginLeft_; }
    int marginTop() const { return marginTop_; }
    int marginRight() const { return marginRight_; }
    int marginBottom() const { return marginBottom_; }
    void setMargins(int left, int top, int right, int bottom);

    ChartAxis& leftAxis() { return leftAxis_; }
    ChartAxis& rightAxis() { return rightAxis_; }
    ChartAxis& bottomAxis() { return bottomAxis_; }
    const ChartAxis& leftAxis() const { return leftAxis_; }
    const ChartAxis& rightAxis() const { return rightAxis_; }
    const ChartAxis& bottomAxis() const { return bottomAxis_; }

    // Adds an empty series at the end of the list (drawn over the earlier ones) and returns it.
    LineSeries& addSeries();
    int seriesCount() const { return static_cast<int>(series_.size()); }
    // The series at index (0 <= index < seriesCount(), else std::out_of_range).
    LineSeries& series(int index);
    const LineSeries& series(int index) const;

signals:
    void changed();
    void pointsAdded();

private:
    QColor color_;
    QColor backColor_;
    bool backWallSolid_ = false;
    ChartPen backWallPen_;
    bool monochrome_ = false;
    bool clipPoints_ = true;
    int marginLeft_ = 3;
    int marginTop_ = 4;
    int marginRight_ = 3;
    int marginBottom_ = 4;
    ChartAxis leftAxis_{AxisSide::Left};
    ChartAxis rightAxis_{AxisSide::Right};
    ChartAxis bottomAxis_{AxisSide::Bottom};
    std::vector<std::unique_ptr<LineSeries>> series_;
};
