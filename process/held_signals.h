#pragma once

#include <functional>

// While it lives, Ctrl-C, SIGTERM and SIGHUP (on Windows Ctrl-C, Ctrl-Break and closing the
// console) wait: a change of files runs to its end or is undone before the program stops, so no
// temporary file or half-written file is left behind.
namespace quarvel {

class HeldSignals {
public:
    HeldSignals();
    ~HeldSignals();
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;
};

// Runs `change` with the signals held: what the programs wrap around each install and uninstall.
inline void whileSignalsHeld(const std::function<void()>& change) {
    const HeldSignals held;
    change();
}

} // namespace quarvel
