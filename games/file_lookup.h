#pragma once

#include "core/paths.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// File-system questions asked while looking for games. None of them throw: a missing folder, a
// dangling link or a link loop simply answers "not there".
namespace quarvel::games {

// The real path of an existing file or folder, with every link followed.
std::optional<std::filesystem::path> canonicalPath(const std::filesystem::path& path);

bool isDirectory(const std::filesystem::path& path);
bool isRegularFile(const std::filesystem::path& path);

// The entry of `directory` called `name`: the exact spelling if it exists, otherwise the first
// entry (in name order) that matches ignoring ASCII case, since Steam folders come as
// "steamapps" or "SteamApps" and Windows installs copied to Linux keep their capitals.
std::optional<std::filesystem::path> findEntryIgnoringCase(const std::filesystem::path& directory,
                                                           std::string_view name);

} // namespace quarvel::games
