#include "games/steam_roots.h"

#include "games/file_lookup.h"

#include <algorithm>

namespace quarvel::games {

namespace fs = std::filesystem;

std::vector<fs::path> findSteamRoots(const fs::path& home) {
    std::vector<fs::path> roots;
    for (const fs::path& candidate : steamRootCandidates(home)) {
        auto real = canonicalPath(candidate);
        if (real && isDirectory(*real) && findSteamAppsFolder(*real) &&
            std::ranges::find(roots, *real) == roots.end()) {
            roots.push_back(*real);
        }
    }
    return roots;
}

std::vector<fs::path> findSteamRoots() {
    return findSteamRoots(homeDirectory().value_or(fs::path()));
}

std::optional<fs::path> findSteamAppsFolder(const fs::path& library) {
    auto folder = findEntryIgnoringCase(library, "steamapps");
    if (folder && isDirectory(*folder)) {
        return folder;
    }
    return std::nullopt;
}

} // namespace quarvel::games
