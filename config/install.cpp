#include "config/install.h"

#include "config/config_hook.h"
#include "config/console_script.h"
#include "config/restore_record.h"
#include "config/script.h"
#include "config/start_up.h"
#include "core/words.h"
#include "files/folder_lock.h"
#include "files/game_file.h"

#include <algorithm>
#include <vector>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

// What is left when the install stops after quarvel.cfg was written: the configs named do not
// run it (yet).
Sentence notRunBy(const std::vector<std::string>& configs) {
    if (configs.empty()) {
        return {QVL_TRANSLATABLE("Failure", "The tweaks were installed, but the change may not "
                                            "survive a power cut")};
    }
    if (configs.size() == 1) {
        return {QVL_TRANSLATABLE("Failure", "quarvel.cfg was written, but %1 does not run it"),
                configs};
    }
    return {QVL_TRANSLATABLE("Failure", "quarvel.cfg was written, but neither %1 nor %2 runs it"),
            configs};
}

// Every config that is to run the script, looked at: autoexec.cfg, and userconfig.cfg when asked.
Expected<std::vector<ConfigHook>> lookAtHooks(const fs::path& directory, FileIo& io,
                                              InstallOptions options) {
    std::vector<ConfigHook> hooks;
    for (const std::string_view name : {autoexecFileName, userconfigFileName}) {
        if (name == userconfigFileName && options.userconfig != UserconfigChange::Add) {
            continue;
        }
        auto hook = lookAtHook(io, directory / name);
        if (!hook) {
            return hook.failure();
        }
        hooks.push_back(std::move(*hook));
    }
    return hooks;
}

// The configs that are to run the script and do not yet.
std::vector<std::string> notRunYet(const std::vector<ConfigHook>& hooks) {
    std::vector<std::string> names;
    for (const ConfigHook& hook : hooks) {
        if (hook.content) {
            names.push_back(pathText(hook.file.path().filename()));
        }
    }
    return names;
}

// How many values of quarvel.cfg the record keeps for a setting: the latest install's, and those
// of the installs before it that the game may still have saved.
constexpr std::size_t scriptValuesKept = 4;

// The record of the player's settings from before the install, and what it is to hold now.
struct Record {
    GameFile file;
    std::optional<std::string> before;  // its content before the install; nothing: not there
    std::optional<std::string> content; // what it is to hold; nothing: it stays as it is
};

// The first install's record is kept, for it holds the player's own values; a setting this script
// adds is recorded as the game's start-up without quarvel.cfg leaves it, and the configs made now
// are added to those the install created.
Expected<Record> lookAtRecord(FileIo& io, const fs::path& directory, std::string_view installed,
                              const std::vector<ConfigHook>& hooks) {
    auto file = GameFile::look(io, directory / restoreFileName, FileStep::Write);
    if (!file) {
        return file.failure();
    }
    Record record{std::move(*file), std::nullopt, std::nullopt};
    RestoreRecord kept;
    if (record.file.exists()) {
        Expected<std::string> text = record.file.read();
        if (!text) {
            return text.failure();
        }
        kept = readRecord(*text);
        record.before = std::move(*text);
    }
    std::optional<StartUp> startUp;
    for (const auto& [name, value] : settingsOf(installed)) {
        auto known = std::ranges::find(kept.settings, name, &RecordedSetting::name);
        if (known != kept.settings.end()) {
            std::vector<std::string>& values = known->scriptSets;
            if (values.empty() || !sameConsoleValue(values.front(), value)) {
                values.insert(values.begin(), value);
                values.resize(std::min(values.size(), scriptValuesKept));
            }
            continue;
        }
        if (!startUp) {
            startUp = readStartUp(directory, io, {.withoutScript = true});
        }
        const auto set = startUp->settings.find(name);
        if (set == startUp->settings.end()) {
            kept.settings.push_back({name, std::nullopt, {value}});
        } else if (safeConsoleValue(set->second.value)) {
            kept.settings.push_back({name, set->second.value, {value}});
        } // a value that could not go back into config.cfg is not recorded
    }
    for (const ConfigHook& hook : hooks) {
        noteInRecord(hook, kept);
    }
    std::string content = recordText(kept);
    if (content != record.before) {
        record.content = std::move(content);
    }
    return record;
}

