#pragma once

#include "core/failure.h"
#include "files/change_guard.h"
#include "files/file_io.h"

#include <filesystem>
#include <optional>
#include <vector>

// userconfig.cfg running the script: whether it does in a folder, and making it do so without
// installing again. The game runs userconfig.cfg last, after config.cfg, the settings it saved at
// its last exit, so only what userconfig.cfg runs holds against them.
namespace quarvel {

enum class UserconfigHookState {
    NothingInstalled, // no quarvel.cfg in the folder
    Hooked,           // quarvel.cfg is there and userconfig.cfg runs it
    NotHooked,        // quarvel.cfg is there, and userconfig.cfg does not run it (or is not there)
};

// Reads quarvel.cfg's name and userconfig.cfg, in any form the game's console runs; changes
// nothing and takes no lock. A userconfig.cfg that cannot be read runs nothing Quarvel knows of.
UserconfigHookState userconfigHookState(const std::filesystem::path& directory,
                                        FileIo& io = systemFileIo());

struct HookResult {
    std::optional<Failure> failure; // what kept the line from being added
    bool added = false;             // false when userconfig.cfg ran the script already
    // A safety copy that could not be deleted (FileProblem::CopyLeft): the file is whole.
    std::vector<Failure> warnings{};
};

// Adds the exec line to userconfig.cfg of a folder where quarvel.cfg is installed, creating the
// config when it is missing, and changes nothing else: quarvel.cfg and autoexec.cfg keep their
// bytes. Refuses what an install refuses, before anything is written; a folder without
// quarvel.cfg is a failure to read it. The folder is held against another Quarvel meanwhile, and
// the file is written inside `guard`.
HookResult hookUserconfig(const std::filesystem::path& directory, FileIo& io = systemFileIo(),
                          const ChangeGuard& guard = {});

} // namespace quarvel
