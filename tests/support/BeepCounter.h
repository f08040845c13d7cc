#pragma once

#include "Beep.h"

// Counts beeps instead of sounding them, for as long as it lives.
class BeepCounter {
public:
    BeepCounter()
    {
        setBeepHook([this] { ++count; });
    }
    ~BeepCounter() { setBeepHook({}); }
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;

    int count = 0;
};
