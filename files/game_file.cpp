// What reading and replacing a game file does alike on every system: the look that follows links,
// reading, writing whole, keeping a copy, and updating in place and undoing it.

#include "files/game_file.h"

#include <algorithm>
#include <array>
#include <new>
#include <random>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

// Hands what is left of an open file to `consume` piece by piece, to the end or until `consume`
// says stop; the error reading stopped on, if any.
std::error_code readPieces(FileIo& io, FileHandle file,
                           const std::function<bool(std::string_view)>& consume) {
    std::array<char, 65536> buffer{};
    for (;;) {
        std::size_t got = 0;
        if (const auto error = io.read(file, buffer.data(), buffer.size(), got)) {
            return error;
        }
        if (got == 0 || !consume({buffer.data(), got})) {
            return {};
        }
    }
}

// Reads what is left of an open file, refusing more than maxSize bytes.
Expected<std::string> readRest(FileIo& io, FileHandle file, std::uint64_t expected,
                               std::uintmax_t maxSize, const Failure& tooLarge,
                               const Failure& noMemory,
                               const std::function<Failure(std::error_code)>& failed) {
    try {
        std::string content;
        content.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(expected, maxSize)));
        bool grew = false;
        const std::error_code error = readPieces(io, file, [&](std::string_view piece) {
            grew = content.size() + piece.size() > maxSize; // it grew while it was read
            if (!grew) {
                content.append(piece);
            }
            return !grew;
        });
        if (error) {
            return failed(error);
        }
        if (grew) {
            return tooLarge;
        }
        return content;
    } catch (const std::bad_alloc&) {
        return noMemory;
    }
}

} // namespace

Failure fileFailure(FileStep step, const fs::path& file, std::error_code error) {
    Failure failure = systemFailure(step, file, error.value());
    if (isInUse(error)) {
        failure.problem = FileProblem::InUse; // the game or an editor has it open
    }
    return failure;
}

bool isRefusedKind(const Failure& look) {
    return look.problem == FileProblem::NotRegularFile ||
           look.problem == FileProblem::ForeignLink ||
           (look.problem == FileProblem::System && look.code == GameFile::tooManyLinks());
}

GameFile::GameFile(FileIo& io, fs::path path, FileStep step)
    : io_(&io), path_(std::move(path)), step_(step) {}

Failure GameFile::failed(std::error_code error) const {
    return fileFailure(step_, path_, error);
}

Failure GameFile::failed(FileProblem problem) const {
    return {.step = step_, .problem = problem, .file = path_};
}

Failure GameFile::failedWrite(std::error_code error) const {
    return fileFailure(FileStep::Write, path_, error);
}

Failure GameFile::failedSync(const fs::path& folder, std::error_code error) const {
    return systemFailure(FileStep::Sync, folder.empty() ? fs::path(".") : folder, error.value());
}

std::error_code GameFile::writeAll(FileIo& io, FileHandle file, std::string_view content) {
    for (std::size_t written = 0; written < content.size();) {
        std::size_t count = 0;
        if (const auto error =
                io.write(file, content.data() + written, content.size() - written, count)) {
            return error;
        }
        written += count;
    }
    return {};
}

std::error_code GameFile::overwrite(FileIo& io, FileHandle file, std::string_view content) {
    std::error_code error = io.rewind(file);
    error = error ? error : writeAll(io, file, content);
    error = error ? error : io.truncate(file, content.size());
    return error ? error : io.sync(file);
}

std::error_code GameFile::createFresh(FileIo& io, const std::function<fs::path()>& name,
                                      std::uint32_t mode, std::uint32_t attributes, fs::path& made,
                                      FileHandle& file) {
    std::error_code error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        made = name();
        error = io.create(made, mode, attributes, file);
        if (!isTaken(error)) {
            return error;
        }
    }
    return error;
}

