#pragma once

#include <filesystem>
#include <optional>
#include <vector>

// Where Steam lives on this computer.
namespace quarvel::games {

// Places Steam is usually installed, in search order; they need not exist. On Linux they are
// under `home` (native, Debian package, Flatpak and Snap installs); on Windows they come from the
// registry and Program Files, and `home` is not used.
std::vector<std::filesystem::path> steamRootCandidates(const std::filesystem::path& home);

// The Steam installations among the candidates, as real (canonical) paths, each folder once even
// when several candidates link to it, in search order.
std::vector<std::filesystem::path> findSteamRoots(const std::filesystem::path& home);
std::vector<std::filesystem::path> findSteamRoots();

// Where the retail Half-Life, which came without Steam, is usually installed: the
// C:\Sierra\Half-Life of its installer, and on Linux that folder in the default Wine prefix.
std::vector<std::filesystem::path> usualInstallFolders(const std::filesystem::path& home);

// The user's home folder: $HOME, or %USERPROFILE% on Windows.
std::optional<std::filesystem::path> homeDirectory();

// A Steam root or library holds a "steamapps" folder, spelled in any case.
std::optional<std::filesystem::path> findSteamAppsFolder(const std::filesystem::path& library);

} // namespace quarvel::games
