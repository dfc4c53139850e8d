// Where Steam and the retail game are usually installed on Linux: under the user's home.

#include "games/steam_roots.h"

#include <cstdlib>

namespace quarvel::games {

namespace fs = std::filesystem;

std::vector<fs::path> steamRootCandidates(const fs::path& home) {
    std::vector<fs::path> candidates;
    if (!home.empty()) {
        candidates.push_back(home / ".local/share/Steam");
        candidates.push_back(home / ".steam/steam");
        candidates.push_back(home / ".steam/debian-installation");
        candidates.push_back(home / ".var/app/com.valvesoftware.Steam/.local/share/Steam");
        candidates.push_back(home / "snap/steam/common/.local/share/Steam");
    }
    return candidates;
}

std::vector<fs::path> usualInstallFolders(const fs::path& home) {
    if (home.empty()) {
        return {};
    }
    return {home / ".wine/drive_c/Sierra/Half-Life"};
}

std::optional<fs::path> homeDirectory() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        return std::nullopt;
    }
    return fs::path(home);
}

} // namespace quarvel::games
