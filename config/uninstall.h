#pragma once

#include "config/change_guard.h"
#include "config/file_io.h"
#include "core/failure.h"
#include "core/translatable.h"
#include "core/words.h"

#include <filesystem>
#include <vector>

// Taking the tweaks out of a game directory again, with the same care as putting them in.
namespace quarvel {

struct UninstallResult {
    std::optional<Failure> failure;                // what kept the uninstall from being done
    std::vector<std::filesystem::path> unhooked{}; // the configs that no longer run the script
    bool scriptDeleted = false;
    // Configs that still run the script with a line of the player's own form, left as it is.
    std::vector<std::filesystem::path> stillRunBy{};
    // A userconfig.cfg that is no file an install writes into (a folder, a FIFO, a link it
    // refuses): it cannot run the script, and is left as it is.
    std::vector<std::filesystem::path> leftAlone{};
    // Safety copies that could not be deleted (FileProblem::CopyLeft): the files are whole, but
    // the player is told where the copies are.
    std::vector<Failure> warnings{};

    [[nodiscard]] bool removedAnything() const { return !unhooked.empty() || scriptDeleted; }
};

// Takes the exec line, and the two empty lines an install put before it, out of autoexec.cfg and
// userconfig.cfg, keeping every other byte of them, and deletes quarvel.cfg. Every file is looked
// at before any is changed, and what makes a change unsafe stops it before it begins; each file
// is then changed whole or not at all. The configs go first and the script last, so that a
// failure half-way leaves at worst a script nothing runs; the failure says what was done before
// it. The folder is held against another Quarvel meanwhile. The files are changed inside `guard`.
UninstallResult uninstallTweaks(const std::filesystem::path& directory, FileIo& io = systemFileIo(),
                                const ChangeGuard& guard = {});

// What the player is told after an uninstall that was done: one sentence a line.
std::vector<Sentence> uninstallReport(const std::filesystem::path& directory,
                                      const UninstallResult& result);

// What an uninstall asks before it begins; %1 is the directory.
inline constexpr std::string_view uninstallQuestion = QVL_TRANSLATABLE(
    "Install", "Remove the Quarvel tweaks from %1? quarvel.cfg is deleted and the line that runs "
               "it is taken out of autoexec.cfg and userconfig.cfg; nothing else changes.");

} // namespace quarvel
