#pragma once

#include "ChartAxisTitle.h"
#include "ChartColor.h"
#include "ChartFont.h"
#include "ChartPen.h"

#include <QString>

// One axis of the chart: its range (automatic from the points or fixed), its labels, lines,
// ticks, grid and title. Which side it runs along is the model's to say, where a drawing puts
// it ChartLayout's.
struct ChartAxis {
    bool visible = true;
    // Automatic: the range runs from the smallest to the largest value of the series on the axis;
    // otherwise from minimum to maximum.
    bool automatic = true;
    double minimum = 0.0;
    double maximum = 0.0;
    // The desired label step; 0 lets the axis choose.
    double increment = 0.0;

    bool labelsVisible = true;
    ChartFont labelsFont;
    // Extra room between labels, percent of a label's size.
    int labelsSeparation = 10;
    // A number format of the form "#,##0.###": a comma asks for thousands grouping, the zeros
    // and hashes after the point give the least and the most decimals.
    QString valuesFormat = QStringLiteral("#,##0.###");

    ChartPen axisPen{chartcolor::black, 2};
    ChartPen ticks{chartcolor::gray};
    ChartPen innerTicks{chartcolor::gray};
    ChartPen minorTicks{chartcolor::gray};
    ChartPen grid{chartcolor::gray, 1, PenStyle::Dot};
    int tickLength = 4;
    int innerTickLength = 0;
    int minorTickLength = 2;
    int minorTickCount = 3;

    ChartAxisTitle title;

    // value as a label text in valuesFormat, with the separators of the default locale (QLocale()).
    QString formatValue(double value) const;
    // The space between the axis line and the labels: axis pen width plus the longer tick.
    int tickBand() const;

    bool operator==(const ChartAxis&) const = default;
};
