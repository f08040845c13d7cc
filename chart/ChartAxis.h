#pragma once

#include "ChartAxisTitle.h"
#include "ChartFont.h"
#include "ChartPen.h"

#include <QString>

#include <functional>

enum class AxisSide { Bottom, Left, Right };

// One axis of the chart: its range (automatic from the points or fixed), its labels, lines,
// ticks, grid and title. Where a drawing puts it is ChartLayout's answer, not the axis's state.
// Every effective property change calls the owner's change handler.
class ChartAxis {
public:
    explicit ChartAxis(AxisSide side);
    ChartAxis(const ChartAxis&) = delete;
    ChartAxis& operator=(const ChartAxis&) = delete;

    AxisSide side() const { return side_; }
    bool isHorizontal() const { return side_ == AxisSide::Bottom; }

    bool isVisible() const { return visible_; }
    // Automatic: the range runs from the smallest to the largest value of the series on the axis.
    bool isAutomatic() const { return automatic_; }
    void setAutomatic(bool automatic);
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    // Fixes the range to minimum..maximum and turns Automatic off.
    void setMinMax(double minimum, double maximum);
    // The desired label step; 0 lets the axis choose.
    double increment() const { return increment_; }

    bool labelsVisible() const { return labels_; }
    ChartFont& labelsFont() { return labelsFont_; }
    const ChartFont& labelsFont() const { return labelsFont_; }
    // Extra room between labels, percent of a label's size.
    int labelsSeparation() const { return labelsSeparation_; }
    // A number format of the form "#,##0.###": a comma asks for thousands grouping, the zeros
    // and hashes after the point give the least and the most decimals.
    QString valuesFormat() const { return valuesFormat_; }
    void setValuesFormat(const QString& format);
    // value as a label text, with the separators of the default locale (QLocale()).
    QString formatValue(double value) const;

    ChartPen& axisPen() { return axisPen_; }
    ChartPen& ticks() { return ticks_; }
    ChartPen& innerTicks() { return ticksInner_; }
    ChartPen& minorTicks() { return minorTicks_; }
    ChartPen& grid() { return grid_; }
    const ChartPen& axisPen() const { return axisPen_; }
    const ChartPen& ticks() const { return ticks_; }
    const ChartPen& innerTicks() const { return ticksInner_; }
    const ChartPen& minorTicks() const { return minorTicks_; }
    const ChartPen& grid() const { return grid_; }
    int tickLength() const { return tickLength_; }
    int innerTickLength() const { return tickInnerLength_; }
    int minorTickLength() const { return minorTickLength_; }
    int minorTickCount() const { return minorTickCount_; }

    ChartAxisTitle& title() { return title_; }
    const ChartAxisTitle& title() const { return title_; }

    // The space between the axis line and the labels: axis pen width plus the longer tick.
    int tickBand() const;

    void setChangeHandler(std::function<void()> onChange);

private:
    void changed();

    AxisSide side_;
    bool visible_ = true;
    bool automatic_ = true;
    double minimum_ = 0.0;
    double maximum_ = 0.0;
    double increment_ = 0.0;
    bool labels_ = true;
    ChartFont labelsFont_;
    int labelsSeparation_ = 10;
    QString valuesFormat_ = QStringLiteral("#,##0.###");
    ChartPen axisPen_;
    ChartPen ticks_;
    ChartPen ticksInner_;
    ChartPen minorTicks_;
    ChartPen grid_;
    int tickLength_ = 4;
    int tickInnerLength_ = 0;
    int minorTickLength_ = 2;
    int minorTickCount_ = 3;
    ChartAxisTitle title_;
    std::function<void()> changeHandler_;
};
