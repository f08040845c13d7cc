#include "ChartAxis.h"

#include "ChartColor.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// Stores value in member; true when that changed it.
template <typename T, typename V>
bool assign(T& member, const V& value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}

}  // namespace

ChartAxis::ChartAxis(AxisSide side)
    : side_(side),
      labelsFont_(QStringLiteral("Arial"), 11),
      axisPen_(chartcolor::black, 2),
      ticks_(chartcolor::gray),
      ticksInner_(chartcolor::gray),
      minorTicks_(chartcolor::gray),
      grid_(chartcolor::gray, 1, PenStyle::Dot)
{
}

void ChartAxis::setChangeHandler(std::function<void()> onChange)
{
    changeHandler_ = onChange;
    labelsFont_.setChangeHandler(onChange);
    for (ChartPen* pen : {&axisPen_, &ticks_, &ticksInner_, &minorTicks_, &grid_})
        pen->setChangeHandler(onChange);
    title_.setChangeHandler(std::move(onChange));
}

void ChartAxis::changed()
{
    if (changeHandler_)
        changeHandler_();
}

void ChartAxis::setAutomatic(bool value)
{
    if (assign(automatic_, value))
        changed();
}

void ChartAxis::setValuesFormat(const QString& value)
{
    if (assign(valuesFormat_, value))
        changed();
}

void ChartAxis::setMinMax(double minimum, double maximum)
{
    if (!automatic_ && minimum == minimum_ && maximum == maximum_)
        return;
    automatic_ = false;
    minimum_ = minimum;
    maximum_ = maximum;
    changed();
}

QString ChartAxis::formatValue(double value) const
{
    const int point = valuesFormat_.indexOf(QLatin1Char('.'));
    const QString integral = point < 0 ? valuesFormat_ : valuesFormat_.left(point);
    const QString fraction = point < 0 ? QString() : valuesFormat_.mid(point + 1);
    const int minDecimals = static_cast<int>(fraction.count(QLatin1Char('0')));
    const int maxDecimals = minDecimals + static_cast<int>(fraction.count(QLatin1Char('#')));

    QLocale locale;
    QLocale::NumberOptions options = locale.numberOptions();
    if (integral.contains(QLatin1Char(',')))
        options &= ~QLocale::NumberOptions(QLocale::OmitGroupSeparator);
    else
        options |= QLocale::OmitGroupSeparator;
    locale.setNumberOptions(options);

    // Rounding first keeps values a hair below zero (left over from stepping down) from
    // printing as "-0"; then as few decimals as the value needs, within the format's bounds.
    double rounded = std::round(value * std::pow(10.0, maxDecimals)) / std::pow(10.0, maxDecimals);
    if (rounded == 0.0)
        rounded = 0.0;
    int decimals = minDecimals;
    while (decimals < maxDecimals) {
        const double scaled = rounded * std::pow(10.0, decimals);
        if (std::fabs(scaled - std::round(scaled)) < 1e-9 * std::max(1.0, std::fabs(scaled)))
            break;
        ++decimals;
    }
    return locale.toString(rounded, 'f', decimals);
}

int ChartAxis::tickBand() const
{
    return axisPen_.width() + std::max(tickLength_, minorTickLength_);
}
