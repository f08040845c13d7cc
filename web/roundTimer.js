// The round timer of a simulation run, on the browser's own timer: the C++ PageRoundTimer hands
// it the controller's arm and disarm; each tick plays a round. Browsers stretch a timeout set
// from within a timeout, five deep and more, to at least 4 ms, which would cap a run at 250
// rounds a second whatever the speed bar says; so each next timeout is set from a message the
// tick posts, and the interval asked for is the interval kept, down to 1 ms as on the desktop.
"use strict";

class PageTimer {
    constructor() {
        this.onTick = () => {};
        this.handle = null;
        this.arming = 0;
        this.channel = new MessageChannel();
        this.channel.port1.onmessage = (event) => {
            if (event.data === this.arming && this.handle !== null)
                this.schedule();
        };
    }

    // The next tick comes one whole interval from now.
    arm(interval) {
        this.disarm();
        this.interval = interval;
        this.arming += 1;
        this.schedule();
        return true;
    }

    disarm() {
        if (this.handle !== null)
            clearTimeout(this.handle);
        this.handle = null;
    }

    isArmed() {
        return this.handle !== null;
    }

    schedule() {
        const arming = this.arming;
        this.handle = setTimeout(() => {
            this.onTick();
            // A tick that disarmed or armed the timer anew leaves this arming behind.
            if (arming === this.arming && this.handle !== null)
                this.channel.port2.postMessage(arming);
        }, this.interval);
    }
}

module.exports = { PageTimer };
