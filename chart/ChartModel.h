#pragma once

#include "ByteSeries.h"
#include "ChartAxis.h"
#include "LineSeries.h"

#include <QColor>
#include <QObject>

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

// What a chart shows: a bottom, a left and a right axis, any number of line series with their
// points, the colours, margins and flags around them. Its parts are plain values: read one,
// change the copy, set it back. Laying it out, drawing and showing it are ChartLayout's,
// ChartPainter's and ChartView's, and none of them writes into it.
//
// Every setter that changes what is stored emits changed(), and so does clearing a series;
// setting what is already there emits nothing. Appended points emit pointsAdded() instead, so
// that a view can show a stream of points at its own pace. Pen widths and font sizes below 1
// are stored as 1, a negative label separation as 0.
class ChartModel : public QObject {
    Q_OBJECT

public:
    // The most points a series holds: 2³¹ − 1, about 25 days of the fastest game speed.
    static constexpr int maxPoints = std::numeric_limits<int>::max();

    explicit ChartModel(QObject* parent = nullptr);
    ~ChartModel() override;

    // Fill of the whole chart area around the plot; the application palette's button colour
    // at first.
    QColor color() const { return color_; }
    void setColor(const QColor& color) { assign(color_, color); }
    // The back wall (the plot rectangle's fill). Setting BackColor also makes the wall solid.
    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& color);
    // Sets the wall colour only, leaving the wall clear or solid as it is.
    void setBackWallColor(const QColor& color) { assign(backColor_, color); }
    // A clear wall lets the panel colour show through the plot.
    bool isBackWallSolid() const { return backWallSolid_; }

    // Show the chart on screen in black and white only; the chart's colours stay as they are.
    bool isMonochrome() const { return monochrome_; }
    void setMonochrome(bool monochrome) { assign(monochrome_, monochrome); }
    // Clip the curves to the plot rectangle (on by default).
    bool clipsPoints() const { return clipPoints_; }
    void setClipPoints(bool clip) { assign(clipPoints_, clip); }

    // Margins between the chart's edges and the plot area, in percent of width or height.
    int marginLeft() const { return marginLeft_; }
    int marginTop() const { return marginTop_; }
    int marginRight() const { return marginRight_; }
    int marginBottom() const { return marginBottom_; }
    void setMargins(int left, int top, int right, int bottom);

    const ChartAxis& leftAxis() const { return leftAxis_; }
    const ChartAxis& rightAxis() const { return rightAxis_; }
    const ChartAxis& bottomAxis() const { return bottomAxis_; }
    void setLeftAxis(const ChartAxis& axis) { assign(leftAxis_, normalized(axis)); }
    void setRightAxis(const ChartAxis& axis) { assign(rightAxis_, normalized(axis)); }
    void setBottomAxis(const ChartAxis& axis) { assign(bottomAxis_, normalized(axis)); }

    // Adds a series drawn as series says, without points, at the end of the list (drawn over
    // the earlier ones) and returns its index. capacity caps its points below maxPoints, so the
    // full-series behaviour can be reached without billions of points.
    int addSeries(const LineSeries& series = {}, int capacity = maxPoints);
    int seriesCount() const { return static_cast<int>(curves_.size()); }

    // The functions below take the index of a series: 0 <= index < seriesCount(), else they
    // raise std::out_of_range.
    const LineSeries& series(int index) const { return curves_.at(static_cast<std::size_t>(index)).series; }
    void setSeries(int index, const LineSeries& series);
    // The series' points: point i lies at x = i, y = points(index).at(i).
    const ByteSeries& points(int index) const { return curves_.at(static_cast<std::size_t>(index)).points; }
    // Adds a point with x = the series' point count and the given y (rounded, clamped to
    // 0..255) and returns its index; once the series is full it returns -1 and stores nothing,
    // and the chart keeps showing the points it holds.
    int append(int index, double y);
    // Adds one point per value, in order, as far as the series has room, and returns how many
    // it stored; pointsAdded() comes once. Meant for filling a series with many points quickly.
    int append(int index, std::span<const std::uint8_t> values);
    // Removes every point of the series; the next one appended gets x = 0.
    void clear(int index);

signals:
    void changed();
    void pointsAdded();

private:
    struct Curve {
        LineSeries series;
        ByteSeries points;
        int capacity;
    };

    // Stores value in member and emits changed() when that changed it.
    template <typename T>
    void assign(T& member, const T& value)
    {
        if (member == value)
            return;
        member = value;
        emit changed();
    }
    static ChartAxis normalized(ChartAxis axis);
    static LineSeries normalized(LineSeries series);

    QColor color_;
    QColor backColor_;
    bool backWallSolid_ = false;
    bool monochrome_ = false;
    bool clipPoints_ = true;
    int marginLeft_ = 3;
    int marginTop_ = 4;
    int marginRight_ = 3;
    int marginBottom_ = 4;
    ChartAxis leftAxis_;
    ChartAxis rightAxis_;
    ChartAxis bottomAxis_;
    std::vector<Curve> curves_;
};
