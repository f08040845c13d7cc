#include "ChartAxis.h"

#include "ChartColor.h"
#include "ChartMath.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

constexpr double minStep = 1e-12;
constexpr int maxLabelValues = 10000;

// The value after s in the sequence …, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, …: two, five or ten
// times the power of ten of s, whichever comes first above s.
double nextStep(double s)
{
    double p = std::pow(10.0, std::floor(std::log10(s)));
    // log10 of an exact power of ten may land a hair below the whole number.
    if (p * 10.0 <= s)
        p *= 10.0;
    else if (p > s)
        p /= 10.0;
    for (double factor : {2.0, 5.0, 10.0}) {
        if (factor * p > s)
            return factor * p;
    }
    return 10.0 * p;
}

// Stores value in member; true when that changed it.
template <typename T, typename V>
bool assign(T& member, const V& value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}

bool tooManyLabels(double range, double step, double room)
{
    const double q = range / step;
    return q >= chartmath::maxOffset || chartmath::roundHalfEven(q) > room;
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

void ChartAxis::setVisible(bool value)
{
    if (assign(visible_, value))
        changed();
}

void ChartAxis::setAutomatic(bool value)
{
    if (assign(automatic_, value))
        changed();
}

void ChartAxis::setMinimum(double value)
{
    if (assign(minimum_, value))
        changed();
}

void ChartAxis::setMaximum(double value)
{
    if (assign(maximum_, value))
        changed();
}

void ChartAxis::setIncrement(double value)
{
    if (assign(increment_, value))
        changed();
}

void ChartAxis::setLabelsVisible(bool value)
{
    if (assign(labels_, value))
        changed();
}

void ChartAxis::setValuesFormat(const QString& value)
{
    if (assign(valuesFormat_, value))
        changed();
}

void ChartAxis::setTickLength(int value)
{
    if (assign(tickLength_, value))
        changed();
}

void ChartAxis::setInnerTickLength(int value)
{
    if (assign(tickInnerLength_, value))
        changed();
}

void ChartAxis::setMinorTickLength(int value)
{
    if (assign(minorTickLength_, value))
        changed();
}

void ChartAxis::setMinorTickCount(int value)
{
    if (assign(minorTickCount_, value))
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

void ChartAxis::setLabelsSeparation(int percent)
{
    percent = std::max(0, percent);
    if (percent == labelsSeparation_)
        return;
    labelsSeparation_ = percent;
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

int ChartAxis::positionOf(double value) const
{
    const AxisGeometry& g = computed_;
    if (g.range == 0.0)
        return g.center;
    const double offset = (value - g.minimum) * g.length / g.range;
    if (!(std::fabs(offset) < chartmath::maxOffset))
        return g.center;
    const int pixels = static_cast<int>(chartmath::roundHalfEven(offset));
    return isHorizontal() ? g.startPos + pixels : g.endPos - pixels;
}

double ChartAxis::labelStep(int labelSize) const
{
    const AxisGeometry& g = computed_;
    double room = 1.0;
    if (labelSize > 0) {
        const double perLabel =
            labelSize + chartmath::roundHalfEven(labelSize * labelsSeparation_ / 100.0);
        room = chartmath::roundHalfEven(g.length / perLabel);
    }
    if (room < 1.0)
        return minStep;

    double step = increment_ > 0.0 ? increment_ : (std::fabs(g.range) >= 1.0 ? 1.0 : minStep);
    step = std::max(step, minStep);
    while (tooManyLabels(g.range, step, room))
        step = nextStep(step);
    return step;
}

std::vector<double> ChartAxis::labelValues() const
{
    const AxisGeometry& g = computed_;
    std::vector<double> values;
    if (!(g.step > 0.0) || !(std::fabs(g.range / g.step) < maxLabelValues))
        return values;

    double value = g.minimum != g.maximum ? g.step * std::trunc(g.maximum / g.step) : g.maximum;
    while (value > g.maximum) {
        const double lower = value - g.step;
        if (lower == value)
            return values;
        value = lower;
    }
    const double lowest = (g.minimum - minStep) / 1.000000000001;
    while (value >= lowest && static_cast<int>(values.size()) < maxLabelValues) {
        values.push_back(value);
        const double lower = value - g.step;
        if (lower == value)  // a step too small to move a value this large
            break;
        value = lower;
    }
    return values;
}

int ChartAxis::tickBand() const
{
    return axisPen_.width() + std::max(tickLength_, minorTickLength_);
}
