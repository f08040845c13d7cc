#pragma once

#include "TChartFont.h"

#include <QString>

#include <functional>

// The caption of an axis and the font it is drawn in. An empty caption takes no room.
class TChartAxisTitle {
public:
    TChartAxisTitle();
    TChartAxisTitle(const TChartAxisTitle&) = delete;
    TChartAxisTitle& operator=(const TChartAxisTitle&) = delete;

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }

    void setOnChange(std::function<void()> onChange);

private:
    QString caption_;
    TChartFont font_;
    std::function<void()> onChange_;
};
