#pragma once

#include <cstddef>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

// The system calls that reading and safely replacing a player's file take, behind an interface so
// that tests can make any one of them fail. Every call reports failure as the system call does:
// -1 with errno set. Paths are whole paths, so that a fault injector that wraps the C library's
// calls by name reaches them too.
namespace quarvel {

class FileIo {
public:
    virtual ~FileIo() = default;

    // lstat: what stands at a name, without following a symbolic link there.
    virtual int lookAt(const std::string& path, struct stat& info) = 0;
    // readlink, into `target`.
    virtual int readLink(const std::string& path, std::string& target) = 0;
    // faccessat(W_OK, AT_EACCESS): whether the effective user may write to the path.
    virtual int mayWrite(const std::string& path) = 0;

    virtual int open(const std::string& path, int flags, mode_t mode) = 0;
    virtual int stat(int fd, struct stat& info) = 0;
    virtual ssize_t read(int fd, char* buffer, std::size_t size) = 0;
    virtual ssize_t write(int fd, const char* data, std::size_t size) = 0;
    virtual int rewind(int fd) = 0;
    virtual int truncate(int fd, off_t size) = 0;
    virtual int sync(int fd) = 0;
    virtual int close(int fd) = 0;

    virtual int chown(int fd, uid_t owner, gid_t group) = 0;
    virtual int chmod(int fd, mode_t mode) = 0;
    // The ACL entries and extended attributes of one open file, given to another.
    virtual int copyAttributes(int from, int to) = 0;

    virtual int rename(const std::string& from, const std::string& to) = 0;
    virtual int remove(const std::string& path) = 0;

    // An exclusive lock on the folder itself (flock on a descriptor of it), taken without waiting,
    // so that two runs of Quarvel change a game folder one after the other: the descriptor that
    // holds it, or -1 (EWOULDBLOCK while another process holds it). It leaves nothing behind.
    virtual int lockFolder(const std::string& folder) = 0;
    virtual void unlockFolder(int lock) = 0;
};

// The real system calls.
FileIo& systemFileIo();

} // namespace quarvel
