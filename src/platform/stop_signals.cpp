#include "platform/stop_signals.h"

#include <csignal>
#include <cstdlib>

#include <unistd.h>

namespace {

volatile std::sig_atomic_t noted = 0;

void onStopSignal(int signalNumber)
{
    if (noted != 0) {
        // The main loop did not act on the first one: end without cleaning up.
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
        _exit(128 + signalNumber);
    }
    noted = signalNumber;
}

} // namespace

void watchStopSignals()
{
    // Installed before the audio layer starts SDL, which leaves handlers
    // other than the default in place.
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int pendingStopSignal() { return noted; }

void endBySignal(int signalNumber)
{
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
    // Only reached when the signal is blocked or ignored by default.
    std::_Exit(128 + signalNumber);
}
