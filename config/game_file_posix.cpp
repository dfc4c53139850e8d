#include "config/game_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <unistd.h>
#include <vector>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

constexpr int readFlags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

FileFacts factsOf(const struct stat& info) {
    return {.device = static_cast<std::uint64_t>(info.st_dev),
            .inode = static_cast<std::uint64_t>(info.st_ino),
            .size = static_cast<std::uint64_t>(info.st_size),
            .owner = info.st_uid,
            .group = info.st_gid,
            .mode = info.st_mode,
            .links = static_cast<std::uint64_t>(info.st_nlink)};
}

// Like the kernel's protected_symlinks rule and sudoedit: a link someone else planted in a
// shared folder must not steer a write into a file of his choosing.
bool trustedLinkOwner(uid_t owner) {
    return owner == ::geteuid() || owner == 0;
}

bool memberOf(gid_t group) {
    if (group == ::getegid()) {
        return true;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(count, 0), group) !=
           groups.begin() + std::max(count, 0);
}

// 0, or the error that kept the bytes from the file.
int writeAll(FileIo& io, int fd, std::string_view content) {
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = io.write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            // A write that makes no progress is as bad as one that fails.
            return n < 0 ? errno : EIO;
        }
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

// 0, or the error that kept the file from holding exactly `content` on the disk.
int overwrite(FileIo& io, int fd, std::string_view content) {
    if (io.rewind(fd) != 0) {
        return errno;
    }
    if (const int error = writeAll(io, fd, content)) {
        return error;
    }
    if (io.truncate(fd, static_cast<off_t>(content.size())) != 0 || io.sync(fd) != 0) {
        return errno;
    }
    return 0;
}

// Hands what is left of an open file to `consume` piece by piece, to the end or until `consume`
// says stop; 0, or the error reading stopped on.
int readPieces(FileIo& io, int fd, const std::function<bool(std::string_view)>& consume) {
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t got = io.read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return errno;
        }
        if (got == 0 || !consume({buffer.data(), static_cast<std::size_t>(got)})) {
            return 0;
        }
    }
}

