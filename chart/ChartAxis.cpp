#include "ChartAxis.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

QString ChartAxis::formatValue(double value) const
{
    const int point = valuesFormat.indexOf(QLatin1Char('.'));
    const QString integral = point < 0 ? valuesFormat : valuesFormat.left(point);
    const QString fraction = point < 0 ? QString() : valuesFormat.mid(point + 1);
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
    return axisPen.width + std::max(tickLength, minorTickLength);
}
