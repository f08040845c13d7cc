// The axis titles: in their bands, centred on their axes, the side ones turned so that their
// glyphs stand on the plot.
#include "ChartImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

namespace {

using namespace charttest;

// The pixels of one colour in an area, as the first and last column of each row they occupy.
struct RowSpan {
    int first, last;
};

std::map<int, RowSpan> spansOf(const QImage& image, const QRect& area, const std::function<bool(QColor)>& inked)
{
    std::map<int, RowSpan> rows;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!inked(at(image, x, y)))
                continue;
            auto [it, fresh] = rows.try_emplace(y, RowSpan{x, x});
            if (!fresh)
                it->second.last = x;
        }
    return rows;
}

// How many rows share the most common value of `edge` (the side the glyphs stand on is
// straight, the other side follows the letter shapes).
template <typename Edge>
int straightness(const std::map<int, RowSpan>& rows, Edge edge)
{
    std::map<int, int> counts;
    for (const auto& [y, span] : rows)
        ++counts[edge(span)];
    int most = 0;
    for (const auto& [x, n] : counts)
        most = std::max(most, n);
    return most;
}

bool reddish(QColor c)
{
    return c.red() > 150 && c.green() < 110 && c.blue() < 110;
}

bool bluish(QColor c)
{
    return c.blue() > 150 && c.red() < 110 && c.green() < 110;
}

// Inked pixels per row of area, from the first inked row to the last.
std::vector<int> inkPerRow(const QImage& image, const QRect& area, const std::function<bool(QColor)>& inked)
{
    std::vector<int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int n = 0;
        for (int x = area.left(); x <= area.right(); ++x)
            n += inked(at(image, x, y)) ? 1 : 0;
        if (n > 0 || !counts.empty())
            counts.push_back(n);
    }
    while (!counts.empty() && counts.back() == 0)
        counts.pop_back();
    return counts;
}

// The same profile for text written horizontally by Qt itself in the title font: inked pixels
// per column, from the first inked column to the last.
std::vector<int> inkPerColumn(const QString& text)
{
    const QFont font = pixelFont(12);
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 4, metrics.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(2, metrics.ascent(), text);
    }
    const QImage turned = image.transformed(QTransform().rotate(90));
    return inkPerRow(turned, turned.rect(), [](QColor c) { return isDark(c) || qGray(c.rgb()) < 200; });
}

std::vector<int> reversed(std::vector<int> v)
{
    std::reverse(v.begin(), v.end());
    return v;
}

// Sum of the differences between two profiles laid over each other from their first entries.
int mismatch(const std::vector<int>& a, const std::vector<int>& b)
{
    int sum = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const int x = i < a.size() ? a[i] : 0;
        const int y = i < b.size() ? b[i] : 0;
        sum += std::abs(x - y);
    }
    return sum;
}

TEST(AxisTitles, LeftTitleReadsUpwardsWithinItsBandStandingOnThePlotSide)
{
    auto chart = twoCurveChart();
    const QImage image = render(*chart);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    const QFontMetrics title(pixelFont(12));
    const int bandLeft = 2;  // 1 % of 220
    const QRect band(bandLeft, 0, title.height(), chartHeight);
    const auto rows = spansOf(image, band, reddish);
    ASSERT_FALSE(rows.empty());
    // nothing red outside the band
    EXPECT_TRUE(spansOf(image, QRect(band.right() + 1, 0, 40, chartHeight), reddish).empty());

    // centred on the axis
    const int center = (p.top + p.bottom) / 2;
    const int textWidth = title.horizontalAdvance(QStringLiteral("Anzahl der Räuber"));
    EXPECT_NEAR(rows.begin()->first, center - textWidth / 2, 2);
    EXPECT_NEAR(rows.rbegin()->first, center + textWidth / 2, 2);

    // The baseline faces the plot: the right-hand edge of the ink is the straight one.
    const int straightRight = straightness(rows, [](RowSpan s) { return s.last; });
    const int straightLeft = straightness(rows, [](RowSpan s) { return s.first; });
    EXPECT_GT(straightRight, straightLeft);
    // Reading upwards: the text's first letters are at the bottom.
    const std::vector<int> profile = inkPerRow(image, band, reddish);
    const std::vector<int> reference = inkPerColumn(QStringLiteral("Anzahl der Räuber"));
    EXPECT_LT(mismatch(reversed(profile), reference), mismatch(profile, reference));
}

TEST(AxisTitles, RightTitleReadsDownwardsWithinItsBandStandingOnThePlotSide)
{
    auto chart = twoCurveChart();
    const QImage image = render(*chart);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    const QFontMetrics title(pixelFont(12));
    const int bandRight = chartWidth - 2;  // exclusive
    const QRect band(bandRight - title.height(), 0, title.height(), chartHeight);
    const auto rows = spansOf(image, band, bluish);
    ASSERT_FALSE(rows.empty());
    EXPECT_TRUE(spansOf(image, QRect(band.left() - 40, 0, 40, chartHeight), bluish).empty());

    const int center = (p.top + p.bottom) / 2;
    const int textWidth = title.horizontalAdvance(QStringLiteral("Anzahl der Beute"));
    EXPECT_NEAR(rows.begin()->first, center - textWidth / 2, 2);
    EXPECT_NEAR(rows.rbegin()->first, center + textWidth / 2, 2);

    const int straightLeft = straightness(rows, [](RowSpan s) { return s.first; });
    const int straightRight = straightness(rows, [](RowSpan s) { return s.last; });
    EXPECT_GT(straightLeft, straightRight);
    // Reading downwards: the text's first letters are at the top.
    const std::vector<int> profile = inkPerRow(image, band, bluish);
    const std::vector<int> reference = inkPerColumn(QStringLiteral("Anzahl der Beute"));
    EXPECT_LT(mismatch(profile, reference), mismatch(reversed(profile), reference));
}

TEST(AxisTitles, BottomTitleIsCentredInTheLowestBand)
{
    auto chart = twoCurveChart();
    const QImage image = render(*chart);
    const ExpectedPlot p = expectedPlot(chartWidth, chartHeight);
    const QFontMetrics title(pixelFont(12));
    const int bandBottom = chartHeight - 4;  // 1 % of 352, rounded
    const QRect band(0, bandBottom - title.height(), chartWidth, title.height());
    int first = chartWidth;
    int last = -1;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = p.left; x <= p.right; ++x)
            if (isDark(at(image, x, y))) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    const int center = (p.left + p.right) / 2;
    const int textWidth = title.horizontalAdvance(QStringLiteral("Durchgang"));
    EXPECT_NEAR(first, center - textWidth / 2, 2);
    EXPECT_NEAR(last, center + textWidth / 2, 2);
    // nothing of it below the band
    for (int y = bandBottom; y < chartHeight - 1; ++y)
        for (int x = p.left; x <= p.right; ++x)
            ASSERT_FALSE(isDark(at(image, x, y))) << x << "," << y;
}

}  // namespace
