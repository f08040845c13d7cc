#include "ChartModel.h"

#include <QGuiApplication>
#include <QPalette>

ChartModel::ChartModel(QObject* parent)
    : QObject(parent), color_(QGuiApplication::palette().color(QPalette::Button))
{
    for (ChartAxis* axis : {&leftAxis_, &rightAxis_, &bottomAxis_})
        axis->setChangeHandler([this] { emit changed(); });
    backWallPen_.setChangeHandler([this] { emit changed(); });
}

ChartModel::~ChartModel() = default;

void ChartModel::setColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    emit changed();
}

void ChartModel::setBackColor(const QColor& color)
{
    if (color == backColor_ && backWallSolid_)
        return;
    backColor_ = color;
    backWallSolid_ = true;
    emit changed();
}

void ChartModel::setBackWallColor(const QColor& color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    emit changed();
}

void ChartModel::setMonochrome(bool monochrome)
{
    if (monochrome == monochrome_)
        return;
    monochrome_ = monochrome;
    emit changed();
}

void ChartModel::setClipPoints(bool clip)
{
    if (clip == clipPoints_)
        return;
    clipPoints_ = clip;
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

LineSeries& ChartModel::addSeries()
{
    series_.push_back(std::make_unique<LineSeries>());
    LineSeries& series = *series_.back();
    series.setChangeHandler([this] { emit changed(); });
    series.setPointsAddedHandler([this] { emit pointsAdded(); });
    emit changed();
    return series;
}

LineSeries& ChartModel::series(int index)
{
    return *series_.at(static_cast<std::size_t>(index));
}

const LineSeries& ChartModel::series(int index) const
{
    return *series_.at(static_cast<std::size_t>(index));
}
