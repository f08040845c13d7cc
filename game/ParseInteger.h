#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Strict conversion of a typed text (UTF-8) to a signed 32-bit integer. Leading spaces (only
// U+0020) are skipped; then one optional sign; then either decimal digits or, after "$", "x",
// "X", "0x" or "0X", hexadecimal digits, which must run to the end of the text. Decimal values
// must lie in the signed 32-bit range; hexadecimal values may have at most eight significant
// digits and are taken as a 32-bit pattern, so "$FFFFFFFF" is -1 and "-$FFFFFFFF" is 1.
// Anything else, the empty text included, gives nothing.
std::optional<std::int32_t> parseInteger(std::string_view text);
