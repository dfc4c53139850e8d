#include "config/install.h"

#include "config/exec_line.h"
#include "config/game_file.h"
#include "config/script.h"
#include "core/words.h"

#include <new>
#include <vector>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

// A config of the game that is to run the script, and what it is to hold when that changes it.
struct Runner {
    GameFile file;
    std::optional<std::string> content;
};

Expected<Runner> lookAtRunner(FileIo& io, const fs::path& path) {
    auto file = GameFile::look(io, path, FileStep::Update);
    if (!file) {
        return file.failure();
    }
    Runner runner{std::move(*file), std::nullopt};
    if (!runner.file.exists()) {
        runner.content = std::string(execLine).append(crlf);
        return runner;
    }
    const Expected<std::string> current = runner.file.read();
    if (!current) {
        return current.failure();
    }
    if (!runsScript(*current)) {
        try {
            runner.content = withExecLine(*current);
        } catch (const std::bad_alloc&) {
            return Failure{.step = FileStep::Update,
                           .problem = FileProblem::OutOfMemory,
                           .file = runner.file.path()};
        }
    }
    return runner;
}

Outcome install(const fs::path& directory, std::string_view text, FileIo& io,
                InstallOptions options, std::string& installedText) {
    // Everything is looked at first; nothing is written until every file has passed.
    std::vector<Runner> runners;
    for (const std::string_view name : {autoexecFileName, userconfigFileName}) {
        if (name == userconfigFileName && !options.userconfig) {
            continue;
        }
        auto runner = lookAtRunner(io, directory / name);
        if (!runner) {
            return runner.failure();
        }
        runners.push_back(std::move(*runner));
    }
    auto script = GameFile::look(io, directory / scriptFileName, FileStep::Write);
    if (!script) {
        return script.failure();
    }
    for (Runner& runner : runners) {
        if (runner.content) {
            if (Outcome refused = runner.file.checkWritable()) {
                return refused;
            }
        }
    }
    if (Outcome refused = script->checkWritable()) {
        return refused;
    }

    for (Runner& runner : runners) {
        if (runner.content) {
            if (Outcome failed = runner.file.replace(*runner.content)) {
                return failed;
            }
            runner.content.reset(); // a large file is not held twice while the rest is written
        }
    }
    std::string installed = std::string(text).append(echoBanner());
    if (Outcome failed = script->replace(std::string(installed).append(crlf))) {
        return failed;
    }
    installedText = std::move(installed);
    return std::nullopt;
}

} // namespace

bool scriptExists(const fs::path& directory, FileIo& io) {
    const auto script = GameFile::look(io, directory / scriptFileName, FileStep::Write);
    return script && script->named();
}

InstallResult InstallTweaks(const fs::path& directory, std::string_view text, FileIo& io,
                            InstallOptions options) {
    InstallResult result;
    const HeldSignals held; // a Ctrl-C now waits until both files are whole
    try {
        result.failure = install(directory, text, io, options, result.installedText);
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

} // namespace quarvel
