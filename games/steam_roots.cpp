#include "games/steam_roots.h"

#include "games/file_lookup.h"

#include <algorithm>
#include <cstdlib>

#ifdef _WIN32
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace quarvel::games {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
std::optional<fs::path> registrySteamPath() {
    wchar_t buffer[MAX_PATH];
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath", RRF_RT_REG_SZ,
                     nullptr, buffer, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return fs::path(buffer);
}
#endif

} // namespace

std::vector<fs::path> steamRootCandidates([[maybe_unused]] const fs::path& home) {
    std::vector<fs::path> candidates;
#ifdef _WIN32
    if (auto fromRegistry = registrySteamPath()) {
        candidates.push_back(*fromRegistry);
    }
    const char* programFiles = std::getenv("ProgramFiles(x86)");
    candidates.push_back(fs::path(programFiles ? programFiles : "C:\\Program Files (x86)") /
                         "Steam");
#else
    if (!home.empty()) {
        candidates.push_back(home / ".local/share/Steam");
        candidates.push_back(home / ".steam/steam");
        candidates.push_back(home / ".steam/debian-installation");
        candidates.push_back(home / ".var/app/com.valvesoftware.Steam/.local/share/Steam");
        candidates.push_back(home / "snap/steam/common/.local/share/Steam");
    }
#endif
    return candidates;
}

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

std::optional<fs::path> homeDirectory() {
#ifdef _WIN32
    const char* home = std::getenv("USERPROFILE");
#else
    const char* home = std::getenv("HOME");
#endif
    if (!home || !*home) {
        return std::nullopt;
    }
    return fs::path(home);
}

std::optional<fs::path> findSteamAppsFolder(const fs::path& library) {
    auto folder = findEntryIgnoringCase(library, "steamapps");
    if (folder && isDirectory(*folder)) {
        return folder;
    }
    return std::nullopt;
}

} // namespace quarvel::games
