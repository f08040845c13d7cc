#pragma once

#include "ChartColor.h"
#include "ChartLayout.h"
#include "ChartView.h"
#include "LabelCache.h"
#include "TwoCurveChart.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include <cmath>
#include <memory>

// Helpers for the chart tests: the two-curve test chart, rendered at a fixed size, and the pixel
// questions the tests ask of the result.
namespace charttest {

inline constexpr int chartWidth = 220;
inline constexpr int chartHeight = 352;

inline std::unique_ptr<ChartView> twoCurveChart(int width = chartWidth, int height = chartHeight)
{
    auto chart = std::make_unique<ChartView>();
    setUpTwoCurveChart(*chart);
    chart->resize(width, height);
    return chart;
}

// The chart drawn unbuffered onto a fresh image of its size (or of size, when given).
inline QImage render(ChartView& chart, bool printing = false, QSize size = QSize())
{
    if (!size.isValid())
        size = chart.size();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    chart.draw(painter, image.rect(), printing);
    return image;
}

// Where the chart goes when drawn at its size.
inline ChartGeometry geometryOf(const ChartView& chart)
{
    LabelCache labels;
    return ChartLayout::compute(chart.model(), QRect(QPoint(0, 0), chart.size()), labels);
}

inline QColor at(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

inline bool isDark(const QColor& c)
{
    return qGray(c.rgb()) < 100;
}

// A font as the chart sets it up: family and pixel height.
inline QFont pixelFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The plot rectangle of the two-curve chart at width × height, worked out from the layout rules
// with the fonts' measured sizes: margins 1/6/1/1 percent, then title band, labels band and the
// 6-pixel tick band on the bottom, left and right. Label widths assume the vertical labels of
// the fixed 0–36 axes end in "0" and "36" (a step that divides 36).
struct ExpectedPlot {
    int left, top, right, bottom;
};

inline int percentOf(int percent, int size)
{
    // multiply, then divide, halves away from zero (all values here are positive)
    return (percent * size + 50) / 100;
}

inline ExpectedPlot expectedPlot(int width, int height)
{
    const QFontMetrics title(pixelFont(12));
    const QFontMetrics labels(pixelFont(11));
    const int tickBand = 2 + 4;
    const int labelsWidth = std::max(labels.horizontalAdvance(QStringLiteral("0")),
                                     labels.horizontalAdvance(QStringLiteral("36")))
                            + labels.horizontalAdvance(QStringLiteral(" "));
    ExpectedPlot p{};
    p.left = percentOf(1, width) + title.height() + labelsWidth + tickBand;
    p.right = width - percentOf(1, width) - title.height() - labelsWidth - tickBand;
    p.top = percentOf(6, height);
    p.bottom = height - percentOf(1, height) - title.height() - labels.height() - tickBand;
    return p;
}

// Vertical pixel of value on the fixed 0–36 axes of plot p.
inline int rowOf(const ExpectedPlot& p, double value)
{
    return p.bottom - static_cast<int>(std::nearbyint(value * (p.bottom - p.top) / 36.0));
}

// Makes locale the default for the scope and restores the previous one after it.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(saved_); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    QLocale saved_;
};

// Gives curve index of chart a pen of width and style in its own colour.
inline void setLinePen(ChartModel& chart, int index, int width, PenStyle style = PenStyle::Solid)
{
    LineSeries series = chart.series(index);
    series.linePen.width = width;
    series.linePen.style = style;
    chart.setSeries(index, series);
}

// Fills both curves with n points of the given values.
inline void fill(ChartView& chart, int n, double hunters, double prey)
{
    for (int i = 0; i < n; ++i) {
        chart.model().append(0, hunters);
        chart.model().append(1, prey);
    }
}

}  // namespace charttest
