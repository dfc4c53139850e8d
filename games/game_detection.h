#pragma once

#include "core/failure.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Finds the installed Half-Life games (Steam and non-Steam) whose folder a script can go into.
namespace quarvel::games {

struct DetectedGame {
    std::string name;                // "Counter-Strike"
    std::filesystem::path directory; // the mod folder, as a real path
    std::string mod;                 // "cstrike"

    bool operator==(const DetectedGame&) const = default;
};

struct DetectOptions {
    std::filesystem::path home{}; // searched for Steam; empty searches nothing there
    // When set, these Steam folders are used instead of searching for them.
    std::optional<std::vector<std::filesystem::path>> steamRoots{};
    // Non-Steam Half-Life folders, holding hl.exe or hl_linux, that the user named: one that
    // is not there, or is no Half-Life folder, is reported.
    std::vector<std::filesystem::path> installDirectories{};
    // Where a non-Steam Half-Life is usually installed: passed over in silence when it is not.
    std::vector<std::filesystem::path> usualInstallDirectories{};
};

struct DetectionResult {
    std::vector<DetectedGame> games;
    // Why a file or folder was passed over, for the user to read.
    std::vector<Failure> warnings;
};

// Options that search the user's own home folder, and the usual non-Steam install folders (the
// retail game's C:\Sierra\Half-Life, and on Linux the same folder in the default Wine prefix).
DetectOptions defaultDetectOptions();

// Games in a stable order: Steam roots in search order, each root's libraries in file order,
// then the extra install folders; within a Half-Life folder cstrike, dod, tfc, czero, valve.
// Every mod folder appears once.
DetectionResult detectGames(const DetectOptions& options);

// The first game of that mod (e.g. "cstrike"), or null.
const DetectedGame* firstGameForMod(const std::vector<DetectedGame>& games, std::string_view mod);

} // namespace quarvel::games
