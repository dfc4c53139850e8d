#pragma once

#include "config/exec_line.h"
#include "core/failure.h"
#include "files/file_io.h"
#include "files/game_file.h"

#include <filesystem>
#include <optional>
#include <string>

// A config of the game that runs the script, autoexec.cfg or userconfig.cfg: looked at before
// anything is written, with what it is to hold once the exec line is added or taken out.
namespace quarvel {

struct Runner {
    GameFile file;
    std::optional<std::string> content; // what it is to hold; nothing when it stays as it is
    // The config's own line ends, where adding the exec line gave it others.
    std::optional<LineEnds> changedEnds{};
};

// The config made to run the script: created with the exec line when it is missing, the line
// added when the config does not run the script yet. A file that would grow past
// maxConfigFileSize is refused.
Expected<Runner> lookAtRunner(FileIo& io, const std::filesystem::path& path);

// The config without the exec line an install adds, by the uninstall's rules; nothing when there
// is no such line, no file, or something that is no file Quarvel writes (it never got the line).
Expected<std::optional<Runner>> lookAtUnhook(FileIo& io, const std::filesystem::path& path);

// Replaces the config's content with what it is to hold; a safety copy left behind is added to
// `warnings`. The content is let go of afterwards, so that a large file is not held twice.
Expected<void> writeRunner(Runner& runner, std::vector<Failure>& warnings);

} // namespace quarvel
