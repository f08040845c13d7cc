#pragma once

#include "ChartFont.h"

#include <QString>

#include <functional>

// The caption of an axis and the font it is drawn in. An empty caption takes no room.
class ChartAxisTitle {
public:
    ChartAxisTitle();
    ChartAxisTitle(const ChartAxisTitle&) = delete;
    ChartAxisTitle& operator=(const ChartAxisTitle&) = delete;

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    ChartFont& font() { return font_; }
    const ChartFont& font() const { return font_; }

    void setChangeHandler(std::function<void()> onChange);

private:
    QString caption_;
    ChartFont font_;
    std::function<void()> changeHandler_;
};
