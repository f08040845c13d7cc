// Every text gets the same answer from the program's integer parser as from an independent
// oracle.
#include "FuzzCheck.h"
#include "IntegerOracle.h"
#include "ParseInteger.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The bytes as typed text reaches the parser: UTF-8, or anything else.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzzCheck(parseInteger(text) == OracleInteger(text), "parseInteger agrees with the oracle");
    return 0;
}
