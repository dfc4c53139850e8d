#include "config/install.h"

#include "config/config_runner.h"
#include "config/console_script.h"
#include "config/restore_record.h"
#include "config/script.h"
#include "config/start_up.h"
#include "core/words.h"
#include "files/folder_lock.h"
#include "files/game_file.h"

#include <algorithm>
#include <new>
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
Expected<std::vector<Runner>> lookAtRunners(const fs::path& directory, FileIo& io,
                                            InstallOptions options) {
    std::vector<Runner> runners;
    for (const std::string_view name : {autoexecFileName, userconfigFileName}) {
        if (name == userconfigFileName && options.userconfig != UserconfigChange::Add) {
            continue;
        }
        auto runner = lookAtRunner(io, directory / name);
        if (!runner) {
            return runner.failure();
        }
        runners.push_back(std::move(*runner));
    }
    return runners;
}

// The configs that are to run the script and do not yet.
std::vector<std::string> notRunYet(const std::vector<Runner>& runners) {
    std::vector<std::string> names;
    for (const Runner& runner : runners) {
        if (runner.content) {
            names.push_back(pathText(runner.file.path().filename()));
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
                              const std::vector<Runner>& runners) {
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
    for (const Runner& runner : runners) {
        const std::string name = pathText(runner.file.path().filename());
        if (!runner.file.exists() && std::ranges::find(kept.created, name) == kept.created.end()) {
            kept.created.push_back(name);
        }
        if (runner.content && runner.changedEnds && !kept.lineEndsBefore(name)) {
            kept.lineEnds.push_back({name, *runner.changedEnds});
        }
    }
    std::string content = recordText(kept);
    if (content != record.before) {
        record.content = std::move(content);
    }
    return record;
}

// Takes back a record written for an install that then failed before anything else changed. One
// left behind changes nothing the game does: it is only a file that nothing runs.
void takeBack(FileIo& io, Record& record) {
    if (!record.content) {
        return;
    }
    if (record.before) {
        static_cast<void>(record.file.replace(*record.before));
    } else if (auto made = GameFile::look(io, record.file.path(), FileStep::Remove)) {
        static_cast<void>(made->remove());
    }
}

// Writes the record before anything else, so that no quarvel.cfg ever runs without it. A folder
// that takes no new file, whose configs the player may still change, gets the tweaks as it always
// did, and the player is told what Remove cannot give back.
Expected<void> writeRecord(Record& record, InstallResult& result) {
    if (!record.content) {
        return {};
    }
    Expected<void> written = record.file.replace(*record.content);
    if (record.file.leftCopy()) {
        result.warnings.push_back(*record.file.leftCopy());
    }
    if (written) {
        return written;
    }
    Failure& failed = written.failure();
    if (!record.before && failed.problem == FileProblem::System && failed.step == FileStep::Write &&
        isRefused(failed.code)) {
        failed.problem = FileProblem::NoRecordMade;
        result.warnings.push_back(failed);
        record.content.reset();
        return {};
    }
    if (failed.step == FileStep::Sync) {
        failed.done = Sentence{QVL_TRANSLATABLE(
            "Failure", "quarvel-restore.cfg was written, but nothing else was changed")};
    }
    return written;
}

// The record goes first. quarvel.cfg follows: if a config cannot be changed after it, what is left
// is a script that nothing runs, which the game never notices. The other way round would leave a
// config running a script that is not there, or the old one. A userconfig.cfg whose line is taken
// out goes last: stopping before it leaves an install that is done, with one more config running
// the script.
Expected<void> writeFiles(FileIo& io, Record& record, GameFile& script,
                          const std::string& installed, std::vector<Runner>& runners,
                          std::optional<Runner>& unhook, InstallResult& result) {
    if (Expected<void> written = writeRecord(record, result); !written) {
        return written;
    }
    if (Expected<void> written = script.replace(std::string(installed).append(crlf)); !written) {
        if (written.failure().step == FileStep::Sync) {
            written.failure().done = notRunBy(notRunYet(runners));
        } else {
            takeBack(io, record);
        }
        if (script.leftCopy()) {
            result.warnings.push_back(*script.leftCopy());
        }
        return written;
    }
    if (script.leftCopy()) {
        result.warnings.push_back(*script.leftCopy());
    }
    // Named before they are written: a config's content is let go of once it was written.
    const std::vector<std::string> notRun = notRunYet(runners);
    std::size_t written = 0;
    for (Runner& runner : runners) {
        if (!runner.content) {
            continue;
        }
        if (Expected<void> hooked = writeRunner(runner, result.warnings); !hooked) {
            written += hooked.failure().step == FileStep::Sync ? 1 : 0;
            hooked.failure().done =
                notRunBy({notRun.begin() + static_cast<std::ptrdiff_t>(written), notRun.end()});
            return hooked;
        }
        ++written;
    }
    if (unhook) {
        if (Expected<void> unhooked = writeRunner(*unhook, result.warnings); !unhooked) {
            result.unhooked = unhooked.failure().step == FileStep::Sync;
            unhooked.failure().done =
                result.unhooked ? notRunBy({})
                                : Sentence{QVL_TRANSLATABLE("Failure", "The tweaks were installed, "
                                                                       "but %1 still runs them"),
                                           {pathText(unhook->file.path().filename())}};
            return unhooked;
        }
        result.unhooked = true;
    }
    return {};
}

Expected<void> install(const fs::path& directory, std::string_view text, FileIo& io,
                       InstallOptions options, InstallResult& result) {
    if (Expected<void> there = lookAtFolder(directory, FileStep::Write); !there) {
        return there;
    }
    // Everything is looked at first; nothing is written until every file has passed.
    auto runners = lookAtRunners(directory, io, options);
    if (!runners) {
        return runners.failure();
    }
    std::optional<Runner> unhook;
    if (options.userconfig == UserconfigChange::TakeOut) {
        auto looked = lookAtUnhook(io, directory / userconfigFileName);
        if (!looked) {
            return looked.failure();
        }
        unhook = std::move(*looked);
    }
    auto script = GameFile::look(io, directory / scriptFileName, FileStep::Write);
    if (!script) {
        return script.failure();
    }
    std::string installed = std::string(text).append(echoBanner());
    if (installed.size() + crlf.size() > maxConfigFileSize) {
        return Failure{.step = FileStep::Write,
                       .problem = FileProblem::WouldBeTooLarge,
                       .file = script->path()};
    }
    for (Runner& runner : *runners) {
        if (runner.content) {
            if (Expected<void> writable = runner.file.checkWritable(); !writable) {
                return writable;
            }
        }
    }
    if (unhook) {
        if (Expected<void> writable = unhook->file.checkWritable(); !writable) {
            return writable;
        }
    }
    if (Expected<void> writable = script->checkWritable(); !writable) {
        return writable;
    }
    auto record = lookAtRecord(io, directory, installed, *runners);
    if (!record) {
        return record.failure();
    }
    if (record->content) {
        if (Expected<void> writable = record->file.checkWritable(); !writable) {
            return writable;
        }
    }
    if (Expected<void> written =
            writeFiles(io, *record, *script, installed, *runners, unhook, result);
        !written) {
        return written;
    }
    result.installedText = std::move(installed);
    return {};
}

} // namespace

bool scriptExists(const fs::path& directory, FileIo& io) {
    const auto script = GameFile::look(io, directory / scriptFileName, FileStep::Write);
    return script && script->named();
}

InstallResult installTweaks(const fs::path& directory, std::string_view text, FileIo& io,
                            InstallOptions options, const ChangeGuard& guard) {
    InstallResult result;
    const Expected<FolderLock> lock = FolderLock::take(io, directory);
    if (!lock) {
        result.failure = lock.failure();
        return result;
    }
    try {
        runGuarded(guard, [&] { // a Ctrl-C now waits until both files are whole
            if (Expected<void> installed = install(directory, text, io, options, result);
                !installed) {
                result.failure = std::move(installed.failure());
            }
        });
    } catch (const std::bad_alloc&) {
        result.failure = Failure{.step = FileStep::Write,
                                 .problem = FileProblem::OutOfMemory,
                                 .file = directory / scriptFileName};
        result.installedText.clear();
    }
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
