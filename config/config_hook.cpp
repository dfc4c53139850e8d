#include "config/config_hook.h"

#include "config/exec_line.h"
#include "config/script.h"

#include <algorithm>
#include <new>

namespace quarvel {

namespace fs = std::filesystem;

Expected<ConfigHook> lookAtHook(FileIo& io, const fs::path& path) {
    auto file = GameFile::look(io, path, FileStep::Update);
    if (!file) {
        return file.failure();
    }
    ConfigHook hook{std::move(*file)};
    if (!hook.file.exists()) {
        hook.content = std::string(execLine).append(crlf);
        return hook;
    }
    const Expected<std::string> current = hook.file.read();
    if (!current) {
        return current.failure();
    }
    if (!runsScript(*current)) {
        if (const auto ends = lineEndsOf(*current); ends && *ends != crlfEnds) {
            hook.changedEnds = ends;
        }
        try {
            hook.content = withExecLine(*current);
        } catch (const std::bad_alloc&) {
            return Failure{.step = FileStep::Update,
                           .problem = FileProblem::OutOfMemory,
                           .file = hook.file.path()};
        }
    }
    // What the install writes must be a file that Quarvel itself reads again: the line ends and
    // the exec line make a file that was just within the limit grow past it.
    if (hook.content && hook.content->size() > maxConfigFileSize) {
        return Failure{.step = FileStep::Update,
                       .problem = FileProblem::WouldBeTooLarge,
                       .file = hook.file.path()};
    }
    return hook;
}

Expected<std::optional<ConfigHook>> lookAtUnhook(FileIo& io, const fs::path& path) {
    auto file = GameFile::look(io, path, FileStep::Update);
    if (!file && isRefusedKind(file.failure())) {
        return std::optional<ConfigHook>(); // a folder, a FIFO or a refused link never got the line
    }
    if (!file) {
        return file.failure();
    }
    if (!file->exists()) {
        return std::optional<ConfigHook>();
    }
    const Expected<std::string> current = file->read();
    if (!current) {
        return current.failure();
    }
    std::optional<std::string> without = withoutExecLine(*current);
    if (!without) {
        return std::optional<ConfigHook>();
    }
    return std::optional<ConfigHook>(ConfigHook{std::move(*file), std::move(without)});
}

Expected<void> checkWritable(ConfigHook& hook) {
    return hook.content || hook.remove ? hook.file.checkWritable() : Expected<void>();
}

Expected<void> writeHook(ConfigHook& hook, std::vector<Failure>& warnings) {
    Expected<void> written = hook.remove ? hook.file.remove() : hook.file.replace(*hook.content);
    if (hook.file.leftCopy()) {
        warnings.push_back(*hook.file.leftCopy());
    }
    hook.content.reset();
    return written;
}

void noteInRecord(const ConfigHook& hook, RestoreRecord& record) {
    const std::string name = pathText(hook.file.path().filename());
    if (!hook.file.exists() && std::ranges::find(record.created, name) == record.created.end()) {
        record.created.push_back(name);
    }
    if (hook.content && hook.changedEnds && !record.lineEndsBefore(name)) {
        record.lineEnds.push_back({name, *hook.changedEnds});
    }
}

} // namespace quarvel
