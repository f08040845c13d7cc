#pragma once

#include <functional>

// Sounds the platform's default beep, or calls the beep hook instead while one is set.
void beep();

// Replaces the beep by hook for the whole process (tests count beeps this way); an empty
// function restores the real beep.
void setBeepHook(std::function<void()> hook);
