// GameFile on Windows: links of the player, the Administrators or the system are followed, the
// read-only attribute and a trial open decide what is write-protected, and a file is replaced by
// a flushed new file beside it and ReplaceFileW, which keeps the old file's ACL and streams; a
// new file is moved into place.
#include "files/game_file.h"

#include <windows.h>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

// What a replacement takes over from the file it replaces besides what ReplaceFileW carries.
constexpr std::uint32_t keptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The Administrators group and the system, which own what installers and services make: the
// counterpart of root's files on Linux.
constexpr std::string_view administrators = "S-1-5-32-544";
constexpr std::string_view localSystem = "S-1-5-18";

std::error_code win32Code(DWORD error) {
    return {static_cast<int>(error), std::system_category()};
}

// A fresh name that nothing stands at yet.
std::error_code freeName(FileIo& io, const std::function<fs::path()>& name, fs::path& found) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        found = name();
        FileLook ignored;
        const auto error = io.lookAt(found, ignored);
        if (error) {
            return isMissing(error) ? std::error_code() : error;
        }
    }
    return win32Code(ERROR_FILE_EXISTS);
}

} // namespace

const int GameFile::maxLinkHops = 63;

std::error_code GameFile::tooManyLinks() {
    return win32Code(ERROR_CANT_RESOLVE_FILENAME);
}

Expected<bool> GameFile::trustsLink(const FileLook&) {
    std::string owner, user;
    std::error_code unknown = io_->ownerOf(target_, owner);
    unknown = unknown ? unknown : io_->currentUser(user);
    if (unknown) {
        return failed(unknown);
    }
    return owner == user || owner == administrators || owner == localSystem;
}

Expected<void> GameFile::checkTargetWritable() {
    // Checked here: the system lets an administrator, and Wine anyone, write over it.
    if ((facts_.attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return failed(FileProblem::WriteProtected);
    }
    // Opened as a replace will need it, so that an ACL that denies writing, or a program that
    // holds the file without sharing it, stops the change before anything is written.
    FileHandle file{};
    if (const auto error = io_->open(target_, OpenMode::Check, file)) {
        return error == win32Code(ERROR_ACCESS_DENIED) ? failed(FileProblem::WriteProtected)
                                                       : failed(error);
    }
    io_->close(file);
    return {};
}

Expected<void> GameFile::checkRemovable() const {
    if (exists_ && path_ == target_ && (facts_.attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        Failure refused = failed(FileProblem::WriteProtected);
        refused.step = FileStep::Remove;
        return refused;
    }
    return {};
}

std::error_code GameFile::syncFolder(const fs::path&) {
    return {}; // a move is written through (MOVEFILE_WRITE_THROUGH); a folder has no flush
}

Expected<bool> GameFile::canReplaceWhole() const {
    // A new file in the place of one with other names would leave them the old content.
    return facts_.links <= 1;
}

Expected<void> GameFile::writeBeside(std::string_view content, bool&) {
    // Beside the target, so that the move never crosses a volume.
    fs::path temp;
    FileHandle file{};
    const std::uint32_t attributes = exists_ ? facts_.attributes & keptAttributes : 0;
    if (const auto error = createFresh(
            *io_, [this] { return besideName(target_, ""); }, 0, attributes, temp, file)) {
        return failedWrite(error);
    }
    bool open = true;
    const auto fail = [&](std::error_code error) -> Expected<void> {
        if (open) {
            io_->close(file);
        }
        io_->remove(temp);
        return failedWrite(error);
    };
    std::error_code error = writeAll(*io_, file, content);
    if (error || (error = io_->sync(file))) {
        return fail(error);
    }
    open = false;
    if ((error = io_->close(file))) {
        return fail(error);
    }
    if (!exists_) {
        if ((error = io_->rename(temp, target_))) {
            return fail(error);
        }
        return {};
    }
    // ReplaceFileW without a name for the old file may lose it on a late failure; with one, the
    // old file is either back at its name or at the backup name.
    fs::path backup;
    if ((error = freeName(
             *io_, [this] { return besideName(target_, ".quarvel-old-"); }, backup))) {
        return fail(error);
    }
    if ((error = io_->replace(target_, temp, backup))) {
        FileLook ignored;
        const bool moved =
            isMissing(io_->lookAt(target_, ignored)) && !io_->lookAt(backup, ignored);
        if (moved && io_->rename(backup, target_)) {
            io_->remove(temp);
            Failure kept = failedWrite(error);
            kept.problem = FileProblem::OldContentKept;
            kept.copy = backup;
            return kept;
        }
        return fail(error);
    }
    dropCopy(backup);
    return {};
}

} // namespace quarvel
