#include "config/uninstall.h"

#include "config/exec_line.h"
#include "config/folder_lock.h"
#include "config/game_file.h"
#include "config/script.h"

#include <algorithm>
#include <new>
#include <optional>
#include <string>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view removedUnsynced = QVL_TRANSLATABLE(
    "Failure", "The tweaks were removed, but the change may not survive a power cut");

// A config that runs the script, and what it holds without the exec line.
struct Hook {
    GameFile file;
    std::string content;
};

// One uninstall: every file looked at first, then the configs changed, then quarvel.cfg deleted.
class Removal {
public:
    Removal(const fs::path& directory, FileIo& io, UninstallResult& result)
        : directory_(directory), io_(io), result_(result) {}

    Outcome run() {
        if (Outcome failed = lookAtFolder(directory_, FileStep::Update)) {
            return failed;
        }
        // Everything is looked at first; nothing is changed until every file has passed.
        if (Outcome failed = lookAtConfigs()) {
            return failed;
        }
        if (Outcome failed = lookAtScript()) {
            return failed;
        }
        for (Hook& hook : hooks_) {
            if (Outcome refused = hook.file.checkWritable()) {
                return refused;
            }
        }
        // The configs go first and quarvel.cfg last: if a step fails half-way, what is left is a
        // script that nothing runs, which the game never notices, rather than a config that runs
        // a script that is not there.
        if (Outcome failed = unhookConfigs()) {
            return failed;
        }
        return deleteScript();
    }

private:
    Outcome lookAtConfigs() {
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
            if (runsScript(without ? *without : *current)) {
                result_.stillRunBy.push_back(file->path());
            }
            if (without) {
                hooks_.push_back({std::move(*file), std::move(*without)});
            }
        }
        return std::nullopt;
    }

    Outcome lookAtScript() {
        auto script = GameFile::look(io_, directory_ / scriptFileName, FileStep::Remove);
        if (!script) {
            return script.failure();
        }
        script_ = std::move(*script);
        return script_->named() ? script_->checkWritable() : std::nullopt;
    }

    Outcome unhookConfigs() {
        for (Hook& hook : hooks_) {
            Outcome failed = hook.file.replace(hook.content);
            if (hook.file.leftCopy()) {
                result_.warnings.push_back(*hook.file.leftCopy());
            }
            if (failed) {
                if (failed->step == FileStep::Sync) {
                    result_.unhooked.push_back(hook.file.path());
                }
                failed->done = leftState(stillRunning(result_.unhooked.size()));
                return failed;
            }
            result_.unhooked.push_back(hook.file.path());
        }
        return std::nullopt;
    }

    Outcome deleteScript() {
        if (!script_->named()) {
            return std::nullopt;
        }
        if (Outcome failed = script_->remove()) {
            if (failed->step == FileStep::Sync) {
                result_.scriptDeleted = true;
                failed->done = Sentence{removedUnsynced};
            } else if (!hooks_.empty()) {
                failed->done = leftState({});
            }
            return failed;
        }
        result_.scriptDeleted = true;
        return std::nullopt;
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
        if (running.empty()) {
            return script_->named()
                       ? Sentence{QVL_TRANSLATABLE(
                             "Failure", "Nothing runs quarvel.cfg any more, but it was kept")}
                       : Sentence{removedUnsynced};
        }
        if (result_.unhooked.empty()) {
            return std::nullopt; // nothing was changed
        }
        return Sentence{QVL_TRANSLATABLE("Failure", "%1 no longer runs quarvel.cfg, but %2 still "
                                                    "does and quarvel.cfg was kept"),
                        {pathText(result_.unhooked.back().filename()), running.front()}};
    }

    const fs::path& directory_;
    FileIo& io_;
    UninstallResult& result_;
    std::vector<Hook> hooks_;
    std::optional<GameFile> script_;
};

} // namespace

UninstallResult uninstallTweaks(const fs::path& directory, FileIo& io, const ChangeGuard& guard) {
    UninstallResult result;
    const Expected<FolderLock> lock = FolderLock::take(io, directory);
    if (!lock) {
        result.failure = lock.failure();
        return result;
    }
    try {
        runGuarded(guard, [&] { // a Ctrl-C now waits until every file is whole
            result.failure = Removal(directory, io, result).run();
        });
    } catch (const std::bad_alloc&) {
        result.failure = Failure{.step = FileStep::Update,
                                 .problem = FileProblem::OutOfMemory,
                                 .file = directory / autoexecFileName};
    }
    return result;
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
    return report;
}

} // namespace quarvel
