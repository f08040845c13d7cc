#include "ChartAxisTitle.h"

// An axis title starts empty, in the chart's default font: Arial 8 points, which is 11 pixels at
// the 96 pixels per inch the chart is laid out for.
ChartAxisTitle::ChartAxisTitle() : font_(QStringLiteral("Arial"), 11) {}

void ChartAxisTitle::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    if (changeHandler_)
        changeHandler_();
}

void ChartAxisTitle::setChangeHandler(std::function<void()> onChange)
{
    changeHandler_ = onChange;
    font_.setChangeHandler(std::move(onChange));
}
