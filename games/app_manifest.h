#pragma once

#include "core/failure.h"
#include "games/key_values.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Steam's app manifests (steamapps/appmanifest_<id>.acf) say which folder under
// steamapps/common an installed game uses.
namespace quarvel::games {

inline constexpr int halfLifeAppId = 70;
inline constexpr std::string_view halfLifeDefaultFolder = "Half-Life";

// The "AppState" { "installdir" } of a parsed manifest, when it names a plain folder (not a path
// that could lead out of steamapps/common).
std::optional<std::string> installDirIn(const KeyValue& manifest);

// The Half-Life folder of a Steam library, if installed: the manifest's installdir when there
// is a usable manifest, else "Half-Life". A broken manifest adds a warning and falls back.
std::optional<std::filesystem::path> findHalfLifeFolder(const std::filesystem::path& library,
                                                        std::vector<Failure>& warnings);

} // namespace quarvel::games
