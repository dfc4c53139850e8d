#pragma once

#include "core/failure.h"
#include "core/game_version.h"
#include "core/words.h"
#include "files/file_io.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

// Whether the tweaks held: the game's start-up followed through the configs of a game directory.
namespace quarvel {

struct CheckOptions {
    GameVersion version = GameVersion::Classic; // whose rate limits the rates are held to
    // The folder lies in a Steam library, so the game there is today's whatever version is
    // chosen: rates below today's defaults are said too.
    bool inSteamLibrary = false;
};

struct CheckReport {
    std::optional<Failure> failure; // the directory could not be read
    std::vector<Sentence> lines{};  // what was found, one sentence a line
    bool findings = false; // the tweaks are not installed or not run, or a setting did not hold
    // Installing again so that userconfig.cfg runs the script too would make them hold: config.cfg
    // undid a setting, and userconfig.cfg does not run the script.
    bool runAfterSettings = false;
    // Where in `lines` the sentence that says so stands, for a window to put its own words there.
    std::optional<std::size_t> remedyLine{};

    [[nodiscard]] bool held() const { return !failure && !findings; }
};

// Follows the game's start-up as its console would, without running anything (see readStartUp).
// Tells whether quarvel.cfg is there and run, every setting of it that a later line or alias sets
// to another value (naming the file and line), every rate beyond what the game version takes or
// that the game raises, and where the reading stopped at a limit. A file that cannot be read is a
// finding, and the start-up goes on without it, as the game's does. The folder is held against
// another Quarvel while the check runs. Changes nothing. What a config holds is shown with its
// control characters escaped ("\x1b").
CheckReport checkTweaks(const std::filesystem::path& directory, const CheckOptions& options,
                        FileIo& io = systemFileIo());

} // namespace quarvel
