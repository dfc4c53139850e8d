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

Expected<void> hook(const fs::path& directory, FileIo& io, HookResult& result) {
    if (Expected<void> there = lookAtFolder(directory, FileStep::Update); !there) {
        return there;
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
        return {};
    }
    if (Expected<void> writable = runner->file.checkWritable(); !writable) {
        return writable;
    }
    Expected<void> written = writeRunner(*runner, result.warnings);
    result.added = written || written.failure().step == FileStep::Sync;
    if (!written && result.added) {
        written.failure().done =
            Sentence{QVL_TRANSLATABLE("Failure", "userconfig.cfg now runs quarvel.cfg, "
                                                 "but the change may not survive a "
                                                 "power cut")};
    }
    return written;
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
        runGuarded(guard, [&] {
            if (Expected<void> hooked = hook(directory, io, result); !hooked) {
                result.failure = std::move(hooked.failure());
            }
        });
    } catch (const std::bad_alloc&) {
        result.failure = Failure{.step = FileStep::Update,
                                 .problem = FileProblem::OutOfMemory,
                                 .file = directory / userconfigFileName};
    }
    return result;
}

} // namespace quarvel
