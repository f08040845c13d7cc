// Every text gets the same answer from the program's integer parser as from an independent
// oracle, and the throwing form fails with exactly its error and message.
#include "Exception.h"
#include "FuzzCheck.h"
#include "IntegerOracle.h"
#include "ParseInteger.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // UTF-8 keeps the interesting inputs short and readable; invalid sequences still reach the
    // parser as replacement characters.
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<std::int32_t> expected = OracleInteger(text);
    fuzzCheck(tryParseInteger(text) == expected, "TryParseInteger agrees with the oracle");
    try {
        const std::int32_t value = parseInteger(text);
        fuzzCheck(expected.has_value() && value == *expected, "ParseInteger agrees with the oracle");
    } catch (const ConvertError& e) {
        fuzzCheck(!expected.has_value(), "ParseInteger refuses only what the oracle refuses");
        fuzzCheck(e.message() == QStringLiteral("'") + text + QStringLiteral("' ist kein gültiger Integerwert"),
                  "the conversion error names the whole text");
    }
    return 0;
}
