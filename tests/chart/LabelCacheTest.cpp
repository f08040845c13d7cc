// Labels drawn from a kept layout put the same pixels down as text drawn afresh.
#include "ChartImages.h"
#include "LabelCache.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using charttest::pixelFont;

struct LabelCase {
    const char* name;
    QFont font;
    QPoint at;      // start of the baseline
    QColor color;
};

class LabelCacheDrawing : public testing::TestWithParam<LabelCase> {};

TEST_P(LabelCacheDrawing, MatchesDrawText)
{
    const LabelCase& c = GetParam();
    LabelCache cache;
    for (const QString& text : {QStringLiteral("0"), QStringLiteral("36"), QStringLiteral("1.000"),
                                QStringLiteral("40.000.000"), QStringLiteral("Anzahl der Räuber")}) {
        QImage fresh(200, 40, QImage::Format_RGB32);
        fresh.fill(Qt::white);
        QImage kept = fresh;
        {
            QPainter painter(&fresh);
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            painter.setPen(c.color);
            painter.setFont(c.font);
            painter.drawText(c.at, text);
        }
        // Twice, so the second draw comes from the kept layout.
        for (int pass = 0; pass < 2; ++pass) {
            kept.fill(Qt::white);
            QPainter painter(&kept);
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            painter.setPen(c.color);
            cache.draw(painter, c.font, c.at.x(), c.at.y(), text);
        }
        EXPECT_TRUE(kept == fresh) << text.toStdString();
        EXPECT_EQ(cache.width(c.font, text), QFontMetrics(c.font).horizontalAdvance(text)) << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, LabelCacheDrawing,
    testing::Values(LabelCase{"labels", pixelFont(11), QPoint(10, 20), chartcolor::black},
                    LabelCase{"labelsShifted", pixelFont(11), QPoint(13, 27), chartcolor::red},
                    LabelCase{"boldTitle", pixelFont(12, true), QPoint(5, 25), chartcolor::blue},
                    LabelCase{"large", pixelFont(20), QPoint(1, 30), chartcolor::black}),
    [](const testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

}  // namespace
