#include "ChartModel.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace {

// The thinnest line and the smallest text the chart draws are one pixel.
void normalize(ChartPen& pen)
{
    pen.width = std::max(1, pen.width);
}

void normalize(ChartFont& font)
{
    font.pixelSize = std::max(1, font.pixelSize);
}

}  // namespace

ChartModel::ChartModel(QObject* parent)
    : QObject(parent), color_(QGuiApplication::palette().color(QPalette::Button))
{
}

ChartModel::~ChartModel() = default;

ChartAxis ChartModel::normalized(ChartAxis axis)
{
    for (ChartPen* pen : {&axis.axisPen, &axis.ticks, &axis.innerTicks, &axis.minorTicks, &axis.grid})
        normalize(*pen);
    normalize(axis.labelsFont);
    normalize(axis.title.font);
    axis.labelsSeparation = std::max(0, axis.labelsSeparation);
    return axis;
}

LineSeries ChartModel::normalized(LineSeries series)
{
    normalize(series.linePen);
    return series;
}

void ChartModel::setBackColor(const QColor& color)
{
    if (color == backColor_ && backWallSolid_)
        return;
    backColor_ = color;
    backWallSolid_ = true;
    emit changed();
}

void ChartModel::setMargins(int left, int top, int right, int bottom)
{
    if (left == marginLeft_ && top == marginTop_ && right == marginRight_ && bottom == marginBottom_)
        return;
    marginLeft_ = left;
    marginTop_ = top;
    marginRight_ = right;
    marginBottom_ = bottom;
    emit changed();
}

int ChartModel::addSeries(const LineSeries& series, int capacity)
{
    curves_.push_back(Curve{normalized(series), {}, std::clamp(capacity, 0, maxPoints)});
    emit changed();
    return seriesCount() - 1;
}

void ChartModel::setSeries(int index, const LineSeries& series)
{
    assign(curves_.at(static_cast<std::size_t>(index)).series, normalized(series));
}

int ChartModel::append(int index, double y)
{
    Curve& curve = curves_.at(static_cast<std::size_t>(index));
    const auto count = static_cast<int>(curve.points.count());
    if (count >= curve.capacity)
        return -1;
    curve.points.append(y);
    emit pointsAdded();
    return count;
}

int ChartModel::append(int index, std::span<const std::uint8_t> values)
{
    Curve& curve = curves_.at(static_cast<std::size_t>(index));
    const auto room = static_cast<std::size_t>(curve.capacity - curve.points.count());
    const std::span<const std::uint8_t> stored = values.first(std::min(room, values.size()));
    curve.points.append(stored);
    if (!stored.empty())
        emit pointsAdded();
    return static_cast<int>(stored.size());
}

void ChartModel::clear(int index)
{
    curves_.at(static_cast<std::size_t>(index)).points.clear();
    emit changed();
}
