#include "ParseInteger.h"

#include "Exception.h"

#include <QCoreApplication>

namespace {

int decimalDigit(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'0' && u <= u'9' ? u - u'0' : -1;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> tryParseInteger(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    bool hex = false;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
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

std::int32_t parseInteger(const QString& text)
{
    if (const auto value = tryParseInteger(text))
        return *value;
    throw ConvertError(QCoreApplication::translate("ParseInteger", "'%1' ist kein gültiger Integerwert").arg(text));
}
