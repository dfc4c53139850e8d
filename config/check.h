#pragma once

#include "config/file_io.h"
#include "core/failure.h"
#include "core/game_version.h"
#include "core/words.h"

#include <filesystem>
#include <vector>

// Whether the tweaks held: the game's start-up followed through the configs of a game directory.
namespace quarvel {

struct CheckReport {
    std::optional<Failure> failure; // the directory could not be read
    std::vector<Sentence> lines{};  // what was found, one sentence a line
    bool findings = false; // the tweaks are not installed or not run, or a setting did not hold
    // Installing again so that userconfig.cfg runs the script too would make them hold: config.cfg
    // undid a setting, and nothing runs the script after it.
    bool runAfterSettings = false;

    [[nodiscard]] bool held() const { return !failure && !findings; }
};

// Runs the game's start-up as its console would, without running anything: autoexec.cfg, then
// config.cfg (the settings the game saved at its last exit, which run userconfig.cfg at their
// end), following every exec line into the file it names at that point. Tells whether quarvel.cfg
// is there and run, every setting of it that a later line sets to another value (naming the file
// and line), and every rate beyond what the game version takes. A file that cannot be read is a
// finding, and the start-up goes on without it, as the game's does. Changes nothing.
CheckReport checkTweaks(const std::filesystem::path& directory, GameVersion version,
                        FileIo& io = systemFileIo());

} // namespace quarvel
