#pragma once

#include "SeriesSettings.h"

#include <QWidget>

#include <cstdint>
#include <vector>

struct SeriesResult;

// One condition of a series as a picture: above, the mean count of hunters (red) and prey (blue)
// after every round, each in a light band from the 10th to the 90th percentile of the games, on
// an axis of 0 to 36 animals; below, the share of games in which each side stands at 0 after the
// round (solid) and in which it has stood at 0 at some round so far (dashed), 0 to 100 %. The
// rounds that spray are shaded green. Without a result only the axes show.
class SeriesChart : public QWidget {
    Q_OBJECT
public:
    explicit SeriesChart(QWidget* parent = nullptr);

    // Shows condition of result, which must outlive the chart or be replaced first; null shows
    // none.
    void setResult(const SeriesResult* result, SeriesCondition condition);

    // Draws the chart into rect of painter's device, as on screen.
    void draw(QPainter& painter, const QRect& rect) const;

    QSize sizeHint() const override { return {420, 300}; }
    QSize minimumSizeHint() const override { return {280, 220}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const SeriesResult* result_ = nullptr;
    SeriesCondition condition_ = SeriesCondition::Unsprayed;
    std::vector<std::int32_t> sprayedRounds_;
};
