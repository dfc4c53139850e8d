#include "files/file_io.h"

#include <cerrno>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <acl/libacl.h>
#include <fcntl.h>
#include <sys/acl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace quarvel {

namespace {

namespace fs = std::filesystem;

// The ACL is copied through libacl, which knows its format; these are its attribute names.
bool isAclAttribute(std::string_view name) {
    return name == "system.posix_acl_access" || name == "system.posix_acl_default";
}

int copyAcl(int from, int to) {
    // A file without entries beyond its permission bits has nothing to copy, also on file
    // systems that know no ACLs.
    const int extended = ::acl_extended_fd(from);
    if (extended <= 0) {
        return extended < 0 && errno != ENOTSUP ? -1 : 0;
    }
    const std::unique_ptr<void, int (*)(void*)> acl(::acl_get_fd(from), ::acl_free);
    if (!acl) {
        return -1;
    }
    return ::acl_set_fd(to, static_cast<acl_t>(acl.get()));
}

int copyExtendedAttributes(int from, int to) {
    const ssize_t size = ::flistxattr(from, nullptr, 0);
    if (size <= 0) {
        return size < 0 && errno != ENOTSUP ? -1 : 0;
    }
    std::vector<char> names(static_cast<std::size_t>(size));
    const ssize_t listed = ::flistxattr(from, names.data(), names.size());
    if (listed < 0) {
        return -1;
    }
    std::vector<char> value;
    for (std::size_t at = 0; at < static_cast<std::size_t>(listed);) {
        const std::string_view name(names.data() + at);
        at += name.size() + 1;
        if (isAclAttribute(name)) {
            continue;
        }
        const std::string key(name);
        const ssize_t length = ::fgetxattr(from, key.c_str(), nullptr, 0);
        if (length < 0) {
            return -1;
        }
        value.resize(static_cast<std::size_t>(length));
        const ssize_t got = ::fgetxattr(from, key.c_str(), value.data(), value.size());
        if (got < 0 ||
            ::fsetxattr(to, key.c_str(), value.data(), static_cast<std::size_t>(got), 0) != 0) {
            return -1;
        }
    }
    return 0;
}

std::error_code lastError() {
    return {errno, std::system_category()};
}

std::error_code failed(int error) {
    return {error, std::system_category()};
}

// Done when a call returned 0, else errno.
IoResult<> checked(int result) {
    if (result != 0) {
        return lastError();
    }
    return {};
}

int fdOf(FileHandle file) {
    return static_cast<int>(file);
}

IoResult<FileHandle> handleOf(int fd) {
    if (fd < 0) {
        return lastError();
    }
    return static_cast<FileHandle>(fd);
}

FileLook lookOf(const struct stat& info) {
    const FileKind kind = S_ISLNK(info.st_mode)   ? FileKind::Link
                          : S_ISREG(info.st_mode) ? FileKind::Regular
                          : S_ISDIR(info.st_mode) ? FileKind::Folder
                                                  : FileKind::Other;
    return {.kind = kind,
            .device = static_cast<std::uint64_t>(info.st_dev),
            .index = static_cast<std::uint64_t>(info.st_ino),
            .size = static_cast<std::uint64_t>(info.st_size),
            .links = static_cast<std::uint64_t>(info.st_nlink),
            .owner = info.st_uid,
            .group = info.st_gid,
            .mode = info.st_mode};
}

// What stat told, or errno when it failed.
IoResult<FileLook> lookOrFail(int result, const struct stat& status) {
    if (result != 0) {
        return lastError();
    }
    return lookOf(status);
}

int flagsOf(OpenMode mode) {
    switch (mode) {
    case OpenMode::Read:
        return O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    case OpenMode::ReadThrough:
        return O_RDONLY | O_CLOEXEC | O_NONBLOCK; // a FIFO would otherwise wait for a writer
    case OpenMode::Write:
    case OpenMode::Check:
        return O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    case OpenMode::Folder:
        return O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    }
    return O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
}

class SystemFileIo final : public FileIo {
public:
    IoResult<FileLook> lookAt(const fs::path& path) override {
        struct stat status {};
        return lookOrFail(::lstat(path.c_str(), &status), status);
    }
    IoResult<std::string> ownerOf(const fs::path& path) override {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            return lastError();
        }
        return std::to_string(status.st_uid);
    }
    IoResult<std::string> currentUser() override { return std::to_string(::geteuid()); }
    IoResult<fs::path> readLink(const fs::path& path) override {
        std::vector<char> buffer(256);
        for (;;) {
            const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
            if (length < 0) {
                return lastError();
            }
            if (static_cast<std::size_t>(length) < buffer.size()) {
                return fs::path(std::string(buffer.data(), static_cast<std::size_t>(length)));
            }
            buffer.resize(buffer.size() * 2);
        }
    }
    IoResult<> mayWrite(const fs::path& path) override {
        return checked(::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS));
    }
    IoResult<FileHandle> open(const fs::path& path, OpenMode mode) override {
        return handleOf(::open(path.c_str(), flagsOf(mode), 0));
    }
    IoResult<FileHandle> create(const fs::path& path, std::uint32_t mode, std::uint32_t) override {
        return handleOf(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                               static_cast<mode_t>(mode)));
    }
    IoResult<FileLook> look(FileHandle file) override {
        struct stat status {};
        return lookOrFail(::fstat(fdOf(file), &status), status);
    }
    IoResult<std::size_t> read(FileHandle file, char* buffer, std::size_t size) override {
        for (;;) {
            const ssize_t n = ::read(fdOf(file), buffer, size);
            if (n >= 0) {
                return static_cast<std::size_t>(n);
            }
            if (errno != EINTR) {
                return lastError();
            }
        }
    }
    IoResult<std::size_t> write(FileHandle file, const char* data, std::size_t size) override {
        for (;;) {
            const ssize_t n = ::write(fdOf(file), data, size);
            if (n > 0) {
                return static_cast<std::size_t>(n);
            }
            if (n == 0) {
                return failed(EIO); // a write that makes no progress is as bad as one that fails
            }
            if (errno != EINTR) {
                return lastError();
            }
        }
    }
    IoResult<> rewind(FileHandle file) override {
        return checked(::lseek(fdOf(file), 0, SEEK_SET) < 0 ? -1 : 0);
    }
    IoResult<> truncate(FileHandle file, std::uint64_t size) override {
        return checked(::ftruncate(fdOf(file), static_cast<off_t>(size)));
    }
    IoResult<> sync(FileHandle file) override { return checked(::fsync(fdOf(file))); }
    IoResult<> close(FileHandle file) override { return checked(::close(fdOf(file))); }
    IoResult<> setOwner(FileHandle file, std::uint32_t owner, std::uint32_t group) override {
        return checked(::fchown(fdOf(file), owner, group));
    }
    IoResult<> setMode(FileHandle file, std::uint32_t mode) override {
        return checked(::fchmod(fdOf(file), static_cast<mode_t>(mode)));
    }
    IoResult<> copyAttributes(FileHandle from, FileHandle to) override {
        return checked(copyAcl(fdOf(from), fdOf(to)) == 0 &&
                               copyExtendedAttributes(fdOf(from), fdOf(to)) == 0
                           ? 0
                           : -1);
    }
    IoResult<> rename(const fs::path& from, const fs::path& to) override {
        return checked(::rename(from.c_str(), to.c_str()));
    }
    IoResult<> replace(const fs::path&, const fs::path&, const fs::path&) override {
        return failed(ENOTSUP); // a new file takes the old one's place by rename here
    }
    IoResult<> remove(const fs::path& path) override { return checked(::unlink(path.c_str())); }
    IoResult<FileHandle> lockFolder(const fs::path& folder) override {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            return lastError();
        }
        int locked = 0;
        while ((locked = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
        }
        if (locked != 0) {
            const int error = errno;
            ::close(fd);
            return failed(error);
        }
        return static_cast<FileHandle>(fd);
    }
    void unlockFolder(FileHandle lock) override { ::close(fdOf(lock)); }
};

} // namespace

FileIo& systemFileIo() {
    static SystemFileIo io;
    return io;
}

bool isMissing(const std::error_code& error) {
    return isSystemError(error, {ENOENT});
}
bool isTaken(const std::error_code& error) {
    return isSystemError(error, {EEXIST});
}
bool isNoFile(const std::error_code& error) {
    return isSystemError(error, {ENXIO});
}
bool isInUse(const std::error_code&) {
    return false; // a file open elsewhere may be written on Linux
}
bool isRefused(const std::error_code& error) {
    return isSystemError(error, {EACCES, EPERM, EROFS});
}
bool isBusy(const std::error_code& error) {
    return isSystemError(error, {EWOULDBLOCK, EAGAIN});
}
bool takesNoLock(const std::error_code& error) {
    // Some network file systems take no lock on a folder. A folder that is not there has nothing
    // to hold either; the change says so in its words.
    return isSystemError(error, {ENOLCK, EOPNOTSUPP, ENOTSUP, EINVAL, EBADF, ENOENT, ENOTDIR});
}

} // namespace quarvel
