#include "config/userconfig_hook.h"

#include "config/config_runner.h"
#include "config/exec_line.h"
#include "config/script.h"
#include "files/folder_lock.h"
#include "files/game_file.h"

#include <new>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

bool scriptInstalled(const fs::path& directory, FileIo& io) {
    const auto script = GameFile::look(io, directory / scriptFileName, FileStep::Read);
    return script && script->exists();
}

Outcome hook(const fs::path& directory, FileIo& io, HookResult& result) {
    if (Outcome failed = lookAtFolder(directory, FileStep::Update)) {
        return failed;
    }
    if (!scriptInstalled(directory, io)) {
        return Failure{.step = FileStep::Read,
                       .file = directory / scriptFileName,
                       .code = std::make_error_code(std::errc::no_such_file_or_directory)};
    }
    auto runner = lookAtRunner(io, directory / userconfigFileName);
    if (!runner) {
        return runner.failure();
    }
    if (!runner->content) {
        return std::nullopt;
    }
    if (Outcome refused = runner->file.checkWritable()) {
        return refused;
    }
    Outcome failed = writeRunner(*runner, result.warnings);
    result.added = !failed || failed->step == FileStep::Sync;
    if (failed && result.added) {
        failed->done = Sentence{QVL_TRANSLATABLE("Failure", "userconfig.cfg now runs quarvel.cfg, "
                                                            "but the change may not survive a "
                                                            "power cut")};
    }
    return failed;
}

} // namespace

UserconfigHookState userconfigHookState(const fs::path& directory, FileIo& io) {
    if (!scriptInstalled(directory, io)) {
        return UserconfigHookState::NothingInstalled;
    }
    auto userconfig = GameFile::look(io, directory / userconfigFileName, FileStep::Read);
    if (!userconfig || !userconfig->exists()) {
        return UserconfigHookState::NotHooked;
    }
    const Expected<std::string> content = userconfig->read();
    return content && runsScript(*content) ? UserconfigHookState::Hooked
                                           : UserconfigHookState::NotHooked;
}

HookResult hookUserconfig(const fs::path& directory, FileIo& io, const ChangeGuard& guard) {
    HookResult result;
    const Expected<FolderLock> lock = FolderLock::take(io, directory);
    if (!lock) {
        result.failure = lock.failure();
        return result;
    }
    try {
        runGuarded(guard, [&] { result.failure = hook(directory, io, result); });
    } catch (const std::bad_alloc&) {
        result.failure = Failure{.step = FileStep::Update,
                                 .problem = FileProblem::OutOfMemory,
                                 .file = directory / userconfigFileName};
    }
    return result;
}

} // namespace quarvel
