#include "process/held_signals.h"

#include <array>
#include <csignal>
#include <mutex>

namespace quarvel {

namespace {

constexpr std::array heldSignals{SIGINT, SIGTERM, SIGHUP};
volatile std::sig_atomic_t pendingSignal = 0;
// How many holders live, counted under the mutex: two threads may change files at once.
std::mutex holdingMutex;
int holding = 0;
std::array<struct sigaction, heldSignals.size()> previous{};

extern "C" void rememberSignal(int signal) {
    pendingSignal = signal;
}

} // namespace

HeldSignals::HeldSignals() {
    // Other threads may be running, so blocking the signals in this one would not do: one of them
    // would take the signal and end the program mid-write. The signals are caught instead.
    const std::lock_guard lock(holdingMutex);
    if (holding++ > 0) {
        return;
    }
    pendingSignal = 0;
    struct sigaction remember {};
    remember.sa_handler = rememberSignal;
    remember.sa_flags = SA_RESTART;
    sigemptyset(&remember.sa_mask);
    for (std::size_t i = 0; i < heldSignals.size(); ++i) {
        ::sigaction(heldSignals[i], &remember, &previous[i]);
    }
}

HeldSignals::~HeldSignals() {
    const std::lock_guard lock(holdingMutex);
    if (--holding > 0) {
        return;
    }
    for (std::size_t i = 0; i < heldSignals.size(); ++i) {
        ::sigaction(heldSignals[i], &previous[i], nullptr);
    }
    if (const int signal = pendingSignal) {
        pendingSignal = 0;
        ::raise(signal); // now handled as it would have been
    }
}

} // namespace quarvel
