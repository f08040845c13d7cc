#pragma once

#include "Beeper.h"

// The platform's default beep.
class SystemBeeper final : public Beeper {
public:
    void beep() override;
};
