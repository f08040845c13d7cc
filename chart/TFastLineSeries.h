#pragma once

#include "TByteValueList.h"
#include "TChartPen.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <limits>
#include <span>

enum class TVertAxis { Left, Right };

// A curve of the chart: one point per index, drawn as a line through all points with its
// LinePen. A point's x is its index; its y is stored as a whole number from 0 to 255. Appending
// or clearing points, like every property change, calls the owner's change handler.
class TFastLineSeries {
public:
    // The most points a series holds: 2³¹ − 1, about 25 days of the fastest game speed.
    static constexpr int maxPoints = std::numeric_limits<int>::max();

    // capacity caps the number of points below maxPoints, so the full-series behaviour can be
    // reached without billions of points.
    explicit TFastLineSeries(int capacity = maxPoints);
    TFastLineSeries(const TFastLineSeries&) = delete;
    TFastLineSeries& operator=(const TFastLineSeries&) = delete;

    // Adds a point with x = Count() and the given y (rounded, clamped to 0..255) and returns its
    // index; once the series is full it returns -1 and stores nothing, and the chart keeps
    // showing the points it holds.
    int AppendPoint(double y);
    // Adds one point per value, in order, as far as the series has room, and returns how many
    // it stored; the chart is told once. Meant for filling a series with many points quickly.
    int AppendPoints(std::span<const std::uint8_t> values);
    // Removes every point; the next one appended gets x = 0.
    void ClearPoints();
    int Count() const { return static_cast<int>(values_.count()); }
    int Capacity() const { return capacity_; }
    // x of the point at index, which is the index itself (0 <= index < Count()).
    double XValue(int index) const { return index; }
    // y of the point at index (0 <= index < Count()).
    double YValue(int index) const { return values_.at(index); }
    // Smallest and largest y over all points; 0 for an empty series.
    double MinYValue() const { return values_.minimum(); }
    double MaxYValue() const { return values_.maximum(); }
    // The stored points with their summary, for drawing.
    const TByteValueList& Values() const { return values_; }

    TChartPen& LinePen() { return linePen_; }
    const TChartPen& LinePen() const { return linePen_; }
    QString Title() const { return title_; }
    void setTitle(const QString& title);
    TVertAxis VertAxis() const { return vertAxis_; }
    void setVertAxis(TVertAxis axis);
    bool Visible() const { return visible_; }
    void setVisible(bool visible);

    // Called after any change of points or properties, except appended points...
    void setOnChange(std::function<void()> onChange);
    // ...which call this instead, so a chart can show a stream of points at its own pace.
    void setOnPointsAdded(std::function<void()> onPointsAdded);

private:
    void changed();

    TByteValueList values_;
    int capacity_;
    TChartPen linePen_;
    QString title_;
    TVertAxis vertAxis_ = TVertAxis::Left;
    bool visible_ = true;
    std::function<void()> onChange_;
    std::function<void()> onPointsAdded_;
};
