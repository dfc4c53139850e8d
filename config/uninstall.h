#pragma once

#include "config/restore_record.h"
#include "config/saved_settings.h"
#include "core/failure.h"
#include "core/translatable.h"
#include "core/words.h"
#include "files/change_guard.h"
#include "files/file_io.h"

#include <filesystem>
#include <functional>
#include <vector>

// Taking the tweaks out of a game directory again, with the same care as putting them in, and
// putting back the settings the game saved from them.
namespace quarvel {

struct UninstallOptions {
    // Leave config.cfg as it is: the settings the game saved from quarvel.cfg stay.
    bool keepGameSettings = false;
    // Whether the game runs now; it writes config.cfg when it quits, over what Remove put back.
    // Empty: it never does.
    std::function<bool()> gameRunning{};
};

// What became of config.cfg, the settings the game saved at its last exit.
enum class SavedSettingsFate {
    Untouched,   // nothing was installed, or the record asks nothing of it
    NoRecord,    // installed without quarvel-restore.cfg (by an older Quarvel): left as it is
    LeftAsAsked, // keepGameSettings
    Restored,    // the recorded settings were looked at; putBack and kept say what came of them
};

struct UninstallResult {
    std::optional<Failure> failure;                // what kept the uninstall from being done
    std::vector<std::filesystem::path> unhooked{}; // the configs that no longer run the script
    bool scriptDeleted = false;
    // Configs that still run the script with a line of the player's own form, left as it is.
    std::vector<std::filesystem::path> stillRunBy{};
    // A userconfig.cfg that is no file an install writes into (a folder, a FIFO, a link it
    // refuses): it cannot run the script, and is left as it is.
    std::vector<std::filesystem::path> leftAlone{};
    // Configs the install created that held nothing else, deleted.
    std::vector<std::filesystem::path> deleted{};
    SavedSettingsFate savedSettings = SavedSettingsFate::Untouched;
    std::vector<PutBackSetting> putBack{}; // into config.cfg
    std::vector<KeptSetting> kept{};       // in config.cfg, as the player changed them since
    std::vector<UnusedRecordLine> unusedRecordLines{};
    bool recordDeleted = false;
    // Safety copies that could not be deleted (FileProblem::CopyLeft): the files are whole, but
    // the player is told where the copies are.
    std::vector<Failure> warnings{};

    [[nodiscard]] bool removedAnything() const {
        return !unhooked.empty() || scriptDeleted || recordDeleted || !deleted.empty() ||
               !putBack.empty();
    }
};

// Puts back into config.cfg what the game saved from quarvel.cfg, as quarvel-restore.cfg recorded
// it before the install; takes the exec line, and the two empty lines an install put before it, out
// of autoexec.cfg and userconfig.cfg, keeping every other byte of them; deletes the configs the
// install created that hold nothing else, then quarvel.cfg and the record. Every file is looked at
// before any is changed, and what makes a change unsafe stops it before it begins; so does a
// running game, which would write its settings over config.cfg when it quits. Each file is then
// changed whole or not at all, config.cfg first and the record last, so that a failure half-way
// leaves the record for a later uninstall; the failure says what was done before it. The folder is
// held against another Quarvel meanwhile. The files are changed inside `guard`.
UninstallResult uninstallTweaks(const std::filesystem::path& directory, FileIo& io = systemFileIo(),
                                const UninstallOptions& options = {},
                                const ChangeGuard& guard = {});

// What an uninstall would do, found out the same way but changing nothing: for the question before
// it. A running game is its failure, as it would be the uninstall's.
UninstallResult planUninstall(const std::filesystem::path& directory, FileIo& io = systemFileIo(),
                              const UninstallOptions& options = {});

// What the player is told after an uninstall that was done: one sentence a line.
std::vector<Sentence> uninstallReport(const std::filesystem::path& directory,
                                      const UninstallResult& result);

// What an uninstall will do to config.cfg, from its plan: for the question before it.
std::vector<Sentence> savedSettingsReport(const UninstallResult& result);

// What an uninstall asks before it begins; %1 is the directory. What it does to config.cfg follows.
inline constexpr std::string_view uninstallQuestion = QVL_TRANSLATABLE(
    "Install", "Remove the Quarvel tweaks from %1? quarvel.cfg is deleted and the line that runs "
               "it is taken out of autoexec.cfg and userconfig.cfg.");

} // namespace quarvel
