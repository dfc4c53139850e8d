#include "config/uninstall.h"

#include "config/config_hook.h"
#include "config/console_script.h"
#include "config/exec_line.h"
#include "config/script.h"
#include "config/start_up.h"
#include "core/ascii.h"
#include "files/folder_lock.h"
#include "files/game_file.h"

#include <algorithm>
#include <optional>
#include <string>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view removedUnsynced = QVL_TRANSLATABLE(
    "Failure", "The tweaks were removed, but the change may not survive a power cut");

// As many settings as a message names; the rest are counted.
constexpr std::size_t namedAtMost = 8;

// Nothing of the player's: only blanks and line ends.
bool blank(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// One uninstall: every file looked at first, then config.cfg, the configs, quarvel.cfg and the
// record changed in that order.
class Removal : public FolderWork {
public:
    Removal(const fs::path& directory, FileIo& io, const UninstallOptions& options,
            UninstallResult& result)
        : FolderWork(FileStep::Update, directory / autoexecFileName), directory_(directory),
          io_(io), options_(options), result_(result) {}

    // Everything is looked at; nothing is changed.
    Expected<void> look() override {
        if (Expected<void> there = lookAtFolder(directory_, FileStep::Update); !there) {
            return there;
        }
        if (Expected<void> looked =
                inTurn(*this, {&Removal::lookAtConfigs, &Removal::lookAtScript,
                               &Removal::lookAtRecord, &Removal::lookAtSavedSettings});
            !looked) {
            return looked;
        }
        // The game writes config.cfg from what it holds when it quits, over what is put back.
        if (record_ && !options_.keepGameSettings && options_.gameRunning &&
            options_.gameRunning()) {
            return Failure{.step = FileStep::Update,
                           .problem = FileProblem::GameRunning,
                           .file = directory_ / savedSettingsFileName};
        }
        return {};
    }

    Expected<void> change() override {
        for (ConfigHook& hook : hooks_) {
            if (Expected<void> writable = checkWritable(hook); !writable) {
                return writable;
            }
        }
        if (restore_ && restore_->changed()) {
            if (Expected<void> writable = savedSettings_->checkWritable(); !writable) {
                return writable;
            }
        }
        if (record_) {
            if (Expected<void> writable = recordFile_->checkWritable(); !writable) {
                return writable;
            }
        }
        // config.cfg goes first and the record last: a failure half-way leaves the record, with
        // which a later uninstall puts the settings back again and finishes.
        return inTurn(*this, {&Removal::putBackSettings, &Removal::unhookConfigs,
                              &Removal::deleteScript, &Removal::deleteRecord});
    }

private:
    Expected<void> lookAtScript() {
        auto script = GameFile::look(io_, directory_ / scriptFileName, FileStep::Remove);
        if (!script) {
            return script.failure();
        }
        script_ = std::move(*script);
        if (script_->exists()) {
            const Expected<std::string> content = script_->read();
            if (!content) {
                return content.failure();
            }
            scriptSettings_ = settingsOf(*content);
        }
        return script_->named() ? script_->checkWritable() : Expected<void>();
    }

    Expected<void> lookAtRecord() {
        auto file = GameFile::look(io_, directory_ / restoreFileName, FileStep::Remove);
        if (!file) {
            return file.failure();
        }
        recordFile_ = std::move(*file);
        if (!recordFile_->named()) {
            keepChangedConfigs();
            result_.savedSettings = options_.keepGameSettings ? SavedSettingsFate::LeftAsAsked
                                    : script_->named()        ? SavedSettingsFate::NoRecord
                                                              : SavedSettingsFate::Untouched;
            return {};
        }
        const Expected<std::string> text = recordFile_->read();
        if (!text) {
            return text.failure();
        }
        // A line for a setting Quarvel never writes is no record of Quarvel's: a setting an earlier
        // quarvel.cfg set and this one does not still is.
        record_ =
            readRecord(*text, std::vector<std::string>(tweakCvars().begin(), tweakCvars().end()));
        result_.savedSettings = options_.keepGameSettings ? SavedSettingsFate::LeftAsAsked
                                                          : SavedSettingsFate::Restored;
        result_.unusedRecordLines = record_->unused;
        keepChangedConfigs();
        return {};
    }

    Expected<void> lookAtConfigs() {
        for (const std::string_view name : {autoexecFileName, userconfigFileName}) {
            auto file = GameFile::look(io_, directory_ / name, FileStep::Update);
            if (!file && name == userconfigFileName && isRefusedKind(file.failure())) {
                // A folder, a FIFO or a link that an install refuses never got Quarvel's line: a
                // plain install never looks at it, so it must not keep the tweaks from coming out.
                result_.leftAlone.push_back(directory_ / name);
                continue;
            }
            if (!file) {
                return file.failure();
            }
            const Expected<std::string> current = file->read();
            if (!current) {
                return current.failure();
            }
            std::optional<std::string> without = withoutExecLine(*current);
            const std::string_view after = without ? *without : *current;
            if (runsScript(after)) {
                result_.stillRunBy.push_back(file->path());
            }
            // Whether it goes is known once the record has been read.
            const bool empty = file->exists() && blank(after);
            hooks_.push_back(
                {.file = std::move(*file), .content = std::move(without), .remove = empty});
        }
        return {};
    }

    // The configs that change: those that ran the script, and those the install created that
    // hold nothing else, which go.
    void keepChangedConfigs() {
        std::erase_if(hooks_, [&](ConfigHook& hook) {
            const std::string name = pathText(hook.file.path().filename());
            hook.remove = hook.remove && record_ &&
                          std::ranges::find(record_->created, name) != record_->created.end();
            // The line ends the config had before an install gave it CR LF ones.
            if (hook.content && record_) {
                if (const auto ends = record_->lineEndsBefore(name)) {
                    hook.content = withLineEnds(*hook.content, *ends);
                }
            }
            return !hook.remove && !hook.content;
        });
    }

    Expected<void> lookAtSavedSettings() {
        if (!record_ || options_.keepGameSettings) {
            return {};
        }
        auto file = GameFile::look(io_, directory_ / savedSettingsFileName, FileStep::Update);
        if (!file) {
            return file.failure();
        }
        savedSettings_ = std::move(*file);
        const Expected<std::string> config = savedSettings_->read();
        if (!config) {
            return config.failure();
        }
        restore_ = restoreSavedSettings(*config, record_->settings, scriptSettings_);
        result_.putBack = restore_->putBack;
        result_.kept = restore_->kept;
        // What the change would make of config.cfg must be a file Quarvel itself reads again.
        if (restore_->content.size() > maxConfigFileSize) {
            return Failure{.step = FileStep::Update,
                           .problem = FileProblem::WouldBeTooLarge,
                           .file = savedSettings_->path()};
        }
        return {};
    }

    Expected<void> putBackSettings() {
        if (!restore_ || !restore_->changed()) {
            return {};
        }
        Expected<void> written = savedSettings_->replace(restore_->content);
        warnAboutCopy(*savedSettings_);
        if (written || written.failure().step == FileStep::Sync) {
            restored_ = true;
        }
        if (!written && written.failure().step == FileStep::Sync) {
            written.failure().done = Sentence{QVL_TRANSLATABLE(
                "Failure", "config.cfg has its settings from before the install back, but nothing "
                           "else was changed yet")};
        }
        return written;
    }

    Expected<void> unhookConfigs() {
        for (ConfigHook& hook : hooks_) {
            Expected<void> changed = writeHook(hook, result_.warnings);
            if (!changed) {
                if (changed.failure().step == FileStep::Sync) {
                    done(hook);
                }
                changed.failure().done =
                    leftState(stillRunning(result_.unhooked.size() + result_.deleted.size()));
                return changed;
            }
            done(hook);
        }
        return {};
    }

    Expected<void> deleteScript() {
        if (!script_->named()) {
            return {};
        }
        if (Expected<void> removed = script_->remove(); !removed) {
            if (removed.failure().step == FileStep::Sync) {
                result_.scriptDeleted = true;
                removed.failure().done = Sentence{removedUnsynced};
            } else if (!hooks_.empty() || restored_) {
                removed.failure().done = leftState({});
            }
            return removed;
        }
        result_.scriptDeleted = true;
        return {};
    }

    Expected<void> deleteRecord() {
        if (!record_) {
            return {};
        }
        if (Expected<void> removed = recordFile_->remove(); !removed) {
            if (removed.failure().step == FileStep::Sync) {
                result_.recordDeleted = true;
                removed.failure().done = Sentence{removedUnsynced};
            } else {
                removed.failure().done = Sentence{QVL_TRANSLATABLE(
                    "Failure", "The tweaks were removed, but quarvel-restore.cfg was kept")};
            }
            return removed;
        }
        result_.recordDeleted = true;
        return {};
    }

    void done(const ConfigHook& hook) {
        (hook.remove ? result_.deleted : result_.unhooked).push_back(hook.file.path());
    }

    void warnAboutCopy(const GameFile& file) {
        if (file.leftCopy()) {
            result_.warnings.push_back(*file.leftCopy());
        }
    }

    // The configs from `from` on, which still run the script.
    [[nodiscard]] std::vector<std::string> stillRunning(std::size_t from) const {
        std::vector<std::string> names;
        for (std::size_t i = from; i < hooks_.size(); ++i) {
            names.push_back(pathText(hooks_[i].file.path().filename()));
        }
        return names;
    }

    // What a failure half-way leaves, told before it; nothing when nothing was changed.
    [[nodiscard]] std::optional<Sentence> leftState(std::vector<std::string> running) const {
        const std::size_t changed = result_.unhooked.size() + result_.deleted.size();
        if (running.empty()) {
            if (!script_->named()) {
                return Sentence{removedUnsynced};
            }
            return restored_
                       ? Sentence{QVL_TRANSLATABLE("Failure",
                                                   "config.cfg has its settings from before the "
                                                   "install back and nothing runs quarvel.cfg any "
                                                   "more, but it was kept with its record")}
                       : Sentence{QVL_TRANSLATABLE(
                             "Failure", "Nothing runs quarvel.cfg any more, but it was kept")};
        }
        if (changed == 0) {
            if (!restored_) {
                return std::nullopt; // nothing was changed
            }
            return Sentence{QVL_TRANSLATABLE("Failure",
                                             "config.cfg has its settings from before the install "
                                             "back, but %1 still runs quarvel.cfg, which was kept "
                                             "with its record"),
                            {running.front()}};
        }
        const fs::path& last =
            result_.unhooked.empty() ? result_.deleted.back() : result_.unhooked.back();
        return Sentence{QVL_TRANSLATABLE("Failure", "%1 no longer runs quarvel.cfg, but %2 still "
                                                    "does and quarvel.cfg was kept"),
                        {pathText(last.filename()), running.front()}};
    }

    const fs::path& directory_;
    FileIo& io_;
    const UninstallOptions& options_;
    UninstallResult& result_;
    std::vector<ConfigHook> hooks_;
    std::optional<GameFile> script_;
    ScriptSettings scriptSettings_;
    std::optional<GameFile> recordFile_;
    std::optional<RestoreRecord> record_;
    std::optional<GameFile> savedSettings_;
    std::optional<SavedSettingsRestore> restore_;
    bool restored_ = false;
};

// "rate 25000, cl_updaterate 101, ..." from what `item` makes of each.
template <typename T, typename Item>
std::string listed(const std::vector<T>& settings, const Item& item) {
    std::string text;
    for (std::size_t i = 0; i < settings.size() && i < namedAtMost; ++i) {
        text.append(i == 0 ? "" : ", ").append(item(settings[i]));
    }
    return settings.size() > namedAtMost ? text.append(", ...") : text;
}

// What an uninstall would do, found out the same way, changing nothing.
class RemovalPlan final : public Removal {
public:
    using Removal::Removal;

    Expected<void> change() override { return {}; }
};

} // namespace

