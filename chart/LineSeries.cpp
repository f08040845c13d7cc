#include "LineSeries.h"

#include <algorithm>

LineSeries::LineSeries(int capacity) : capacity_(std::clamp(capacity, 0, maxPoints)) {}

int LineSeries::append(double y)
{
    const int index = count();
    if (index >= capacity_)
        return -1;
    values_.append(y);
    if (pointsAddedHandler_)
        pointsAddedHandler_();
    return index;
}

int LineSeries::append(std::span<const std::uint8_t> values)
{
    const std::size_t room = static_cast<std::size_t>(capacity_ - count());
    const std::span<const std::uint8_t> stored = values.first(std::min(room, values.size()));
    values_.append(stored);
    if (!stored.empty() && pointsAddedHandler_)
        pointsAddedHandler_();
    return static_cast<int>(stored.size());
}

void LineSeries::clear()
{
    values_.clear();
    changed();
}

void LineSeries::setTitle(const QString& title)
{
    if (title == title_)
        return;
    title_ = title;
    changed();
}

void LineSeries::setVerticalAxis(VerticalAxis axis)
{
    if (axis == vertAxis_)
        return;
    vertAxis_ = axis;
    changed();
}

void LineSeries::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    changed();
}

void LineSeries::setChangeHandler(std::function<void()> onChange)
{
    changeHandler_ = onChange;
    linePen_.setChangeHandler(std::move(onChange));
}

void LineSeries::setPointsAddedHandler(std::function<void()> onPointsAdded)
{
    pointsAddedHandler_ = std::move(onPointsAdded);
}

void LineSeries::changed()
{
    if (changeHandler_)
        changeHandler_();
}
