#pragma once

#include "TAxisGeometry.h"
#include "TChartAxisTitle.h"
#include "TChartFont.h"
#include "TChartPen.h"

#include <QString>

#include <functional>
#include <vector>

enum class TAxisSide { Bottom, Left, Right };

// One axis of the chart: its range (automatic from the points or fixed), its labels, lines,
// ticks, grid and title, and the values the latest paint computed for it. Every effective
// property change calls the owner's change handler.
class TChartAxis {
public:
    explicit TChartAxis(TAxisSide side);
    TChartAxis(const TChartAxis&) = delete;
    TChartAxis& operator=(const TChartAxis&) = delete;

    TAxisSide Side() const { return side_; }
    bool Horizontal() const { return side_ == TAxisSide::Bottom; }

    bool Visible() const { return visible_; }
    void setVisible(bool visible);
    // Automatic: the range runs from the smallest to the largest value of the series on the axis.
    bool Automatic() const { return automatic_; }
    void setAutomatic(bool automatic);
    double Minimum() const { return minimum_; }
    void setMinimum(double minimum);
    double Maximum() const { return maximum_; }
    void setMaximum(double maximum);
    // Fixes the range to minimum..maximum and turns Automatic off.
    void SetMinMax(double minimum, double maximum);
    // The desired label step; 0 lets the axis choose.
    double increment() const { return increment_; }
    void setIncrement(double increment);

    bool Labels() const { return labels_; }
    void setLabels(bool labels);
    TChartFont& LabelsFont() { return labelsFont_; }
    const TChartFont& LabelsFont() const { return labelsFont_; }
    // Extra room between labels, percent of a label's size; negative values are stored as 0.
    int LabelsSeparation() const { return labelsSeparation_; }
    void setLabelsSeparation(int percent);
    // A number format of the form "#,##0.###": a comma asks for thousands grouping, the zeros
    // and hashes after the point give the least and the most decimals.
    QString AxisValuesFormat() const { return valuesFormat_; }
    void setAxisValuesFormat(const QString& format);
    // value as a label text, with the separators of the default locale (QLocale()).
    QString FormatValue(double value) const;

    TChartPen& AxisPen() { return axisPen_; }
    TChartPen& Ticks() { return ticks_; }
    TChartPen& TicksInner() { return ticksInner_; }
    TChartPen& MinorTicks() { return minorTicks_; }
    TChartPen& Grid() { return grid_; }
    const TChartPen& AxisPen() const { return axisPen_; }
    const TChartPen& Ticks() const { return ticks_; }
    const TChartPen& TicksInner() const { return ticksInner_; }
    const TChartPen& MinorTicks() const { return minorTicks_; }
    const TChartPen& Grid() const { return grid_; }
    int TickLength() const { return tickLength_; }
    void setTickLength(int length);
    int TickInnerLength() const { return tickInnerLength_; }
    void setTickInnerLength(int length);
    int MinorTickLength() const { return minorTickLength_; }
    void setMinorTickLength(int length);
    int MinorTickCount() const { return minorTickCount_; }
    void setMinorTickCount(int count);

    TChartAxisTitle& Title() { return title_; }
    const TChartAxisTitle& Title() const { return title_; }

    // The values of the latest paint.
    const TAxisGeometry& Computed() const { return computed_; }
    TAxisGeometry& Computed() { return computed_; }

    // Pixel position of value along the axis, from the computed range and positions. A range of
    // 0, or an offset of 2³¹ − 1 pixels or more, gives the axis centre.
    int CalcPosValue(double value) const;
    // Label step for labels of labelSize pixels on the computed range and length.
    double CalcLabelStep(int labelSize) const;
    // Label values for the computed range and step, largest first; none when the range holds
    // 10000 steps or more.
    std::vector<double> LabelValues() const;

    // The space between the axis line and the labels: axis pen width plus the longer tick.
    int TickBand() const;

    void setOnChange(std::function<void()> onChange);

private:
    void changed();

    TAxisSide side_;
    bool visible_ = true;
    bool automatic_ = true;
    double minimum_ = 0.0;
    double maximum_ = 0.0;
    double increment_ = 0.0;
    bool labels_ = true;
    TChartFont labelsFont_;
    int labelsSeparation_ = 10;
    QString valuesFormat_ = QStringLiteral("#,##0.###");
    TChartPen axisPen_;
    TChartPen ticks_;
    TChartPen ticksInner_;
    TChartPen minorTicks_;
    TChartPen grid_;
    int tickLength_ = 4;
    int tickInnerLength_ = 0;
    int minorTickLength_ = 2;
    int minorTickCount_ = 3;
    TChartAxisTitle title_;
    TAxisGeometry computed_;
    std::function<void()> onChange_;
};
