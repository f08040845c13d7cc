#include "TChartAxisTitle.h"

// An axis title starts empty, in the chart's default font: Arial 8 points, which is 11 pixels at
// the 96 pixels per inch the chart is laid out for.
TChartAxisTitle::TChartAxisTitle() : font_(QStringLiteral("Arial"), 11) {}

void TChartAxisTitle::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    if (onChange_)
        onChange_();
}

void TChartAxisTitle::setOnChange(std::function<void()> onChange)
{
    onChange_ = onChange;
    font_.setOnChange(std::move(onChange));
}
