#pragma once

#include "core/failure.h"
#include "games/key_values.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Steam library folders: the Steam root and the other places, often on other drives, where the
// user chose to install games.
namespace quarvel::games {

// Folder paths named in a parsed libraryfolders.vdf, in file order and as written. Understands
// the current form ("libraryfolders" { "0" { "path" "..." } }) and the old one
// ("LibraryFolders" { "1" "G:\\SteamLibrary" }). Empty when there is no libraryfolders block.
std::optional<std::vector<std::string>> libraryPathsIn(const KeyValue& document);

// The libraries of a Steam root: the root itself, then those listed in steamapps/ and config/
// libraryfolders.vdf. Only existing folders, as real paths, each once. A file that cannot be
// read adds a warning naming the file, line and reason; the other libraries are still returned.
std::vector<std::filesystem::path> findSteamLibraries(const std::filesystem::path& steamRoot,
                                                      std::vector<Failure>& warnings);

} // namespace quarvel::games
