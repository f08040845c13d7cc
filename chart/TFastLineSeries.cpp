#include "TFastLineSeries.h"

#include <limits>

TFastLineSeries::TFastLineSeries() = default;

int TFastLineSeries::AppendPoint(double y)
{
    const int index = Count();
    if (index == std::numeric_limits<int>::max())
        return -1;
    values_.append(y);
    if (onPointsAdded_)
        onPointsAdded_();
    return index;
}

void TFastLineSeries::ClearPoints()
{
    values_.clear();
    changed();
}

void TFastLineSeries::setTitle(const QString& title)
{
    if (title == title_)
        return;
    title_ = title;
    changed();
}

void TFastLineSeries::setVertAxis(TVertAxis axis)
{
    if (axis == vertAxis_)
        return;
    vertAxis_ = axis;
    changed();
}

void TFastLineSeries::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    changed();
}

void TFastLineSeries::setOnChange(std::function<void()> onChange)
{
    onChange_ = onChange;
    linePen_.setOnChange(std::move(onChange));
}

void TFastLineSeries::setOnPointsAdded(std::function<void()> onPointsAdded)
{
    onPointsAdded_ = std::move(onPointsAdded);
}

void TFastLineSeries::changed()
{
    if (onChange_)
        onChange_();
}
