// GameFile on Windows: the same rules as on Linux, kept with Win32 calls. A file is replaced by a
// flushed new file beside it and ReplaceFileW, which keeps the old file's ACL and streams; a new
// file is moved into place with MoveFileExW.
#include "config/game_file.h"

#include <algorithm>
#include <array>
#include <new>

#include <windows.h>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

// What a replacement takes over from the file it replaces besides what ReplaceFileW carries.
constexpr std::uint32_t keptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The Administrators group and the system, which own what installers and services make: the
// counterpart of root's files on Linux.
constexpr std::wstring_view administrators = L"S-1-5-32-544";
constexpr std::wstring_view localSystem = L"S-1-5-18";

bool missing(unsigned long error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

Failure windowsFailure(FileStep step, const fs::path& file, unsigned long error) {
    Failure failure = systemFailure(step, file, static_cast<int>(error));
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
        failure.problem = FileProblem::InUse; // the game or an editor has it open
    }
    return failure;
}

// A symbolic link or a junction: a reparse point that stands for another name. Other reparse
// points (cloud files, deduplicated files) are the file itself. Wine shows a link to a folder
// as a reparse point without a tag.
bool isLink(const FileLook& info) {
    return (info.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           (info.reparseTag == 0 || IsReparseTagNameSurrogate(info.reparseTag));
}

FileFacts factsOf(const FileLook& info) {
    return {.device = info.volume,
            .inode = info.index,
            .size = info.size,
            .links = info.links,
            .attributes = info.attributes};
}

// 0, or the error that kept the bytes from the file.
unsigned long writeAll(FileIo& io, FileHandle file, std::string_view content) {
    std::size_t written = 0;
    while (written < content.size()) {
        std::size_t count = 0;
        if (const auto error =
                io.write(file, content.data() + written, content.size() - written, count)) {
            return error;
        }
        if (count == 0) {
            return ERROR_WRITE_FAULT; // a write that makes no progress is as bad as one that fails
        }
        written += count;
    }
    return 0;
}

// 0, or the error that kept the file from holding exactly `content` on the disk.
unsigned long overwrite(FileIo& io, FileHandle file, std::string_view content) {
    unsigned long error = io.rewind(file);
    error = error != 0 ? error : writeAll(io, file, content);
    error = error != 0 ? error : io.truncate(file);
    return error != 0 ? error : io.flush(file);
}

// Creates a new file for writing under a fresh name made by `name`; the name used goes to `made`.
unsigned long createFresh(FileIo& io, const std::function<fs::path()>& name,
                          std::uint32_t attributes, fs::path& made, FileHandle& file) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        made = name();
        const auto error = io.create(made, attributes, file);
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return error;
        }
    }
    return ERROR_FILE_EXISTS;
}

// A fresh name that nothing stands at yet.
unsigned long freeName(FileIo& io, const std::function<fs::path()>& name, fs::path& found) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        found = name();
        FileLook ignored;
        const auto error = io.lookAt(found, ignored);
        if (error != 0) {
            return missing(error) ? 0 : error;
        }
    }
    return ERROR_FILE_EXISTS;
}

} // namespace

Failure GameFile::failed(int error) const {
    return windowsFailure(step_, path_, static_cast<unsigned long>(error));
}

Failure GameFile::failedWrite(int error) const {
    return windowsFailure(FileStep::Write, path_, static_cast<unsigned long>(error));
}

bool isRefusedKind(const Failure& look) {
    return look.problem == FileProblem::NotRegularFile ||
           look.problem == FileProblem::ForeignLink ||
           (look.problem == FileProblem::System &&
            look.code == std::error_code(ERROR_CANT_RESOLVE_FILENAME, std::system_category()));
}

