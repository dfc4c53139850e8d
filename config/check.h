#pragma once

#include "config/file_io.h"
#include "core/failure.h"
#include "core/rate_rules.h"
#include "core/words.h"

#include <filesystem>
#include <vector>

// Whether the tweaks held: what a game directory's configs say about the installed script.
namespace quarvel {

struct CheckReport {
    std::optional<Failure> failure; // the directory or one of its configs could not be read
    std::vector<Sentence> lines{};  // what was found, one sentence a line
    bool findings = false; // the tweaks are not installed or not run, or a setting did not hold

    [[nodiscard]] bool held() const { return !failure && !findings; }
};

// Reads autoexec.cfg, userconfig.cfg, config.cfg and quarvel.cfg as the loader reads a config and
// tells whether quarvel.cfg is there and which configs run it, every setting of quarvel.cfg that
// config.cfg, the game's settings saved at its last exit, holds with another value, and every
// rate beyond what the game build takes. Changes nothing.
CheckReport checkTweaks(const std::filesystem::path& directory, RateLimits limits,
                        FileIo& io = systemFileIo());

} // namespace quarvel
