#pragma once

#include <atomic>

// How a batch meets the signals that would end it, while a SignalWatch exists: the first SIGINT
// (Ctrl-C) only sets the flag interrupted() returns, so the batch can stop and say so; a second
// SIGINT, a SIGTERM or a SIGHUP removes the unfinished output file and then ends the process as
// the signal would have. A signal the process was started with ignored (as nohup does) stays
// ignored. The previous handlers come back when the watch goes away. One watch at a time.
class SignalWatch {
public:
    SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;
    ~SignalWatch();

    static const std::atomic<bool>& interrupted();
};
