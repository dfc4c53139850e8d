// Where Steam and the retail game are usually installed on Windows: what the registry and the
// environment say, and the installers' own folders.

#include "games/steam_roots.h"

#include <cstdlib>
#include <cwchar>
#include <string>

#include <windows.h>

namespace quarvel::games {

namespace fs = std::filesystem;

namespace {

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

} // namespace

std::vector<fs::path> steamRootCandidates(const fs::path& /*home: not used on Windows*/) {
    std::vector<fs::path> candidates;
    if (auto steamPath = steamRegistryText(L"SteamPath")) {
        candidates.push_back(*steamPath);
    }
    candidates.push_back(
        environmentPath(L"ProgramFiles(x86)").value_or(fs::path(L"C:\\Program Files (x86)")) /
        L"Steam");
    return candidates;
}

std::vector<fs::path> usualInstallFolders(const fs::path& /*home: not used on Windows*/) {
    return {environmentPath(L"SystemDrive").value_or(fs::path(L"C:")) / L"\\Sierra\\Half-Life"};
}

std::optional<fs::path> homeDirectory() {
    return environmentPath(L"USERPROFILE");
}

} // namespace quarvel::games
