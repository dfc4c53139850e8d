#include "config/file_io_posix.h"

#include <acl/libacl.h>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/acl.h>
#include <sys/file.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace quarvel {

namespace {

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

class SystemFileIo final : public FileIo {
public:
    int lookAt(const std::string& path, struct stat& info) override {
        return ::lstat(path.c_str(), &info);
    }
    int readLink(const std::string& path, std::string& target) override {
        std::vector<char> buffer(256);
        for (;;) {
            const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
            if (length < 0) {
                return -1;
            }
            if (static_cast<std::size_t>(length) < buffer.size()) {
                target.assign(buffer.data(), static_cast<std::size_t>(length));
                return 0;
            }
            buffer.resize(buffer.size() * 2);
        }
    }
    int mayWrite(const std::string& path) override {
        return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS);
    }
    int open(const std::string& path, int flags, mode_t mode) override {
        return ::open(path.c_str(), flags, mode);
    }
    int stat(int fd, struct stat& info) override { return ::fstat(fd, &info); }
    ssize_t read(int fd, char* buffer, std::size_t size) override {
        return ::read(fd, buffer, size);
    }
    ssize_t write(int fd, const char* data, std::size_t size) override {
        return ::write(fd, data, size);
    }
    int rewind(int fd) override { return ::lseek(fd, 0, SEEK_SET) < 0 ? -1 : 0; }
    int truncate(int fd, off_t size) override { return ::ftruncate(fd, size); }
    int sync(int fd) override { return ::fsync(fd); }
    int close(int fd) override { return ::close(fd); }
    int chown(int fd, uid_t owner, gid_t group) override { return ::fchown(fd, owner, group); }
    int chmod(int fd, mode_t mode) override { return ::fchmod(fd, mode); }
    int copyAttributes(int from, int to) override {
        return copyAcl(from, to) == 0 ? copyExtendedAttributes(from, to) : -1;
    }
    int rename(const std::string& from, const std::string& to) override {
        return ::rename(from.c_str(), to.c_str());
    }
    int remove(const std::string& path) override { return ::unlink(path.c_str()); }
    int lockFolder(const std::string& folder) override {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            return -1;
        }
        int locked = 0;
        while ((locked = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
        }
        if (locked != 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return -1;
        }
        return fd;
    }
    void unlockFolder(int lock) override { ::close(lock); }
};

} // namespace

FileIo& systemFileIo() {
    static SystemFileIo io;
    return io;
}

} // namespace quarvel
