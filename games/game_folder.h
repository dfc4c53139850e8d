#pragma once

#include "core/translatable.h"

#include <filesystem>
#include <string>
#include <string_view>

// Whether a folder the player names is a game's mod folder, before anything is written into it.
namespace quarvel::games {

// Every mod folder of the Half-Life engine (cstrike, valve, dod ...) holds this file: it names the
// mod to the game.
inline constexpr std::string_view modFileName = "liblist.gam";

// Said of a folder without it; %1 is the file's name.
inline constexpr std::string_view notGameFolderWords =
    QVL_TRANSLATABLE("Install", "This folder holds no %1: it does not look like a game folder");

// True when `folder` is there but holds no liblist.gam, in any case of its name: the game would
// never run a script put there. A folder that is not there is the install's to report.
bool looksUnlikeGameFolder(const std::filesystem::path& folder);

// The warning, in English.
std::string notGameFolderText();

// True when `folder` lies in a Steam library, under its steamapps/common folder (in any case of
// their names, as Windows installs copied to Linux keep their capitals). Every copy Steam installs
// has run today's build of the game since 2013; only a copy installed without Steam can be the
// classic game. Decided from the path alone, so it asks nothing of a slow drive.
bool inSteamLibrary(const std::filesystem::path& folder);

} // namespace quarvel::games