void GameFile::dropCopy(const fs::path& copy) {
    if (const std::error_code error = io_->remove(copy)) {
        leftCopy_ = Failure{.step = FileStep::Remove,
                            .problem = FileProblem::CopyLeft,
                            .file = path_,
                            .code = error,
                            .copy = copy};
    }
}

Expected<GameFile> GameFile::look(FileIo& io, const fs::path& path, FileStep step) {
    GameFile file(io, path, step);
    file.target_ = path;
    for (int hop = 0;; ++hop) {
        auto link = file.lookAtTarget(hop < maxLinkHops);
        if (!link) {
            return link.failure();
        }
        if (!*link) {
            file.named_ = file.exists_ || hop > 0; // a dangling link still names the file
            return file;
        }
        file.target_ = (*link)->is_absolute() ? **link : file.target_.parent_path() / **link;
    }
}

Expected<std::optional<fs::path>> GameFile::lookAtTarget(bool mayFollow) {
    FileLook info;
    if (const auto error = io_->lookAt(target_, info)) {
        if (!isMissing(error)) {
            return failed(error);
        }
        return std::optional<fs::path>();
    }
    if (info.kind == FileKind::Link || info.kind == FileKind::FolderLink) {
        const Expected<bool> trusted = trustsLink(info);
        if (!trusted) {
            return trusted.failure();
        }
        if (!*trusted) {
            Failure refused = failed(FileProblem::ForeignLink);
            refused.file = target_;
            return refused;
        }
        if (info.kind == FileKind::FolderLink) {
            return failed(FileProblem::NotRegularFile);
        }
        if (!mayFollow) {
            return failed(tooManyLinks());
        }
        fs::path next;
        if (const auto error = io_->readLink(target_, next)) {
            return failed(error);
        }
        return std::optional<fs::path>(next);
    }
    if (info.kind != FileKind::Regular) {
        return failed(FileProblem::NotRegularFile);
    }
    exists_ = true;
    facts_ = info;
    return std::optional<fs::path>();
}

Expected<void> GameFile::checkWritable() {
    if (!exists_) {
        return {}; // a new file: its folder decides when the file is made
    }
    return checkTargetWritable();
}

