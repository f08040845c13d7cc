#include "AxisGeometry.h"

#include "ChartMath.h"

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

bool tooManyLabels(double range, double step, double room)
{
    const double q = range / step;
    return q >= chartmath::maxOffset || chartmath::roundHalfEven(q) > room;
}

}  // namespace

int AxisGeometry::positionOf(double value) const
{
    if (range == 0.0)
        return center;
    const double offset = (value - minimum) * length / range;
    if (!(std::fabs(offset) < chartmath::maxOffset))
        return center;
    const int pixels = static_cast<int>(chartmath::roundHalfEven(offset));
    return isHorizontal() ? startPos + pixels : endPos - pixels;
}

double AxisGeometry::labelStep(int labelSize, double increment, int separationPercent) const
{
    double room = 1.0;
    if (labelSize > 0) {
        const double perLabel =
            labelSize + chartmath::roundHalfEven(labelSize * separationPercent / 100.0);
        room = chartmath::roundHalfEven(length / perLabel);
    }
    if (room < 1.0)
        return minStep;

    double s = increment > 0.0 ? increment : (std::fabs(range) >= 1.0 ? 1.0 : minStep);
    s = std::max(s, minStep);
    while (tooManyLabels(range, s, room))
        s = nextStep(s);
    return s;
}

std::vector<double> AxisGeometry::labelValues() const
{
    std::vector<double> values;
    if (!(step > 0.0) || !(std::fabs(range / step) < maxLabelValues))
        return values;

    double value = minimum != maximum ? step * std::trunc(maximum / step) : maximum;
    while (value > maximum) {
        const double lower = value - step;
        if (lower == value)
            return values;
        value = lower;
    }
    const double lowest = (minimum - minStep) / 1.000000000001;
    while (value >= lowest && static_cast<int>(values.size()) < maxLabelValues) {
        values.push_back(value);
        const double lower = value - step;
        if (lower == value)  // a step too small to move a value this large
            break;
        value = lower;
    }
    return values;
}