Expected<std::optional<fs::path>> GameFile::lookAtTarget(bool mayFollow) {
    FileLook info;
    if (const auto error = io_->lookAt(target_, info)) {
        if (!missing(error)) {
            return failed(static_cast<int>(error));
        }
        return std::optional<fs::path>();
    }
    if (isLink(info)) {
        std::wstring owner, user;
        unsigned long unknown = io_->ownerOf(target_, owner);
        unknown = unknown != 0 ? unknown : io_->currentUser(user);
        if (unknown != 0) {
            return failed(static_cast<int>(unknown));
        }
        if (owner != user && owner != administrators && owner != localSystem) {
            Failure refused = failed(FileProblem::ForeignLink);
            refused.file = target_;
            return refused;
        }
        if ((info.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return failed(FileProblem::NotRegularFile); // a link to a folder
        }
        if (!mayFollow) {
            return failed(ERROR_CANT_RESOLVE_FILENAME);
        }
        fs::path next;
        if (const auto error = io_->readLink(target_, next)) {
            return failed(static_cast<int>(error));
        }
        return std::optional<fs::path>(next);
    }
    if ((info.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0 ||
        !info.onDisk) {
        return failed(FileProblem::NotRegularFile);
    }
    exists_ = true;
    facts_ = factsOf(info);
    return std::optional<fs::path>();
}

Outcome GameFile::checkTargetWritable() {
    // Checked here: the system lets an administrator, and Wine anyone, write over it.
    if ((facts_.attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return failed(FileProblem::WriteProtected);
    }
    // Opened as a replace will need it, so that an ACL that denies writing, or a program that
    // holds the file without sharing it, stops the change before anything is written.
    FileHandle file = nullptr;
    if (const auto error = io_->open(target_, Access::Check, file)) {
        return error == ERROR_ACCESS_DENIED ? failed(FileProblem::WriteProtected)
                                            : failed(static_cast<int>(error));
    }
    io_->close(file);
    return std::nullopt;
}

namespace {

// Reads what is left of an open file, refusing more than maxSize bytes.
Expected<std::string> readRest(FileIo& io, FileHandle file, std::uint64_t expected,
                               std::uintmax_t maxSize, const Failure& tooLarge,
                               const Failure& noMemory,
                               const std::function<Failure(unsigned long)>& failed) {
    try {
        std::string content;
        content.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(expected, maxSize)));
        std::array<char, 65536> buffer{};
        for (;;) {
            std::size_t got = 0;
            if (const auto error = io.read(file, buffer.data(), buffer.size(), got)) {
                return failed(error);
            }
            if (got == 0) {
                return content;
            }
            if (content.size() + got > maxSize) {
                return tooLarge; // it grew while it was read
            }
            content.append(buffer.data(), got);
        }
    } catch (const std::bad_alloc&) {
        return noMemory;
    }
}

} // namespace

Expected<std::string> GameFile::read(std::uintmax_t maxSize) {
    if (!exists_) {
        return std::string();
    }
    const auto failedRead = [this](unsigned long error) {
        return windowsFailure(FileStep::Read, path_, error);
    };
    FileHandle file = nullptr;
    if (const auto error = io_->open(target_, Access::Read, file)) {
        return failedRead(error);
    }
    FileLook info;
    if (const auto error = io_->look(file, info)) {
        io_->close(file);
        return failedRead(error);
    }
    Failure tooLarge = failed(FileProblem::TooLarge);
    Failure noMemory = failed(FileProblem::OutOfMemory);
    Failure notRegular = failed(FileProblem::NotRegularFile);
    tooLarge.step = noMemory.step = notRegular.step = FileStep::Read;
    const bool regular = info.onDisk && (info.attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (regular) {
        facts_ = factsOf(info);
    }
    Expected<std::string> content =
        !regular ? Expected<std::string>(notRegular)
        : facts_.size > maxSize
            ? Expected<std::string>(tooLarge)
            : readRest(*io_, file, facts_.size, maxSize, tooLarge, noMemory, failedRead);
    io_->close(file);
    return content;
}

Outcome GameFile::replace(std::string_view content) {
    // A new file in the place of one with other names would leave them the old content.
    if (exists_ && facts_.links > 1) {
        return updateInPlace(content);
    }
    return writeBeside(content);
}

Outcome GameFile::writeBeside(std::string_view content) {
    // Beside the target, so that the move never crosses a volume.
    fs::path temp;
    FileHandle file = nullptr;
    const std::uint32_t attributes = exists_ ? facts_.attributes & keptAttributes : 0;
    if (const auto error = createFresh(
            *io_, [this] { return besideName(target_, ""); }, attributes, temp, file)) {
        return failedWrite(static_cast<int>(error));
    }
    bool open = true;
    const auto fail = [&](unsigned long error) -> Outcome {
        if (open) {
            io_->close(file);
        }
        io_->remove(temp);
        return failedWrite(static_cast<int>(error));
    };
    unsigned long error = writeAll(*io_, file, content);
    if (error != 0 || (error = io_->flush(file)) != 0) {
        return fail(error);
    }
    open = false;
    if ((error = io_->close(file)) != 0) {
        return fail(error);
    }
    if (!exists_) {
        if ((error = io_->move(temp, target_)) != 0) {
            return fail(error);
        }
        return std::nullopt;
    }
    // ReplaceFileW without a name for the old file may lose it on a late failure; with one, the
    // old file is either back at its name or at the backup name.
    fs::path backup;
    error = freeName(
        *io_, [this] { return besideName(target_, ".quarvel-old-"); }, backup);
    if (error != 0) {
        return fail(error);
    }
    if ((error = io_->replace(target_, temp, backup)) != 0) {
        FileLook ignored;
        const bool moved = missing(io_->lookAt(target_, ignored)) && !io_->lookAt(backup, ignored);
        if (moved && io_->move(backup, target_) != 0) {
            io_->remove(temp);
            Failure kept = failedWrite(static_cast<int>(error));
            kept.problem = FileProblem::OldContentKept;
            kept.copy = backup;
            return kept;
        }
        return fail(error);
    }
    dropCopy(backup);
    return std::nullopt;
}

Expected<fs::path> GameFile::keepCopy(std::string_view content) {
    // Beside the file when its folder allows it, else in the folder for temporary files.
    fs::path copy;
    FileHandle file = nullptr;
    auto error = createFresh(
        *io_, [this] { return besideName(target_, ".quarvel-copy-"); }, 0, copy, file);
    const fs::path other = error == ERROR_ACCESS_DENIED ? elsewhere() : fs::path();
    if (!other.empty()) {
        error = createFresh(
            *io_, [&] { return besideName(other, ".copy-"); }, 0, copy, file);
    }
    if (error != 0) {
        return failedWrite(static_cast<int>(error));
    }
    error = writeAll(*io_, file, content);
    if (error == 0) {
        error = io_->flush(file);
    }
    if (const auto closed = io_->close(file); error == 0) {
        error = closed;
    }
    if (error != 0) {
        io_->remove(copy);
        return failedWrite(static_cast<int>(error));
    }
    return copy;
}

Outcome GameFile::updateInPlace(std::string_view content) {
    // A synced copy of the old content first, then the new content over the old, and the old
    // content back if that fails.
    Expected<std::string> old = read(maxConfigFileSize);
    if (!old) {
        return old.failure();
    }
    FileHandle file = nullptr;
    if (const auto error = io_->open(target_, Access::Write, file)) {
        return failedWrite(static_cast<int>(error));
    }
    const Expected<fs::path> copy = keepCopy(*old);
    if (!copy) {
        io_->close(file);
        return copy.failure();
    }
    unsigned long error = overwrite(*io_, file, content);
    bool open = true;
    if (error == 0) {
        open = false;
        error = io_->close(file);
    }
    if (error == 0) {
        dropCopy(*copy);
        return std::nullopt;
    }
    // Put the old content back, through a fresh handle if the first one is gone.
    FileHandle restore = file;
    const bool reopened = open || io_->open(target_, Access::Write, restore) == 0;
    bool restored = false;
    if (reopened) {
        restored = overwrite(*io_, restore, *old) == 0;
        restored = io_->close(restore) == 0 && restored; // closed once, whatever happened
    }
    if (restored) {
        dropCopy(*copy);
        return failedWrite(static_cast<int>(error));
    }
    Failure kept = failedWrite(static_cast<int>(error));
    kept.problem = FileProblem::OldContentKept;
    kept.copy = *copy;
    return kept;
}

Outcome GameFile::removeName() {
    if (exists_ && path_ == target_ && (facts_.attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        Failure refused = failed(FileProblem::WriteProtected);
        refused.step = FileStep::Remove;
        return refused;
    }
    if (const auto error = io_->remove(path_)) {
        return windowsFailure(FileStep::Remove, path_, error);
    }
    return std::nullopt;
}

Outcome readInPieces(FileIo& io, const fs::path& file,
                     const std::function<void(std::string_view)>& consume) {
    const auto failed = [&](unsigned long error) {
        return windowsFailure(FileStep::Read, file, error);
    };
    const Failure notRegular{
        .step = FileStep::Read, .problem = FileProblem::NotRegularFile, .file = file};
    FileHandle handle = nullptr;
    if (const auto error = io.open(file, Access::Read, handle)) {
        return failed(error);
    }
    const auto closeWith = [&](Outcome outcome) {
        io.close(handle);
        return outcome;
    };
    // A pipe, the console or a device such as NUL could block or never end.
    FileLook info;
    if (const auto error = io.look(handle, info)) {
        return closeWith(failed(error));
    }
    if (!info.onDisk || (info.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return closeWith(notRegular);
    }
    std::array<char, 65536> buffer{};
    for (;;) {
        std::size_t got = 0;
        if (const auto error = io.read(handle, buffer.data(), buffer.size(), got)) {
            return closeWith(failed(error));
        }
        if (got == 0) {
            return closeWith(std::nullopt);
        }
        consume({buffer.data(), got});
    }
}

} // namespace quarvel
