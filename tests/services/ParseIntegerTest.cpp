#include "Exception.h"
#include "ParseInteger.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

struct Accepted {
    const char16_t* text;
    std::int32_t value;
};

void PrintTo(const Accepted& row, std::ostream* out)
{
    *out << '"' << QString::fromUtf16(row.text).toStdString() << '"';
}

struct ParseIntegerAccepts : ::testing::TestWithParam<Accepted> {};

TEST_P(ParseIntegerAccepts, GivesTheValue)
{
    const QString text = QString::fromUtf16(GetParam().text);
    EXPECT_EQ(parseInteger(text), GetParam().value);
    EXPECT_EQ(tryParseInteger(text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, ParseIntegerAccepts, ::testing::Values(
    // the forms of 42
    Accepted{u"42", 42}, Accepted{u"   42", 42}, Accepted{u"+42", 42}, Accepted{u"042", 42},
    Accepted{u"$2A", 42}, Accepted{u"x2a", 42}, Accepted{u"X2A", 42}, Accepted{u"0x2A", 42},
    Accepted{u"0X2a", 42}, Accepted{u" +$2a", 42}, Accepted{u"-$1A", -26},
    // zero and signs
    Accepted{u"0", 0}, Accepted{u"00", 0}, Accepted{u"-0", 0}, Accepted{u"+0", 0},
    Accepted{u"$0", 0}, Accepted{u"0x0", 0}, Accepted{u"-$0", 0}, Accepted{u"-1", -1},
    Accepted{u"  -7", -7}, Accepted{u"-0x10", -16},
    // decimal limits; leading zeros do not count
    Accepted{u"2147483647", int32Max}, Accepted{u"-2147483648", int32Min},
    Accepted{u"-2147483647", -int32Max}, Accepted{u"2147483640", 2147483640},
    Accepted{u"214748364", 214748364}, Accepted{u"0000000000002147483647", int32Max},
    Accepted{u"-0000000000002147483648", int32Min},
    // hexadecimal: a 32-bit pattern of at most eight significant digits
    Accepted{u"$FFFFFFFF", -1}, Accepted{u"-$FFFFFFFF", 1}, Accepted{u"$80000000", int32Min},
    Accepted{u"-$80000000", int32Min}, Accepted{u"$7FFFFFFF", int32Max},
    Accepted{u"-$7FFFFFFF", -int32Max}, Accepted{u"$0FFFFFFF", 0x0FFFFFFF},
    Accepted{u"$00000000FF", 255},
    Accepted{u"0x0000000000FFFFFFFF", -1}, Accepted{u"$abcdef", 0xABCDEF},
    Accepted{u"xDeadBeef", static_cast<std::int32_t>(0xDEADBEEFu)}));

struct ParseIntegerRefuses : ::testing::TestWithParam<const char16_t*> {};

TEST_P(ParseIntegerRefuses, WithTheWholeTextInTheMessage)
{
    const QString text = QString::fromUtf16(GetParam());
    EXPECT_FALSE(tryParseInteger(text).has_value());
    try {
        parseInteger(text);
        ADD_FAILURE() << "accepted: " << text.toStdString();
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.className(), "EConvertError");
        EXPECT_EQ(e.message(), QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ParseIntegerRefuses, ::testing::Values(
    // nothing to read
    u"", u" ", u"    ", u"+", u"-", u"$", u"x", u"X", u"0x", u"0X", u"-$", u"+0x", u" -",
    // blanks anywhere but in front, and blanks that are not spaces
    u"42 ", u"4 2", u"- 42", u"$ 2A", u"0 x2A", u"\t1", u"1\t", u"\u00A042", u"\n1",
    // not digits
    u"1,5", u"1.5", u"1e3", u"0b101", u"12a", u"0xG", u"$2G", u"abc", u"0x0x1", u"$$1",
    u"0$1", u"1-", u"1+",
    // signs
    u"+-1", u"--1", u"-+1", u"$-1", u"0x-1", u"x+1",
    // digits of other scripts
    u"\uFF11\uFF12", u"\u0663", u"4\u0662", u"\u00B2",
    // decimal range
    u"2147483648", u"2147483649", u"-2147483649", u"4294967296", u"9999999999",
    u"21474836470", u"+2147483648", u"00002147483648",
    // hexadecimal range
    u"$100000000", u"0x100000000", u"$1FFFFFFFF", u"-$100000000", u"$FFFFFFFFF"));

// A NUL cannot stand in the table: fromUtf16 stops at it.
TEST(parseInteger, RefusesTextWithEmbeddedNul)
{
    const QString text = QStringLiteral("12") + QChar(u'\0') + QStringLiteral("3");
    ASSERT_EQ(text.size(), 4);
    EXPECT_FALSE(tryParseInteger(text).has_value());
}

}  // namespace
