#include "ParseInteger.h"

namespace {

int decimalDigit(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> parseInteger(std::string_view text)
{
    // Every byte of a character beyond ASCII is 0x80 or above, so it never passes for a digit,
    // a sign or a prefix.
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ')
        ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }

    if (i == n)
        return std::nullopt;  // nothing, a lone sign or a prefix without digits

    // The checks before each digit bound the accumulated value, so 32 bits always suffice:
    // at most 2147483649 for decimal, at most 0xFFFFFFFF for hexadecimal.
    std::uint32_t value = 0;
    for (; i < n; ++i) {
        if (hex) {
            const int d = hexDigit(text[i]);
            if (d < 0 || value > 0x0FFFFFFFu)
                return std::nullopt;
            value = value * 16u + static_cast<std::uint32_t>(d);
        } else {
            const int d = decimalDigit(text[i]);
            if (d < 0 || value > 214748364u)
                return std::nullopt;
            value = value * 10u + static_cast<std::uint32_t>(d);
        }
    }

    if (hex) {
        // The digits are a 32-bit pattern; a minus negates it in 32-bit arithmetic.
        const std::uint32_t bits = negative ? 0u - value : value;
        return static_cast<std::int32_t>(bits);
    }
    if (value <= 2147483647u)
        return negative ? -static_cast<std::int32_t>(value) : static_cast<std::int32_t>(value);
    if (negative && value == 2147483648u)
        return INT32_MIN;
    return std::nullopt;
}
