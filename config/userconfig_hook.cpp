#include "config/userconfig_hook.h"

#include "config/config_hook.h"
#include "config/exec_line.h"
#include "config/script.h"
#include "files/folder_lock.h"
#include "files/game_file.h"

#include <optional>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

bool scriptInstalled(const fs::path& directory, FileIo& io) {
    const auto script = GameFile::look(io, directory / scriptFileName, FileStep::Read);
    return script && script->exists();
}

// One hook: quarvel.cfg and userconfig.cfg looked at, then userconfig.cfg written.
class Hooking final : public FolderWork {
public:
    Hooking(const fs::path& directory, FileIo& io, HookResult& result)
        : FolderWork(FileStep::Update, directory / userconfigFileName), directory_(directory),
          io_(io), result_(result) {}

    Expected<void> look() override {
        if (Expected<void> there = lookAtFolder(directory_, FileStep::Update); !there) {
            return there;
        }
        if (!scriptInstalled(directory_, io_)) {
            return Failure{.step = FileStep::Read,
                           .file = directory_ / scriptFileName,
                           .code = std::make_error_code(std::errc::no_such_file_or_directory)};
        }
        auto hook = lookAtHook(io_, directory_ / userconfigFileName);
        if (!hook) {
            return hook.failure();
        }
        hook_ = std::move(*hook);
        return checkWritable(*hook_);
    }

    Expected<void> change() override {
        if (!hook_->content) {
            return {}; // userconfig.cfg runs the script already
        }
        Expected<void> written = writeHook(*hook_, result_.warnings);
        result_.added = written || written.failure().step == FileStep::Sync;
        if (!written && result_.added) {
            written.failure().done =
                Sentence{QVL_TRANSLATABLE("Failure", "userconfig.cfg now runs quarvel.cfg, but the "
                                                     "change may not survive a power cut")};
        }
        return written;
    }

private:
    const fs::path& directory_;
    FileIo& io_;
    HookResult& result_;
    std::optional<ConfigHook> hook_;
};

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
    Hooking hooking(directory, io, result);
    result.failure = failureOf(underFolderLock(io, directory, hooking, guard));
    return result;
}

} // namespace quarvel
