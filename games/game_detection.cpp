#include "games/game_detection.h"

#include "games/app_manifest.h"
#include "games/file_lookup.h"
#include "games/known_mods.h"
#include "games/steam_libraries.h"
#include "games/steam_roots.h"

#include <algorithm>

namespace quarvel::games {

namespace fs = std::filesystem;

namespace {

bool holdsEngine(const fs::path& folder) {
    for (std::string_view engine : {"hl.exe", "hl_linux"}) {
        auto file = findEntryIgnoringCase(folder, engine);
        if (file && isRegularFile(*file)) {
            return true;
        }
    }
    return false;
}

class Detector {
public:
    DetectionResult result;

    void addSteamRoot(const fs::path& root) {
        for (const fs::path& library : findSteamLibraries(root, result.warnings)) {
            if (std::ranges::find(seenLibraries_, library) != seenLibraries_.end()) {
                continue;
            }
            seenLibraries_.push_back(library);
            if (auto halfLife = findHalfLifeFolder(library, result.warnings)) {
                addModsIn(*halfLife);
            }
        }
    }

    void addExplicitSteamRoot(const fs::path& root) {
        if (!isDirectory(root)) {
            warn(root, FileProblem::NoSuchFolder);
        } else if (!findSteamAppsFolder(root)) {
            warn(root, FileProblem::NotSteamFolder);
        } else {
            addSteamRoot(root);
        }
    }

    // A folder the user named is reported when it is no Half-Life folder; a usual one is not.
    void addInstallDirectory(const fs::path& folder, bool named) {
        if (!isDirectory(folder)) {
            if (named) {
                warn(folder, FileProblem::NoSuchFolder);
            }
        } else if (!holdsEngine(folder)) {
            if (named) {
                warn(folder, FileProblem::NotHalfLifeFolder);
            }
        } else {
            addModsIn(folder);
        }
    }

private:
    std::vector<fs::path> seenLibraries_;

    void warn(const fs::path& path, FileProblem problem) {
        result.warnings.push_back({.step = FileStep::Search, .problem = problem, .file = path});
    }

    void addModsIn(const fs::path& halfLife) {
        for (const KnownMod& mod : knownMods) {
            auto folder = findEntryIgnoringCase(halfLife, mod.folder);
            auto real = folder ? canonicalPath(*folder) : std::nullopt;
            if (!real || !isDirectory(*real)) {
                continue;
            }
            bool seen = std::ranges::any_of(
                result.games, [&](const DetectedGame& game) { return game.directory == *real; });
            if (!seen) {
                result.games.push_back({std::string(mod.name), *real, std::string(mod.folder)});
            }
        }
    }
};

} // namespace

DetectOptions defaultDetectOptions() {
    DetectOptions options;
    options.home = homeDirectory().value_or(fs::path());
    options.usualInstallDirectories = usualInstallFolders(options.home);
    return options;
}

DetectionResult detectGames(const DetectOptions& options) {
    Detector detector;
    if (options.steamRoots) {
        for (const fs::path& root : *options.steamRoots) {
            detector.addExplicitSteamRoot(root);
        }
    } else {
        for (const fs::path& root : findSteamRoots(options.home)) {
            detector.addSteamRoot(root);
        }
    }
    for (const fs::path& folder : options.installDirectories) {
        detector.addInstallDirectory(folder, true);
    }
    for (const fs::path& folder : options.usualInstallDirectories) {
        detector.addInstallDirectory(folder, false);
    }
    return std::move(detector.result);
}

const DetectedGame* firstGameForMod(const std::vector<DetectedGame>& games, std::string_view mod) {
    auto found = std::ranges::find(games, mod, &DetectedGame::mod);
    return found == games.end() ? nullptr : &*found;
}

} // namespace quarvel::games
