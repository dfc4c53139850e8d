#pragma once

#include <functional>

// What a program wraps around the part of an install or uninstall that writes files, once the
// game folder is held: the programs hold Ctrl-C and the like there, so that a change runs to its
// end before the program stops. An empty guard runs the change as it is.
namespace quarvel {

using ChangeGuard = std::function<void(const std::function<void()>& change)>;

inline void runGuarded(const ChangeGuard& guard, const std::function<void()>& change) {
    if (guard) {
        guard(change);
    } else {
        change();
    }
}

} // namespace quarvel
