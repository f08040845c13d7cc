#pragma once

// The sound a control makes when it refuses an input. Controls that beep take one in their
// constructor; the program entry passes the system's beep, tests a counter.
class Beeper {
public:
    virtual ~Beeper() = default;
    // Called on the GUI thread, once per refusal; returns at once.
    virtual void beep() = 0;
};