UninstallResult uninstallTweaks(const fs::path& directory, FileIo& io,
                                const UninstallOptions& options, const ChangeGuard& guard) {
    UninstallResult result;
    Removal removal(directory, io, options, result);
    result.failure = failureOf(underFolderLock(io, directory, removal, guard));
    return result;
}

UninstallResult planUninstall(const fs::path& directory, FileIo& io,
                              const UninstallOptions& options) {
    UninstallResult result;
    RemovalPlan plan(directory, io, options, result);
    result.failure = failureOf(underFolderLock(io, directory, plan));
    return result;
}

std::vector<Sentence> savedSettingsReport(const UninstallResult& result) {
    std::vector<Sentence> report;
    switch (result.savedSettings) {
    case SavedSettingsFate::Untouched:
        break;
    case SavedSettingsFate::NoRecord:
        report.push_back({QVL_TRANSLATABLE(
            "Install", "config.cfg was left as it is: there is no record of your settings from "
                       "before the install (quarvel-restore.cfg), so the settings the game saved "
                       "from quarvel.cfg could not be put back.")});
        break;
    case SavedSettingsFate::LeftAsAsked:
        report.push_back({QVL_TRANSLATABLE(
            "Install", "config.cfg was left as it is, with the settings the game saved from "
                       "quarvel.cfg.")});
        break;
    case SavedSettingsFate::Restored: {
        std::vector<PutBackSetting> values;
        std::vector<PutBackSetting> defaults;
        for (const PutBackSetting& setting : result.putBack) {
            (setting.value ? values : defaults).push_back(setting);
        }
        if (!values.empty()) {
            report.push_back(
                {values.size() == 1
                     ? QVL_TRANSLATABLE("Install", "config.cfg: 1 setting put back as it was "
                                                   "before the install (%2).")
                     : QVL_TRANSLATABLE("Install", "config.cfg: %1 settings put back as they "
                                                   "were before the install (%2)."),
                 {std::to_string(values.size()), listed(values, [](const PutBackSetting& s) {
                      return s.name + " " + *s.value;
                  })}});
        }
        if (!defaults.empty()) {
            report.push_back(
                {QVL_TRANSLATABLE("Install", "config.cfg no longer sets %1, which no file set "
                                             "before the install: the game uses its own default "
                                             "again."),
                 {listed(defaults, [](const PutBackSetting& s) { return s.name; })}});
        }
        if (!result.kept.empty()) {
            report.push_back(
                {result.kept.size() == 1
                     ? QVL_TRANSLATABLE("Install", "config.cfg: 1 setting kept as you changed it "
                                                   "since (%2).")
                     : QVL_TRANSLATABLE("Install", "config.cfg: %1 settings kept as you changed "
                                                   "them since (%2)."),
                 {std::to_string(result.kept.size()), listed(result.kept, [](const KeptSetting& s) {
                      return s.name + " " + s.value;
                  })}});
        }
        break;
    }
    }
    for (const UnusedRecordLine& line : result.unusedRecordLines) {
        report.push_back({unusedWords(line.why), {std::to_string(line.line), line.text}});
    }
    return report;
}

