#include "config/install.h"

#include "config/config_runner.h"
#include "config/folder_lock.h"
#include "config/game_file.h"
#include "config/script.h"
#include "core/words.h"

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

// The configs from `from` on that are to run the script and do not yet.
std::vector<std::string> notRunYet(const std::vector<Runner>& runners, std::size_t from) {
    std::vector<std::string> names;
    for (std::size_t i = from; i < runners.size(); ++i) {
        if (runners[i].content) {
            names.push_back(pathText(runners[i].file.path().filename()));
        }
    }
    return names;
}

// quarvel.cfg goes first: if a config cannot be changed after it, what is left is a script that
// nothing runs, which the game never notices. The other way round would leave a config running a
// script that is not there, or the old one. A userconfig.cfg whose line is taken out goes last:
// stopping before it leaves an install that is done, with one more config running the script.
Outcome writeFiles(GameFile& script, const std::string& installed, std::vector<Runner>& runners,
                   std::optional<Runner>& unhook, InstallResult& result) {
    if (Outcome failed = script.replace(std::string(installed).append(crlf))) {
        if (failed->step == FileStep::Sync) {
            failed->done = notRunBy(notRunYet(runners, 0));
        }
        if (script.leftCopy()) {
            result.warnings.push_back(*script.leftCopy());
        }
        return failed;
    }
    if (script.leftCopy()) {
        result.warnings.push_back(*script.leftCopy());
    }
    for (std::size_t i = 0; i < runners.size(); ++i) {
        if (!runners[i].content) {
            continue;
        }
        if (Outcome failed = writeRunner(runners[i], result.warnings)) {
            failed->done = notRunBy(notRunYet(runners, failed->step == FileStep::Sync ? i + 1 : i));
            return failed;
        }
    }
    if (unhook) {
        if (Outcome failed = writeRunner(*unhook, result.warnings)) {
            result.unhooked = failed->step == FileStep::Sync;
            failed->done = result.unhooked
                               ? notRunBy({})
                               : Sentence{QVL_TRANSLATABLE("Failure", "The tweaks were installed, "
                                                                      "but %1 still runs them"),
                                          {pathText(unhook->file.path().filename())}};
            return failed;
        }
        result.unhooked = true;
    }
    return std::nullopt;
}

Outcome install(const fs::path& directory, std::string_view text, FileIo& io,
                InstallOptions options, InstallResult& result) {
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
            if (Outcome refused = runner.file.checkWritable()) {
                return refused;
            }
        }
    }
    if (unhook) {
        if (Outcome refused = unhook->file.checkWritable()) {
            return refused;
        }
    }
    if (Outcome refused = script->checkWritable()) {
        return refused;
    }
    if (Outcome failed = writeFiles(*script, installed, *runners, unhook, result)) {
        return failed;
    }
    result.installedText = std::move(installed);
    return std::nullopt;
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
            result.failure = install(directory, text, io, options, result);
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
