#include "SignalWatch.h"

#include "OutputFile.h"

#include <csignal>

namespace {
constexpr int watched[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<bool> interruptSeen{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

struct sigaction previous[std::size(watched)];
bool installed[std::size(watched)];

extern "C" void onSignal(int signal)
{
    if (signal == SIGINT && !interruptSeen.exchange(true))
        return;
    OutputFile::removeTemporaryOnSignal();
    // The signal is held back while its handler runs, so the raised one ends the process on return.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
}  // namespace

SignalWatch::SignalWatch()
{
    interruptSeen.store(false);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : watched)
        sigaddset(&action.sa_mask, signal);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(watched); ++i) {
        installed[i] = sigaction(watched[i], nullptr, &previous[i]) == 0 && previous[i].sa_handler != SIG_IGN &&
                       sigaction(watched[i], &action, nullptr) == 0;
    }
}

SignalWatch::~SignalWatch()
{
    for (std::size_t i = 0; i < std::size(watched); ++i)
        if (installed[i])
            sigaction(watched[i], &previous[i], nullptr);
}

const std::atomic<bool>& SignalWatch::interrupted() { return interruptSeen; }
