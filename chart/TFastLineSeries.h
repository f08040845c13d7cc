#pragma once

#include "TByteValueList.h"
#include "TChartPen.h"

#include <QString>

#include <functional>

enum class TVertAxis { Left, Right };

// A curve of the chart: one point per index, drawn as a line through all points with its
// LinePen. A point's x is its index; its y is stored as a whole number from 0 to 255. Appending
// or clearing points, like every property change, calls the owner's change handler.
class TFastLineSeries {
public:
    TFastLineSeries();
    TFastLineSeries(const TFastLineSeries&) = delete;
    TFastLineSeries& operator=(const TFastLineSeries&) = delete;

    // Adds a point with x = Count() and the given y (rounded, clamped to 0..255) and returns its
    // index; returns -1 and stores nothing once the series holds 2³¹ − 1 points.
    int AppendPoint(double y);
    // Removes every point; the next one appended gets x = 0.
    void ClearPoints();
    int Count() const { return values_.count(); }
    // x of the point at index, which is the index itself (0 <= index < Count()).
    double XValue(int index) const { return index; }
    // y of the point at index (0 <= index < Count()).
    double YValue(int index) const { return values_.at(index); }
    // Smallest and largest y over all points; 0 for an empty series.
    double MinYValue() const { return values_.minimum(); }
    double MaxYValue() const { return values_.maximum(); }

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
    TChartPen linePen_;
    QString title_;
    TVertAxis vertAxis_ = TVertAxis::Left;
    bool visible_ = true;
    std::function<void()> onChange_;
    std::function<void()> onPointsAdded_;
};