// Reads what is left of an open file, refusing more than maxSize bytes.
Expected<std::string> readRest(FileIo& io, int fd, std::uint64_t expected, std::uintmax_t maxSize,
                               const Failure& tooLarge, const Failure& noMemory,
                               const std::function<Failure(int)>& failed) {
    try {
        std::string content;
        content.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(expected, maxSize)));
        bool grew = false;
        const int error = readPieces(io, fd, [&](std::string_view piece) {
            grew = content.size() + piece.size() > maxSize; // it grew while it was read
            if (!grew) {
                content.append(piece);
            }
            return !grew;
        });
        if (error != 0) {
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

// Creates a new file for writing under a fresh name made by `name`; the name used goes to `made`.
int createFresh(FileIo& io, const std::function<fs::path()>& name, mode_t mode, fs::path& made) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        made = name();
        const int fd =
            io.open(made.string(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Makes a rename in a folder last through a power cut.
int syncFolder(FileIo& io, const fs::path& folder) {
    const int fd =
        io.open(folder.empty() ? "." : folder.string(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) {
        return errno;
    }
    // Some file systems cannot sync a folder and say EINVAL; the rename is as durable as they get.
    const int error = io.sync(fd) != 0 && errno != EINVAL ? errno : 0;
    io.close(fd);
    return error;
}

} // namespace

bool isRefusedKind(const Failure& look) {
    return look.problem == FileProblem::NotRegularFile ||
           look.problem == FileProblem::ForeignLink ||
           (look.problem == FileProblem::System &&
            look.code == std::error_code(ELOOP, std::system_category()));
}

Failure GameFile::failed(int error) const {
    return systemFailure(step_, path_, error);
}

Failure GameFile::failedWrite(int error) const {
    return systemFailure(FileStep::Write, path_, error);
}

Expected<std::optional<fs::path>> GameFile::lookAtTarget(bool mayFollow) {
    struct stat info {};
    if (io_->lookAt(target_.string(), info) != 0) {
        if (errno != ENOENT) {
            return failed(errno);
        }
        return std::optional<fs::path>();
    }
    if (S_ISLNK(info.st_mode)) {
        if (!trustedLinkOwner(info.st_uid)) {
            Failure refused = failed(FileProblem::ForeignLink);
            refused.file = target_;
            return refused;
        }
        std::string next;
        if (!mayFollow) {
            return failed(ELOOP);
        }
        if (io_->readLink(target_.string(), next) != 0) {
            return failed(errno);
        }
        return std::optional<fs::path>(next);
    }
    if (!S_ISREG(info.st_mode)) {
        return failed(FileProblem::NotRegularFile);
    }
    exists_ = true;
    facts_ = factsOf(info);
    return std::optional<fs::path>();
}

Outcome GameFile::checkTargetWritable() {
    if (io_->mayWrite(target_.string()) != 0) {
        return errno == EACCES || errno == EPERM ? failed(FileProblem::WriteProtected)
                                                 : failed(errno);
    }
    // Root may write anything; a file without a single write bit was made read-only on purpose.
    if (::geteuid() == 0 && (facts_.mode & 0222) == 0) {
        return failed(FileProblem::WriteProtected);
    }
    return std::nullopt;
}

Expected<std::string> GameFile::read(std::uintmax_t maxSize) {
    if (!exists_) {
        return std::string();
    }
    const auto failedRead = [this](int error) {
        return systemFailure(FileStep::Read, path_, error);
    };
    const int fd = io_->open(target_.string(), readFlags, 0);
    if (fd < 0) {
        return failedRead(errno);
    }
    struct stat info {};
    if (io_->stat(fd, info) != 0) {
        const int error = errno;
        io_->close(fd);
        return failedRead(error);
    }
    facts_ = factsOf(info);
    Failure tooLarge = failed(FileProblem::TooLarge);
    Failure noMemory = failed(FileProblem::OutOfMemory);
    tooLarge.step = noMemory.step = FileStep::Read;
    Expected<std::string> content =
        !S_ISREG(info.st_mode) ? Expected<std::string>(failed(FileProblem::NotRegularFile))
        : facts_.size > maxSize
            ? Expected<std::string>(tooLarge)
            : readRest(*io_, fd, facts_.size, maxSize, tooLarge, noMemory, failedRead);
    io_->close(fd);
    return content;
}

Expected<bool> GameFile::canReplaceByRename() const {
    // A new file in the old one's place can only take over what the player could give it himself,
    // and only this name: other hard links would keep the old content.
    const uid_t user = ::geteuid();
    if (facts_.links != 1 || (user != 0 && (facts_.owner != user || !memberOf(facts_.group)))) {
        return false;
    }
    const fs::path folder = target_.parent_path().empty() ? "." : target_.parent_path();
    struct stat info {};
    if (io_->lookAt((folder / ".").string(), info) != 0) { // the folder itself, not a link to it
        return failed(errno);
    }
    if ((info.st_mode & S_ISVTX) != 0) {
        return false; // in a sticky folder, a rename is not the owner's alone to make
    }
    return io_->mayWrite(folder.string()) == 0;
}

Outcome GameFile::replace(std::string_view content) {
    if (exists_) {
        const Expected<bool> byRename = canReplaceByRename();
        if (!byRename) {
            return byRename.failure();
        }
        if (!*byRename) {
            return updateInPlace(content);
        }
    }
    bool carried = true;
    Outcome outcome = writeBeside(content, carried);
    return carried ? outcome : updateInPlace(content);
}

Outcome GameFile::writeBeside(std::string_view content, bool& carried) {
    // Beside the target, so that the rename never crosses a file system. A new file is made with
    // the mode the umask gives it; a replacement is private until it has the old file's owner
    // and permissions.
    fs::path temp;
    int fd = createFresh(
        *io_, [this] { return besideName(target_, ""); }, exists_ ? 0600 : 0666, temp);
    if (fd < 0) {
        return failedWrite(errno);
    }
    const auto fail = [&](int error) -> Outcome {
        if (fd >= 0) {
            io_->close(fd);
        }
        io_->remove(temp.string());
        if (error == 0) {
            carried = false;
            return std::nullopt;
        }
        return failedWrite(error);
    };
    if (exists_) {
        struct stat info {};
        if (io_->stat(fd, info) != 0) {
            return fail(errno);
        }
        if ((info.st_uid != facts_.owner || info.st_gid != facts_.group) &&
            io_->chown(fd, facts_.owner, facts_.group) != 0) {
            return fail(errno == EPERM ? 0 : errno);
        }
        if (io_->chmod(fd, facts_.mode & 07777) != 0) {
            return fail(errno);
        }
        const int old = io_->open(target_.string(), readFlags, 0);
        if (old < 0) {
            return fail(errno);
        }
        const int copied = io_->copyAttributes(old, fd);
        const int error = errno;
        io_->close(old);
        if (copied != 0) {
            // A file system or a policy that cannot give the new file what the old one has.
            const bool cannotCarry = error == EPERM || error == ENOTSUP || error == EOPNOTSUPP;
            return fail(cannotCarry ? 0 : error);
        }
    }
    if (const int error = writeAll(*io_, fd, content)) {
        return fail(error);
    }
    if (io_->sync(fd) != 0) {
        return fail(errno);
    }
    const int closed = io_->close(fd);
    fd = -1;
    if (closed != 0) {
        return fail(errno);
    }
    if (io_->rename(temp.string(), target_.string()) != 0) {
        return fail(errno);
    }
    if (const int error = syncFolder(*io_, target_.parent_path())) {
        return failedSync(target_.parent_path(), error);
    }
    return std::nullopt;
}

Expected<fs::path> GameFile::keepCopy(std::string_view content) {
    // Beside the file when its folder allows it, else in the folder for temporary files.
    fs::path copy;
    int fd = createFresh(
        *io_, [this] { return besideName(target_, ".quarvel-copy-"); }, 0600, copy);
    int error = fd < 0 ? errno : 0;
    const fs::path other =
        error == EACCES || error == EPERM || error == EROFS ? elsewhere() : fs::path();
    if (!other.empty()) {
        fd = createFresh(
            *io_, [&] { return besideName(other, ".copy-"); }, 0600, copy);
        error = fd < 0 ? errno : 0;
    }
    if (fd < 0) {
        return failedWrite(error);
    }
    error = writeAll(*io_, fd, content);
    if (error == 0 && io_->sync(fd) != 0) {
        error = errno;
    }
    if (io_->close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        io_->remove(copy.string());
        return failedWrite(error);
    }
    return copy;
}

Outcome GameFile::updateInPlace(std::string_view content) {
    // The way careful editors write a file they cannot replace: a synced copy of the old content
    // first, then the new content over the old, and the old content back if that fails.
    Expected<std::string> old = read(maxConfigFileSize);
    if (!old) {
        return old.failure();
    }
    const int fd = io_->open(target_.string(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0);
    if (fd < 0) {
        return failedWrite(errno);
    }
    const Expected<fs::path> copy = keepCopy(*old);
    if (!copy) {
        io_->close(fd);
        return copy.failure();
    }
    int error = overwrite(*io_, fd, content);
    bool open = true;
    if (error == 0) {
        open = false;
        if (io_->close(fd) != 0) {
            error = errno;
        }
    }
    if (error == 0) {
        dropCopy(*copy);
        return std::nullopt;
    }
    // Put the old content back, through a fresh handle if the first one is gone.
    const int restoreFd =
        open ? fd : io_->open(target_.string(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0);
    bool restored = false;
    if (restoreFd >= 0) {
        restored = overwrite(*io_, restoreFd, *old) == 0;
        // Closed once, whatever happened: a second close could close a file opened meanwhile.
        restored = io_->close(restoreFd) == 0 && restored;
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

Outcome GameFile::removeName() {
    Failure removing = failed(0);
    removing.step = FileStep::Remove;
    if (io_->remove(path_.string()) != 0) {
        removing.code = std::error_code(errno, std::system_category());
        return removing;
    }
    if (const int error = syncFolder(*io_, path_.parent_path())) {
        return failedSync(path_.parent_path(), error); // the name is gone; that may not last
    }
    return std::nullopt;
}

Outcome readInPieces(FileIo& io, const fs::path& file,
                     const std::function<void(std::string_view)>& consume) {
    const auto failed = [&](int error) { return systemFailure(FileStep::Read, file, error); };
    const Failure notRegular{
        .step = FileStep::Read, .problem = FileProblem::NotRegularFile, .file = file};
    // Not blocking: opening a FIFO for reading would otherwise wait for a writer. A socket
    // cannot be opened at all (ENXIO).
    const int fd = io.open(file.string(), O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0);
    if (fd < 0) {
        return errno == ENXIO ? notRegular : failed(errno);
    }
    const auto closeWith = [&](Outcome outcome) {
        io.close(fd);
        return outcome;
    };
    struct stat info {};
    if (io.stat(fd, info) != 0) {
        return closeWith(failed(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return closeWith(notRegular);
    }
    const int error = readPieces(io, fd, [&](std::string_view piece) {
        consume(piece);
        return true;
    });
    return closeWith(error != 0 ? Outcome(failed(error)) : std::nullopt);
}

} // namespace quarvel