Expected<std::string> GameFile::read(std::uintmax_t maxSize) {
    if (!exists_) {
        return std::string();
    }
    const auto failedRead = [this](std::error_code error) {
        return fileFailure(FileStep::Read, path_, error);
    };
    FileHandle file{};
    if (const auto error = io_->open(target_, OpenMode::Read, file)) {
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
    const bool regular = info.kind == FileKind::Regular;
    if (regular) {
        facts_ = info;
    }
    Expected<std::string> content =
        !regular ? Expected<std::string>(notRegular)
        : facts_.size > maxSize
            ? Expected<std::string>(tooLarge)
            : readRest(*io_, file, facts_.size, maxSize, tooLarge, noMemory, failedRead);
    io_->close(file);
    return content;
}

Expected<void> GameFile::replace(std::string_view content) {
    if (exists_) {
        const Expected<bool> whole = canReplaceWhole();
        if (!whole) {
            return whole.failure();
        }
        if (!*whole) {
            return updateInPlace(content);
        }
    }
    bool carried = true;
    Expected<void> written = writeBeside(content, carried);
    return carried ? written : updateInPlace(content);
}

Expected<fs::path> GameFile::keepCopy(std::string_view content) {
    // Beside the file when its folder allows it, else in the folder for temporary files.
    fs::path copy;
    FileHandle file{};
    auto error = createFresh(
        *io_, [this] { return besideName(target_, ".quarvel-copy-"); }, 0600, 0, copy, file);
    const fs::path other = isRefused(error) ? elsewhere() : fs::path();
    if (!other.empty()) {
        error = createFresh(
            *io_, [&] { return besideName(other, ".copy-"); }, 0600, 0, copy, file);
    }
    if (error) {
        return failedWrite(error);
    }
    error = writeAll(*io_, file, content);
    if (!error) {
        error = io_->sync(file);
    }
    if (const auto closed = io_->close(file); !error) {
        error = closed;
    }
    if (error) {
        io_->remove(copy);
        return failedWrite(error);
    }
    return copy;
}

Expected<void> GameFile::updateInPlace(std::string_view content) {
    // The way careful editors write a file they cannot replace: a synced copy of the old content
    // first, then the new content over the old, and the old content back if that fails.
    Expected<std::string> old = read(maxConfigFileSize);
    if (!old) {
        return old.failure();
    }
    FileHandle file{};
    if (const auto error = io_->open(target_, OpenMode::Write, file)) {
        return failedWrite(error);
    }
    const Expected<fs::path> copy = keepCopy(*old);
    if (!copy) {
        io_->close(file);
        return copy.failure();
    }
    std::error_code error = overwrite(*io_, file, content);
    bool open = true;
    if (!error) {
        open = false;
        error = io_->close(file);
    }
    if (!error) {
        dropCopy(*copy);
        return {};
    }
    // Put the old content back, through a fresh handle if the first one is gone.
    FileHandle restore = file;
    const bool reopened = open || !io_->open(target_, OpenMode::Write, restore);
    bool restored = false;
    if (reopened) {
        restored = !overwrite(*io_, restore, *old);
        // Closed once, whatever happened: a second close could close a file opened meanwhile.
        restored = !io_->close(restore) && restored;
    }
    if (restored) {
        dropCopy(*copy);
        return failedWrite(error);
    }
    Failure kept = failedWrite(error);
    kept.problem = FileProblem::OldContentKept;
    kept.copy = *copy;
    return kept;
}

Expected<void> GameFile::remove() {
    if (!named_) {
        return {};
    }
    if (Expected<void> removable = checkRemovable(); !removable) {
        return removable;
    }
    if (const auto error = io_->remove(path_)) {
        return fileFailure(FileStep::Remove, path_, error);
    }
    if (const auto error = syncFolder(path_.parent_path())) {
        return failedSync(path_.parent_path(), error); // the name is gone; that may not last
    }
    named_ = exists_ = false;
    return {};
}

fs::path GameFile::elsewhere() const {
    std::error_code error;
    const fs::path temporary = fs::temp_directory_path(error);
    if (error) {
        return {};
    }
    fs::path name("quarvel-");
    name += target_.filename().native();
    return temporary / name;
}

fs::path GameFile::besideName(const fs::path& file, std::string_view kind) {
    static constexpr std::string_view letters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string tail(kind);
    for (int i = 0; i < 6; ++i) {
        tail += letters[random() % letters.size()];
    }
    fs::path name(".");
    name += file.filename().native();
    name += tail;
    return file.parent_path() / name;
}

Expected<void> readInPieces(FileIo& io, const fs::path& file,
                            const std::function<void(std::string_view)>& consume) {
    const auto failed = [&](std::error_code error) {
        return fileFailure(FileStep::Read, file, error);
    };
    const Failure notRegular{
        .step = FileStep::Read, .problem = FileProblem::NotRegularFile, .file = file};
    FileHandle handle{};
    if (const auto error = io.open(file, OpenMode::ReadThrough, handle)) {
        return isNoFile(error) ? notRegular : failed(error);
    }
    const auto closeWith = [&](Expected<void> read) {
        io.close(handle);
        return read;
    };
    // A FIFO, a pipe, the console or a device could block or never end.
    FileLook info;
    if (const auto error = io.look(handle, info)) {
        return closeWith(failed(error));
    }
    if (info.kind != FileKind::Regular) {
        return closeWith(notRegular);
    }
    const std::error_code error = readPieces(io, handle, [&](std::string_view piece) {
        consume(piece);
        return true;
    });
    return closeWith(error ? Expected<void>(failed(error)) : Expected<void>());
}

} // namespace quarvel
