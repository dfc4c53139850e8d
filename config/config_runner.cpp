#include "config/config_runner.h"

#include "config/exec_line.h"
#include "config/script.h"

#include <new>

namespace quarvel {

namespace fs = std::filesystem;

Expected<Runner> lookAtRunner(FileIo& io, const fs::path& path) {
    auto file = GameFile::look(io, path, FileStep::Update);
    if (!file) {
        return file.failure();
    }
    Runner runner{std::move(*file), std::nullopt, std::nullopt};
    if (!runner.file.exists()) {
        runner.content = std::string(execLine).append(crlf);
        return runner;
    }
    const Expected<std::string> current = runner.file.read();
    if (!current) {
        return current.failure();
    }
    if (!runsScript(*current)) {
        if (const auto ends = lineEndsOf(*current); ends && *ends != crlfEnds) {
            runner.changedEnds = ends;
        }
        try {
            runner.content = withExecLine(*current);
        } catch (const std::bad_alloc&) {
            return Failure{.step = FileStep::Update,
                           .problem = FileProblem::OutOfMemory,
                           .file = runner.file.path()};
        }
    }
    // What the install writes must be a file that Quarvel itself reads again: the line ends and
    // the exec line make a file that was just within the limit grow past it.
    if (runner.content && runner.content->size() > maxConfigFileSize) {
        return Failure{.step = FileStep::Update,
                       .problem = FileProblem::WouldBeTooLarge,
                       .file = runner.file.path()};
    }
    return runner;
}

Expected<std::optional<Runner>> lookAtUnhook(FileIo& io, const fs::path& path) {
    auto file = GameFile::look(io, path, FileStep::Update);
    if (!file && isRefusedKind(file.failure())) {
        return std::optional<Runner>(); // a folder, a FIFO or a refused link never got the line
    }
    if (!file) {
        return file.failure();
    }
    if (!file->exists()) {
        return std::optional<Runner>();
    }
    const Expected<std::string> current = file->read();
    if (!current) {
        return current.failure();
    }
    std::optional<std::string> without = withoutExecLine(*current);
    if (!without) {
        return std::optional<Runner>();
    }
    return std::optional<Runner>(Runner{std::move(*file), std::move(without)});
}

Expected<void> writeRunner(Runner& runner, std::vector<Failure>& warnings) {
    Expected<void> written = runner.file.replace(*runner.content);
    if (runner.file.leftCopy()) {
        warnings.push_back(*runner.file.leftCopy());
    }
    runner.content.reset();
    return written;
}

} // namespace quarvel