std::vector<Sentence> uninstallReport(const fs::path& directory, const UninstallResult& result) {
    if (!result.removedAnything()) {
        return {{QVL_TRANSLATABLE("Install",
                                  "No Quarvel tweaks were installed in %1; nothing has changed."),
                 {pathText(directory)}}};
    }
    std::vector<Sentence> report{
        {QVL_TRANSLATABLE("Install", "The Quarvel tweaks have been removed from %1:"),
         {pathText(directory)}}};
    if (result.scriptDeleted) {
        report.push_back({QVL_TRANSLATABLE("Install", "quarvel.cfg has been deleted.")});
    }
    const auto stillRuns = [&](const fs::path& config) {
        return std::find(result.stillRunBy.begin(), result.stillRunBy.end(), config) !=
               result.stillRunBy.end();
    };
    for (const fs::path& config : result.unhooked) {
        if (!stillRuns(config)) {
            report.push_back({QVL_TRANSLATABLE("Install", "%1 no longer runs quarvel.cfg."),
                              {pathText(config.filename())}});
        }
    }
    for (const fs::path& config : result.deleted) {
        report.push_back({QVL_TRANSLATABLE("Install", "%1 has been deleted: the install created "
                                                      "it, and it held nothing else."),
                          {pathText(config.filename())}});
    }
    for (const fs::path& config : result.stillRunBy) {
        report.push_back(
            {QVL_TRANSLATABLE("Install", "%1 still runs quarvel.cfg with a line of the player's "
                                         "own, which was left as it is."),
             {pathText(config.filename())}});
    }
    for (const fs::path& config : result.leftAlone) {
        report.push_back({QVL_TRANSLATABLE("Install", "%1 was left alone: it is not a regular file "
                                                      "Quarvel may change, so no install put a "
                                                      "line into it."),
                          {pathText(config.filename())}});
    }
    std::vector<Sentence> settings = savedSettingsReport(result);
    report.insert(report.end(), settings.begin(), settings.end());
    return report;
}

} // namespace quarvel
