#pragma once

#include "config/exec_line.h"
#include "config/restore_record.h"
#include "core/failure.h"
#include "files/file_io.h"
#include "files/game_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// A config of the game that runs the script, autoexec.cfg or userconfig.cfg: looked at before
// anything is written, with what becomes of it once the exec line is added or taken out. An
// install, an uninstall and the userconfig.cfg hook change the configs through it alike.
namespace quarvel {

struct ConfigHook {
    GameFile file;
    std::optional<std::string> content{}; // what it is to hold; nothing when it stays as it is
    // The line added: the config's own line ends, where adding the line gave it others.
    std::optional<LineEnds> changedEnds{};
    // The line taken out: the install created the config and it holds nothing else, so it goes.
    bool remove = false;
};

// The config made to run the script: created with the exec line when it is missing, the line
// added when the config does not run the script yet. A file that would grow past
// maxConfigFileSize is refused.
Expected<ConfigHook> lookAtHook(FileIo& io, const std::filesystem::path& path);

// The config without the exec line an install adds, by the uninstall's rules; nothing when there
// is no such line, no file, or something that is no file Quarvel writes (it never got the line).
Expected<std::optional<ConfigHook>> lookAtUnhook(FileIo& io, const std::filesystem::path& path);

// Refuses, before anything is written, a config the player may not write; one that stays as it is
// passes.
Expected<void> checkWritable(ConfigHook& hook);

// Gives the config what it is to hold, or deletes it when it goes; a safety copy left behind is
// added to `warnings`. The content is let go of afterwards, so that a large file is not held
// twice.
Expected<void> writeHook(ConfigHook& hook, std::vector<Failure>& warnings);

// Notes in the record what adding the exec line does that Remove is to undo: the config made where
// there was none, and the line ends it gave the config. What an earlier change noted stays.
void noteInRecord(const ConfigHook& hook, RestoreRecord& record);

} // namespace quarvel
