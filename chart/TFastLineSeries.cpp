#include "TFastLineSeries.h"

#include <algorithm>

TFastLineSeries::TFastLineSeries(int capacity) : capacity_(std::clamp(capacity, 0, maxPoints)) {}

int TFastLineSeries::AppendPoint(double y)
{
    const int index = Count();
    if (index >= capacity_)
        return -1;
    values_.append(y);
    if (onPointsAdded_)
        onPointsAdded_();
    return index;
}

int TFastLineSeries::AppendPoints(std::span<const std::uint8_t> values)
{
    const std::size_t room = static_cast<std::size_t>(capacity_ - Count());
    const std::span<const std::uint8_t> stored = values.first(std::min(room, values.size()));
    values_.append(stored);
    if (!stored.empty() && onPointsAdded_)
        onPointsAdded_();
    return static_cast<int>(stored.size());
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
