#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the fuzzer with a crash report when a property of a result does not hold; libFuzzer
// then saves the input that broke it.
inline void fuzzCheck(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", property);
    std::abort();
}