// A script, or a link where it would go, even one that leads nowhere yet.
bool scriptExists(const fs::path& directory, FileIo& io) {
    const auto script = GameFile::look(io, directory / scriptFileName, FileStep::Write);
    return script && script->named();
}

// One install: every file looked at first, then the record, quarvel.cfg and the configs written.
class Installation final : public FolderWork {
public:
    Installation(const fs::path& directory, std::string_view text, FileIo& io,
                 InstallOptions options, InstallResult& result)
        : FolderWork(FileStep::Write, directory / scriptFileName), directory_(directory),
          text_(text), io_(io), options_(options), result_(result) {}

    // Everything is looked at, and what makes a write unsafe stops the install; nothing is
    // written.
    Expected<void> look() override {
        if (Expected<void> there = lookAtFolder(directory_, FileStep::Write); !there) {
            return there;
        }
        // Asked before anything else is looked at: the question comes before any fault.
        if (!options_.overwrite && scriptExists(directory_, io_)) {
            result_.wouldOverwrite = true;
            return {};
        }
        return inTurn(*this, {&Installation::lookAtFiles, &Installation::refuseUnwritable,
                              &Installation::prepareRecord});
    }

    // The record goes first. quarvel.cfg follows: if a config cannot be changed after it, what is
    // left is a script that nothing runs, which the game never notices. The other way round would
    // leave a config running a script that is not there, or the old one. A userconfig.cfg whose
    // line is taken out goes last: stopping before it leaves an install that is done, with one
    // more config running the script.
    Expected<void> change() override {
        if (result_.wouldOverwrite) {
            return {};
        }
        Expected<void> written =
            inTurn(*this, {&Installation::writeRecord, &Installation::writeScript,
                           &Installation::writeHooks, &Installation::writeUnhook});
        if (written) {
            result_.installedText = std::move(installed_);
        }
        return written;
    }

private:
    Expected<void> lookAtFiles() {
        auto hooks = lookAtHooks(directory_, io_, options_);
        if (!hooks) {
            return hooks.failure();
        }
        hooks_ = std::move(*hooks);
        if (options_.userconfig == UserconfigChange::TakeOut) {
            auto unhook = lookAtUnhook(io_, directory_ / userconfigFileName);
            if (!unhook) {
                return unhook.failure();
            }
            unhook_ = std::move(*unhook);
        }
        auto script = GameFile::look(io_, directory_ / scriptFileName, FileStep::Write);
        if (!script) {
            return script.failure();
        }
        script_ = std::move(*script);
        installed_ = std::string(text_).append(echoBanner());
        if (installed_.size() + crlf.size() > maxConfigFileSize) {
            return Failure{.step = FileStep::Write,
                           .problem = FileProblem::WouldBeTooLarge,
                           .file = script_->path()};
        }
        return {};
    }

    // A file the player may not write stops the install before anything is written.
    Expected<void> refuseUnwritable() {
        for (ConfigHook& hook : hooks_) {
            if (Expected<void> writable = checkWritable(hook); !writable) {
                return writable;
            }
        }
        if (unhook_) {
            if (Expected<void> writable = checkWritable(*unhook_); !writable) {
                return writable;
            }
        }
        return script_->checkWritable();
    }

    // The record as it is to be after the install; refused like the other files when the player
    // may not write it.
    Expected<void> prepareRecord() {
        auto record = lookAtRecord(io_, directory_, installed_, hooks_);
        if (!record) {
            return record.failure();
        }
        record_ = std::move(*record);
        return record_->content ? record_->file.checkWritable() : Expected<void>();
    }

