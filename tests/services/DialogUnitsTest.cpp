#include "DialogUnits.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct MulDivRow {
    int number, numerator, denominator, expected;
};

void PrintTo(const MulDivRow& row, std::ostream* out)
{
    *out << row.number << " * " << row.numerator << " / " << row.denominator;
}

struct MulDivRounds : ::testing::TestWithParam<MulDivRow> {};

TEST_P(MulDivRounds, ToTheNearestWithHalvesAwayFromZero)
{
    const auto& r = GetParam();
    EXPECT_EQ(mulDiv(r.number, r.numerator, r.denominator), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, MulDivRounds, ::testing::Values(
    MulDivRow{8, 6, 4, 12}, MulDivRow{7, 7, 4, 12} /* 12.25 */, MulDivRow{5, 7, 4, 9} /* 8.75 */,
    MulDivRow{1, 6, 4, 2} /* 1.5 */, MulDivRow{3, 6, 4, 5} /* 4.5 */,
    MulDivRow{-1, 6, 4, -2} /* -1.5 */, MulDivRow{1, -6, 4, -2}, MulDivRow{1, 6, -4, -2},
    MulDivRow{-1, -6, 4, 2}, MulDivRow{3, 13, 8, 5} /* 4.875 */, MulDivRow{1, 13, 8, 2},
    MulDivRow{5, 13, 8, 8} /* 8.125 */, MulDivRow{0, 9, 4, 0}, MulDivRow{7, 9, 0, 0} /* nothing to lay out */,
    MulDivRow{std::numeric_limits<int>::max(), 2, 4, 1073741824} /* 1073741823.5 */,
    MulDivRow{std::numeric_limits<int>::max(), 4, 4, std::numeric_limits<int>::max()},
    // 2⁶², the largest product, must not overflow on its way to the quotient
    MulDivRow{std::numeric_limits<int>::min(), std::numeric_limits<int>::min(), std::numeric_limits<int>::min(),
              std::numeric_limits<int>::min()}));

TEST(DialogUnits, ConvertsWithTheirOwnBase)
{
    const DialogUnits units(6, 13);
    EXPECT_EQ(units.h(180), 270);
    EXPECT_EQ(units.h(7), 11);   // 10.5
    EXPECT_EQ(units.v(8), 13);
    EXPECT_EQ(units.v(14), 23);  // 22.75
    EXPECT_EQ(units.v(5), 8);    // 8.125
}

// In a fixed-pitch font every letter has the same advance, so the average is that advance with
// its fraction dropped.
TEST(DialogUnits, AreTheAverageLetterWidthAndTheLineHeightOfTheFont)
{
    int checked = 0;
    for (int pixels = 9; pixels <= 30; ++pixels) {
        SCOPED_TRACE(pixels);
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        const qreal advance = metrics.horizontalAdvance(u'M');
        ASSERT_EQ(metrics.horizontalAdvance(u'A'), metrics.horizontalAdvance(u'z'));
        const qreal fraction = advance - std::floor(advance);
        if (fraction < 0.1 || fraction > 0.9)
            continue;  // too close to a whole number to tell dropping from rounding
        const DialogUnits units(font);
        EXPECT_EQ(units.x(), static_cast<int>(advance));
        EXPECT_EQ(units.y(), QFontMetrics(font).height());
        ++checked;
    }
    EXPECT_GT(checked, 3);
}

}  // namespace
