#pragma once

#include "Beeper.h"

// Counts beeps instead of sounding them.
class BeepCounter final : public Beeper {
public:
    void beep() override { ++count; }

    int count = 0;
};
