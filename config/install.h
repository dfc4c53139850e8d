#pragma once

#include "core/failure.h"
#include "core/translatable.h"
#include "core/words.h"
#include "files/change_guard.h"
#include "files/file_io.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Installing the script into a game directory: quarvel.cfg, and the exec line in autoexec.cfg.
namespace quarvel {

// What an install asks before it replaces a script that is already there.
inline constexpr std::string_view overwriteQuestion =
    QVL_TRANSLATABLE("Install", "Are you sure you want to overwrite your Quarvel Tweaks ?");

// What the player is told after an install; %1 is the directory.
inline constexpr std::string_view installedText = QVL_TRANSLATABLE(
    "Install",
    "Quarvel config tweaks have been installed in %1!\r\n\r\nINSTRUCTIONS:\r\nPlay CS, "
    "you do not have to start QVL anymore. If want to check if the tweaks work, open your "
    "Console in CS, it should say Quarvel loaded.");

// Said after an install while the game runs: it ran its scripts when it started.
inline constexpr std::string_view gameRunsWords =
    QVL_TRANSLATABLE("Install", "The game is running: the tweaks apply from its next start.");

// What an install does with userconfig.cfg. The game runs it last, after config.cfg, the settings
// it saved at its last exit, which would otherwise override what autoexec.cfg ran.
enum class UserconfigChange {
    Leave,   // as it is, whether it runs the script or not
    Add,     // make it run the script too
    TakeOut, // take Quarvel's exec line out of it, as an uninstall does
};

struct InstallOptions {
    UserconfigChange userconfig = UserconfigChange::Leave;
    // Whether a script that is there already is replaced. Without it the install writes nothing
    // and says it would overwrite, so that the player can be asked (overwriteQuestion); a link
    // where the script would go counts, even one that leads nowhere yet. Decided with the folder
    // held, so that no other run slips in between.
    bool overwrite = true;
};

struct InstallResult {
    std::optional<Failure> failure; // what kept the install from being done
    std::string installedText{};    // the script with its echo banner, as written
    // Safety copies that could not be deleted (FileProblem::CopyLeft): the files are whole, but
    // the player is told where the copies are.
    std::vector<Failure> warnings{};
    // UserconfigChange::TakeOut took Quarvel's line out of userconfig.cfg.
    bool unhooked = false;
    // Nothing was written: a script is there, and the options did not allow replacing it.
    bool wouldOverwrite = false;

    [[nodiscard]] bool installed() const { return !failure && !wouldOverwrite; }
};

// Writes the script with its echo banner as quarvel.cfg, then makes autoexec.cfg in the directory
// run it (and userconfig.cfg, or takes it out of userconfig.cfg, when asked). Every file is looked
// at before any is written, and anything that makes a write unsafe (a file that would grow past
// maxConfigFileSize, too) stops the install before it begins; each file is then replaced whole or
// not at all, and a failure half-way says what was done before it. The folder is held against
// another Quarvel meanwhile. Running out of memory is a failure like any other. The files are
// written inside `guard`.
InstallResult installTweaks(const std::filesystem::path& directory, std::string_view text,
                            FileIo& io = systemFileIo(), InstallOptions options = {},
                            const ChangeGuard& guard = {});

// The message after an install into the directory.
std::string installedMessage(const std::filesystem::path& directory);

// Said after an install that took Quarvel's line out of userconfig.cfg.
Sentence unhookedSentence();

} // namespace quarvel