    // Writes the record before anything else, so that no quarvel.cfg ever runs without it. A
    // folder that takes no new file, whose configs the player may still change, gets the tweaks
    // as it always did, and the player is told what Remove cannot give back.
    Expected<void> writeRecord() {
        if (!record_->content) {
            return {};
        }
        Expected<void> written = record_->file.replace(*record_->content);
        warnAboutCopy(record_->file);
        if (written) {
            return written;
        }
        Failure& failed = written.failure();
        if (!record_->before && failed.problem == FileProblem::System &&
            failed.step == FileStep::Write && isRefused(failed.code)) {
            failed.problem = FileProblem::NoRecordMade;
            result_.warnings.push_back(failed);
            record_->content.reset();
            return {};
        }
        if (failed.step == FileStep::Sync) {
            failed.done = Sentence{recordWrittenAlone};
        }
        return written;
    }

    Expected<void> writeScript() {
        Expected<void> written = script_->replace(std::string(installed_).append(crlf));
        if (!written && written.failure().step == FileStep::Sync) {
            written.failure().done = notRunBy(notRunYet(hooks_));
        } else if (!written) {
            takeBack();
        }
        warnAboutCopy(*script_);
        return written;
    }

    Expected<void> writeHooks() {
        // Named before they are written: a config's content is let go of once it was written.
        const std::vector<std::string> notRun = notRunYet(hooks_);
        std::size_t written = 0;
        for (ConfigHook& hook : hooks_) {
            if (!hook.content) {
                continue;
            }
            if (Expected<void> hooked = writeHook(hook, result_.warnings); !hooked) {
                written += hooked.failure().step == FileStep::Sync ? 1 : 0;
                hooked.failure().done =
                    notRunBy({notRun.begin() + static_cast<std::ptrdiff_t>(written), notRun.end()});
                return hooked;
            }
            ++written;
        }
        return {};
    }

    Expected<void> writeUnhook() {
        if (!unhook_) {
            return {};
        }
        Expected<void> unhooked = writeHook(*unhook_, result_.warnings);
        result_.unhooked = unhooked || unhooked.failure().step == FileStep::Sync;
        if (!unhooked) {
            unhooked.failure().done =
                result_.unhooked
                    ? notRunBy({})
                    : Sentence{QVL_TRANSLATABLE(
                                   "Failure", "The tweaks were installed, but %1 still runs them"),
                               {pathText(unhook_->file.path().filename())}};
        }
        return unhooked;
    }

    // Takes back a record written for an install that then failed before anything else changed.
    // One left behind changes nothing the game does: it is only a file that nothing runs.
    void takeBack() {
        if (!record_->content) {
            return;
        }
        if (record_->before) {
            static_cast<void>(record_->file.replace(*record_->before));
        } else if (auto made = GameFile::look(io_, record_->file.path(), FileStep::Remove)) {
            static_cast<void>(made->remove());
        }
    }

    void warnAboutCopy(const GameFile& file) {
        if (file.leftCopy()) {
            result_.warnings.push_back(*file.leftCopy());
        }
    }

    const fs::path& directory_;
    std::string_view text_;
    FileIo& io_;
    InstallOptions options_;
    InstallResult& result_;
    std::vector<ConfigHook> hooks_;
    std::optional<ConfigHook> unhook_;
    std::optional<GameFile> script_;
    std::optional<Record> record_;
    std::string installed_; // the script with its echo banner
};

} // namespace

InstallResult installTweaks(const fs::path& directory, std::string_view text, FileIo& io,
                            InstallOptions options, const ChangeGuard& guard) {
    InstallResult result;
    Installation installation(directory, text, io, options, result);
    result.failure = failureOf(underFolderLock(io, directory, installation, guard));
    return result;
}

std::string installedMessage(const fs::path& directory) {
    return filledWords(installedText, {pathText(directory)});
}

Sentence unhookedSentence() {
    return {QVL_TRANSLATABLE("Install", "%1 no longer runs quarvel.cfg."),
            {std::string(userconfigFileName)}};
}

} // namespace quarvel
