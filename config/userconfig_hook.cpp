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
        if (Expected<void> writable = checkWritable(*hook_); !writable) {
            return writable;
        }
        return hook_->content ? lookAtRecord() : Expected<void>();
    }

    // The record goes first, so that Remove always knows of the line it is to take out again.
    Expected<void> change() override {
        if (!hook_->content) {
            return {}; // userconfig.cfg runs the script already
        }
        if (Expected<void> recorded = writeRecord(recordContent_); !recorded) {
            if (recorded.failure().step == FileStep::Sync) {
                recorded.failure().done = Sentence{recordWrittenAlone};
            }
            return recorded;
        }
        Expected<void> written = writeHook(*hook_, result_.warnings);
        result_.added = written || written.failure().step == FileStep::Sync;
        if (!written && result_.added) {
            written.failure().done =
                Sentence{QVL_TRANSLATABLE("Failure", "userconfig.cfg now runs quarvel.cfg, but the "
                                                     "change may not survive a power cut")};
        } else if (!written) {
            // userconfig.cfg is as it was: so is the record again.
            static_cast<void>(writeRecord(recordBefore_));
        }
        return written;
    }

private:
    // The install's record, where there is one, is told of a userconfig.cfg made now and of line
    // ends the line changes, so that Remove gives the file back as it was. A folder installed
    // without a record gets none now: it would record no settings.
    Expected<void> lookAtRecord() {
        auto record = GameFile::look(io_, directory_ / restoreFileName, FileStep::Write);
        if (!record) {
            return record.failure();
        }
        if (!record->exists()) {
            return {};
        }
        const Expected<std::string> text = record->read();
        if (!text) {
            return text.failure();
        }
        RestoreRecord kept = readRecord(*text);
        noteInRecord(*hook_, kept);
        recordContent_ = recordText(kept);
        if (recordContent_ == *text) {
            return {};
        }
        recordBefore_ = *text;
        record_ = std::move(*record);
        return record_->checkWritable();
    }

    Expected<void> writeRecord(std::string_view content) {
        if (!record_) {
            return {};
        }
        Expected<void> written = record_->replace(content);
        if (record_->leftCopy()) {
            result_.warnings.push_back(*record_->leftCopy());
        }
        return written;
    }

    const fs::path& directory_;
    FileIo& io_;
    HookResult& result_;
    std::optional<ConfigHook> hook_;
    std::optional<GameFile> record_; // the record, where it is to change
    std::string recordContent_;
    std::string recordBefore_;
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
