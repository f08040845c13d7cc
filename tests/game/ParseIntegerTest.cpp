#include "ParseInteger.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

// Texts as typed, UTF-8.
struct Accepted {
    const char* text;
    std::int32_t value;
};

void PrintTo(const Accepted& row, std::ostream* out) { *out << '"' << row.text << '"'; }

struct ParseIntegerAccepts : ::testing::TestWithParam<Accepted> {};

TEST_P(ParseIntegerAccepts, GivesTheValue) { EXPECT_EQ(parseInteger(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Table, ParseIntegerAccepts, ::testing::Values(
    // the forms of 42
    Accepted{"42", 42}, Accepted{"   42", 42}, Accepted{"+42", 42}, Accepted{"042", 42},
    Accepted{"$2A", 42}, Accepted{"x2a", 42}, Accepted{"X2A", 42}, Accepted{"0x2A", 42},
    Accepted{"0X2a", 42}, Accepted{" +$2a", 42}, Accepted{"-$1A", -26},
    // zero and signs
    Accepted{"0", 0}, Accepted{"00", 0}, Accepted{"-0", 0}, Accepted{"+0", 0},
    Accepted{"$0", 0}, Accepted{"0x0", 0}, Accepted{"-$0", 0}, Accepted{"-1", -1},
    Accepted{"  -7", -7}, Accepted{"-0x10", -16},
    // decimal limits; leading zeros do not count
    Accepted{"2147483647", int32Max}, Accepted{"-2147483648", int32Min},
    Accepted{"-2147483647", -int32Max}, Accepted{"2147483640", 2147483640},
    Accepted{"214748364", 214748364}, Accepted{"0000000000002147483647", int32Max},
    Accepted{"-0000000000002147483648", int32Min},
    // hexadecimal: a 32-bit pattern of at most eight significant digits
    Accepted{"$FFFFFFFF", -1}, Accepted{"-$FFFFFFFF", 1}, Accepted{"$80000000", int32Min},
    Accepted{"-$80000000", int32Min}, Accepted{"$7FFFFFFF", int32Max},
    Accepted{"-$7FFFFFFF", -int32Max}, Accepted{"$0FFFFFFF", 0x0FFFFFFF},
    Accepted{"$00000000FF", 255},
    Accepted{"0x0000000000FFFFFFFF", -1}, Accepted{"$abcdef", 0xABCDEF},
    Accepted{"xDeadBeef", static_cast<std::int32_t>(0xDEADBEEFu)}));

struct ParseIntegerRefuses : ::testing::TestWithParam<const char*> {};

TEST_P(ParseIntegerRefuses, WithNothing) { EXPECT_FALSE(parseInteger(GetParam()).has_value()); }

INSTANTIATE_TEST_SUITE_P(Table, ParseIntegerRefuses, ::testing::Values(
    // nothing to read
    "", " ", "    ", "+", "-", "$", "x", "X", "0x", "0X", "-$", "+0x", " -",
    // blanks anywhere but in front, and blanks that are not spaces
    "42 ", "4 2", "- 42", "$ 2A", "0 x2A", "\t1", "1\t", "\u00A042", "\n1",
    // not digits
    "1,5", "1.5", "1e3", "0b101", "12a", "0xG", "$2G", "abc", "0x0x1", "$$1",
    "0$1", "1-", "1+",
    // signs
    "+-1", "--1", "-+1", "$-1", "0x-1", "x+1",
    // digits of other scripts
    "\uFF11\uFF12", "\u0663", "4\u0662", "\u00B2",
    // decimal range
    "2147483648", "2147483649", "-2147483649", "4294967296", "9999999999",
    "21474836470", "+2147483648", "00002147483648",
    // hexadecimal range
    "$100000000", "0x100000000", "$1FFFFFFFF", "-$100000000", "$FFFFFFFFF"));

// A NUL cannot stand in the table, which ends each text at it.
TEST(parseInteger, RefusesTextWithEmbeddedNul)
{
    using namespace std::string_literals;
    EXPECT_FALSE(parseInteger("12\0" "3"s).has_value());
}

}  // namespace
