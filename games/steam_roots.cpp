#include "games/steam_roots.h"

#include "games/file_lookup.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quarvel::games {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// A text value of HKEY_CURRENT_USER\Software\Valve\Steam; one stored as REG_EXPAND_SZ comes with
// its %VARIABLES% expanded.
std::optional<std::wstring> steamRegistryText(const wchar_t* name) {
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        DWORD size = DWORD(text.size() * sizeof(wchar_t));
        LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", name,
                                      RRF_RT_REG_SZ, nullptr, text.data(), &size);
        if (status == ERROR_MORE_DATA) {
            text.resize(size / sizeof(wchar_t) + 1);
            continue;
        }
        if (status != ERROR_SUCCESS) {
            return std::nullopt;
        }
        text.resize(std::wcslen(text.c_str())); // RegGetValueW ends the text with a null
        return text;
    }
}

// The environment in UTF-16: the narrow getenv gives the Windows code page, which cannot hold
// every user's name.
std::optional<fs::path> environmentPath(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    if (!value || !*value) {
        return std::nullopt;
    }
    return fs::path(value);
}
#endif

} // namespace

std::vector<fs::path> steamRootCandidates([[maybe_unused]] const fs::path& home) {
    std::vector<fs::path> candidates;
#ifdef _WIN32
    if (auto steamPath = steamRegistryText(L"SteamPath")) {
        candidates.push_back(*steamPath);
    }
    candidates.push_back(
        environmentPath(L"ProgramFiles(x86)").value_or(fs::path(L"C:\\Program Files (x86)")) /
        L"Steam");
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

std::vector<fs::path> usualInstallFolders([[maybe_unused]] const fs::path& home) {
#ifdef _WIN32
    return {environmentPath(L"SystemDrive").value_or(fs::path(L"C:")) / L"\\Sierra\\Half-Life"};
#else
    if (home.empty()) {
        return {};
    }
    return {home / ".wine/drive_c/Sierra/Half-Life"};
#endif
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
    return environmentPath(L"USERPROFILE");
#else
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        return std::nullopt;
    }
    return fs::path(home);
#endif
}

std::optional<fs::path> findSteamAppsFolder(const fs::path& library) {
    auto folder = findEntryIgnoringCase(library, "steamapps");
    if (folder && isDirectory(*folder)) {
        return folder;
    }
    return std::nullopt;
}

} // namespace quarvel::games
