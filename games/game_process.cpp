#include "games/game_process.h"

#include "core/ascii.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quarvel::games {

namespace {

// The game's program on each system; Wine and Proton run the Windows one on Linux.
constexpr std::array<std::string_view, 2> gamePrograms{"hl_linux", "hl.exe"};

} // namespace

bool gameIsRunning(const ProcessList& programs) {
    return std::ranges::any_of(programs(), [](const std::string& name) {
        const std::string lower = lowerAscii(name);
        return std::ranges::find(gamePrograms, lower) != gamePrograms.end();
    });
}

} // namespace quarvel::games
