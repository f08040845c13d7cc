// The round timer of a simulation run, on the browser's own timer: the C++ PageRoundTimer hands
// it the controller's arm and disarm; each tick plays a round.
// Browsers tick at most every 4 ms or so, whatever shorter interval is asked for.
"use strict";

class PageTimer {
    constructor() {
        this.handle = null;
        this.onTick = () => {};
    }

    // The next tick comes one whole interval from now.
    arm(interval) {
        this.disarm();
        this.handle = setInterval(() => this.onTick(), interval);
        return true;
    }

    disarm() {
        if (this.handle !== null)
            clearInterval(this.handle);
        this.handle = null;
    }

    isArmed() {
        return this.handle !== null;
    }
}

module.exports = { PageTimer };
