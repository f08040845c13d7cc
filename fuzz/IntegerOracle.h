#pragma once

#include <bit>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A second, deliberately plain reading of the integer rules, built on std::from_chars and
// sharing no code with the program's parser: blanks, one sign, a "$", "x", "X", "0x" or "0X"
// prefix for hexadecimal, then digits to the very end. Decimal must fit the signed 32-bit range;
// hexadecimal may have at most eight significant digits and is a 32-bit pattern that a minus
// negates.
inline std::optional<std::int32_t> OracleInteger(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > 0x7F)
            return std::nullopt;  // every character a number may hold is ASCII
    }
    std::string_view rest = text;
    const std::size_t first = rest.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    rest.remove_prefix(first);

    bool negative = false;
    if (rest.front() == '+' || rest.front() == '-') {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    int base = 10;
    if (rest.starts_with("0x") || rest.starts_with("0X")) {
        base = 16;
        rest.remove_prefix(2);
    } else if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        base = 16;
        rest.remove_prefix(1);
    }
    if (rest.empty())
        return std::nullopt;

    // Leading zeros do not count; from_chars on an unsigned type takes no sign, so "ptr at the
    // end" means digits and nothing else.
    const std::size_t significant = rest.find_first_not_of('0');
    const std::string_view digits =
        significant == std::string_view::npos ? std::string_view("0") : rest.substr(significant);
    // More significant digits than the range holds: refused, whether digits or not.
    if (digits.size() > (base == 16 ? 8u : 10u))
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;

    if (base == 16) {
        const auto bits = static_cast<std::uint32_t>(value);
        return std::bit_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    if (value <= 2147483647u)
        return negative ? -static_cast<std::int32_t>(value) : static_cast<std::int32_t>(value);
    if (negative && value == 2147483648u)
        return std::int32_t{-2147483647 - 1};
    return std::nullopt;
}
