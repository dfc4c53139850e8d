#include "process/held_signals.h"

#include <atomic>
#include <mutex>

#include <windows.h>

namespace quarvel {

namespace {

// The console event that came while files were being changed, plus one; 0 for none.
std::atomic<DWORD> pendingEvent{0};
// How many holders live, counted under the mutex: two threads may change files at once.
std::mutex holdingMutex;
int holding = 0;
HANDLE released = nullptr;

BOOL WINAPI holdEvent(DWORD event) {
    pendingEvent = event + 1;
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
        // Closing the console, logging off or shutting down ends the program as soon as this
        // returns, so it returns when the files are whole.
        WaitForSingleObject(released, INFINITE);
    }
    return TRUE;
}

} // namespace

HeldSignals::HeldSignals() {
    // The handler runs on a thread of its own, so the change goes on while it waits.
    const std::lock_guard lock(holdingMutex);
    if (holding++ > 0) {
        return;
    }
    if (released == nullptr) {
        released = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    ResetEvent(released);
    pendingEvent = 0;
    SetConsoleCtrlHandler(holdEvent, TRUE);
}

HeldSignals::~HeldSignals() {
    const std::lock_guard lock(holdingMutex);
    if (--holding > 0) {
        return;
    }
    SetEvent(released);
    SetConsoleCtrlHandler(holdEvent, FALSE);
    const DWORD event = pendingEvent.exchange(0);
    if (event == CTRL_C_EVENT + 1 || event == CTRL_BREAK_EVENT + 1) {
        ExitProcess(STATUS_CONTROL_C_EXIT); // as the console's own handler would have
    }
}

} // namespace quarvel
