#pragma once

#include "ByteSeries.h"
#include "ChartPen.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <limits>
#include <span>

enum class VerticalAxis { Left, Right };

// A curve of the chart: one point per index, drawn as a line through all points with its
// LinePen. A point's x is its index; its y is stored as a whole number from 0 to 255. Appending
// or clearing points, like every property change, calls the owner's change handler.
class LineSeries {
public:
    // The most points a series holds: 2³¹ − 1, about 25 days of the fastest game speed.
    static constexpr int maxPoints = std::numeric_limits<int>::max();

    // capacity caps the number of points below maxPoints, so the full-series behaviour can be
    // reached without billions of points.
    explicit LineSeries(int capacity = maxPoints);
    LineSeries(const LineSeries&) = delete;
    LineSeries& operator=(const LineSeries&) = delete;

    // Adds a point with x = count() and the given y (rounded, clamped to 0..255) and returns its
    // index; once the series is full it returns -1 and stores nothing, and the chart keeps
    // showing the points it holds.
    int append(double y);
    // Adds one point per value, in order, as far as the series has room, and returns how many
    // it stored; the chart is told once. Meant for filling a series with many points quickly.
    int append(std::span<const std::uint8_t> values);
    // Removes every point; the next one appended gets x = 0.
    void clear();
    int count() const { return static_cast<int>(values_.count()); }
    int capacity() const { return capacity_; }
    // x of the point at index, which is the index itself (0 <= index < count()).
    double xValue(int index) const { return index; }
    // y of the point at index (0 <= index < count()).
    double yValue(int index) const { return values_.at(index); }
    // Smallest and largest y over all points; 0 for an empty series.
    double minYValue() const { return values_.minimum(); }
    double maxYValue() const { return values_.maximum(); }
    // The stored points with their summary, for drawing.
    const ByteSeries& values() const { return values_; }

    ChartPen& linePen() { return linePen_; }
    const ChartPen& linePen() const { return linePen_; }
    QString title() const { return title_; }
    void setTitle(const QString& title);
    VerticalAxis verticalAxis() const { return vertAxis_; }
    void setVerticalAxis(VerticalAxis axis);
    bool isVisible() const { return visible_; }
    void setVisible(bool visible);

    // Called after any change of points or properties, except appended points...
    void setChangeHandler(std::function<void()> onChange);
    // ...which call this instead, so a chart can show a stream of points at its own pace.
    void setPointsAddedHandler(std::function<void()> onPointsAdded);

private:
    void changed();

    ByteSeries values_;
    int capacity_;
    ChartPen linePen_;
    QString title_;
    VerticalAxis vertAxis_ = VerticalAxis::Left;
    bool visible_ = true;
    std::function<void()> changeHandler_;
    std::function<void()> pointsAddedHandler_;
};
