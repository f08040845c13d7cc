// Axis arithmetic: label steps, label values, value-to-pixel mapping and label texts.
#include "AxisGeometry.h"
#include "ChartAxis.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <vector>

namespace {

AxisGeometry laidOut(AxisSide side, double minimum, double maximum, int start, int end)
{
    AxisGeometry g;
    g.side = side;
    g.minimum = minimum;
    g.maximum = maximum;
    g.range = maximum - minimum;
    g.startPos = start;
    g.endPos = end;
    g.length = end - start;
    g.center = (start + end) / 2;
    return g;
}

struct StepCase {
    const char* name;
    double minimum, maximum;
    int length, labelSize, separation;
    double increment;
    double step;
};

class AxisLabelStep : public testing::TestWithParam<StepCase> {};

TEST_P(AxisLabelStep, FollowsTheOneTwoFiveSequenceUntilTheLabelsFit)
{
    const StepCase& c = GetParam();
    const AxisGeometry g = laidOut(AxisSide::Left, c.minimum, c.maximum, 0, c.length);
    EXPECT_DOUBLE_EQ(g.labelStep(c.labelSize, c.increment, c.separation), c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AxisLabelStep,
    testing::Values(
        // 15 pixels per label, room for 20: 36 steps of 1 are too many, 18 of 2 fit.
        StepCase{"fixed0to36", 0, 36, 300, 14, 10, 0, 2},
        // 13 pixels per label, room for 15: 99, 50 and 20 labels are too many, 10 fit.
        StepCase{"rounds0to99", 0, 99, 200, 12, 10, 0, 10},
        // 14 + 7 pixels per label, room for 14: step 2 gives 18, step 5 gives 7.
        StepCase{"wideSeparation", 0, 36, 300, 14, 50, 0, 5},
        StepCase{"incrementFits", 0, 36, 300, 14, 10, 3, 3},
        // room for 7: 12 labels of 3 are too many, the next step above 3 is 5.
        StepCase{"incrementTooSmall", 0, 36, 100, 14, 10, 3, 5},
        StepCase{"twoPoints", 0, 1, 140, 6, 10, 0, 1},
        StepCase{"emptyRange", 0, 0, 140, 6, 10, 0, 1e-12},
        // less than one label of room
        StepCase{"noRoom", 0, 36, 5, 12, 10, 0, 1e-12},
        // no label size: room for one label, so 36 must round to at most 1 step: 50
        StepCase{"zeroLabelSize", 0, 36, 300, 0, 10, 0, 50},
        // below 1 the sequence runs 0.1, 0.2, 0.5: room for 5 takes 0.1
        StepCase{"fraction", 0, 0.5, 100, 20, 10, 0, 0.1}),
    [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

struct ValuesCase {
    const char* name;
    double minimum, maximum, step;
    std::vector<double> values;
};

class AxisLabelValues : public testing::TestWithParam<ValuesCase> {};

TEST_P(AxisLabelValues, AreWholeMultiplesOfTheStepFromTheTopDown)
{
    const ValuesCase& c = GetParam();
    AxisGeometry g = laidOut(AxisSide::Bottom, c.minimum, c.maximum, 0, 100);
    g.step = c.step;
    const std::vector<double> values = g.labelValues();
    ASSERT_EQ(values.size(), c.values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_NEAR(values[i], c.values[i], 1e-9) << "label " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AxisLabelValues,
    testing::Values(
        ValuesCase{"noLabelAtAnUnevenMaximum", 0, 99, 10, {90, 80, 70, 60, 50, 40, 30, 20, 10, 0}},
        ValuesCase{"emptyRangeGivesOneLabel", 0, 0, 1e-12, {0}},
        ValuesCase{"twoPoints", 0, 1, 1, {1, 0}},
        ValuesCase{"insideTheRangeOnly", 2.5, 7.5, 2, {6, 4}},
        ValuesCase{"tenThousandStepsGiveNone", 0, 10000, 1, {}},
        ValuesCase{"tinyStepGivesNone", 0, 36, 1e-12, {}},
        ValuesCase{"fractions", 0, 0.5, 0.1, {0.5, 0.4, 0.3, 0.2, 0.1, 0}}),
    [](const testing::TestParamInfo<ValuesCase>& info) { return std::string(info.param.name); });

TEST(AxisLabelValues, JustBelowTheTenThousandLimitStillLabelsEveryStep)
{
    AxisGeometry g = laidOut(AxisSide::Bottom, 0, 9999, 0, 100);
    g.step = 1;
    const std::vector<double> values = g.labelValues();
    ASSERT_EQ(values.size(), 10000u);
    EXPECT_EQ(values.front(), 9999.0);
    EXPECT_EQ(values.back(), 0.0);
}

struct PosCase {
    const char* name;
    AxisSide side;
    double minimum, maximum, value;
    int expected;
};

class AxisPosition : public testing::TestWithParam<PosCase> {};

TEST_P(AxisPosition, RoundsHalvesToEvenAndPutsAnEmptyRangeInTheCentre)
{
    const PosCase& c = GetParam();
    const AxisGeometry g = laidOut(c.side, c.minimum, c.maximum, 10, 20);
    EXPECT_EQ(g.positionOf(c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AxisPosition,
    testing::Values(
        // 10 pixels for a range of 4: 2.5 pixels per unit.
        PosCase{"halfDownToEven", AxisSide::Bottom, 0, 4, 1, 12},
        PosCase{"halfUpToEven", AxisSide::Bottom, 0, 4, 3, 18},
        PosCase{"whole", AxisSide::Bottom, 0, 4, 2, 15},
        PosCase{"ends", AxisSide::Bottom, 0, 4, 4, 20},
        PosCase{"verticalGrowsUpwards", AxisSide::Left, 0, 4, 1, 18},
        PosCase{"verticalTop", AxisSide::Right, 0, 4, 4, 10},
        PosCase{"emptyRangeHorizontal", AxisSide::Bottom, 0, 0, 0, 15},
        PosCase{"emptyRangeVertical", AxisSide::Left, 3, 3, 3, 15},
        PosCase{"overflowGoesToTheCentre", AxisSide::Bottom, 0, 1e-300, 1, 15}),
    [](const testing::TestParamInfo<PosCase>& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
    const char* format;
    double value;
    const char* text;
};

class AxisValueText : public testing::TestWithParam<FormatCase> {
protected:
    void SetUp() override { saved_ = QLocale(); }
    void TearDown() override { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

TEST_P(AxisValueText, UsesTheLocaleSeparatorsAndAtMostThreeDecimals)
{
    const FormatCase& c = GetParam();
    QLocale::setDefault(QLocale(c.language, c.territory));
    ChartAxis axis;
    axis.valuesFormat = QString::fromLatin1(c.format);
    EXPECT_EQ(axis.formatValue(c.value), QString::fromUtf8(c.text));
}

constexpr auto de = QLocale::German;
constexpr auto en = QLocale::English;
constexpr auto germany = QLocale::Germany;
constexpr auto us = QLocale::UnitedStates;

INSTANTIATE_TEST_SUITE_P(
    Cases, AxisValueText,
    testing::Values(
        FormatCase{"germanThousand", de, germany, "#,##0.###", 1000, "1.000"},
        FormatCase{"germanDecimals", de, germany, "#,##0.###", 1234.5, "1.234,5"},
        FormatCase{"floatingNoise", de, germany, "#,##0.###", 0.1 + 0.2, "0,3"},
        FormatCase{"threeDecimalsAtMost", de, germany, "#,##0.###", 2.71828, "2,718"},
        FormatCase{"noMinusZero", de, germany, "#,##0.###", -1e-15, "0"},
        FormatCase{"negative", de, germany, "#,##0.###", -2500, "-2.500"},
        FormatCase{"englishThousand", en, us, "#,##0.###", 1000, "1,000"},
        FormatCase{"groupingEvenInTheCLocale", QLocale::C, QLocale::AnyTerritory, "#,##0.###",
                   1234567, "1,234,567"},
        FormatCase{"fixedDecimals", de, germany, "0.00", 1, "1,00"},
        FormatCase{"noGrouping", de, germany, "0.###", 1234.25, "1234,25"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

}  // namespace
