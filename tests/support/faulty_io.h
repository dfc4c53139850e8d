#pragma once

#include "config/file_io.h"

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

// The real system calls, with a record of every call made and, on request, one of them failing:
// the n-th call overall, or the n-th call of one kind. A hook can act at a chosen call, to raise
// a signal in the middle of an install, say.
namespace quarvel::testing_support {

enum class Call {
    LookAt,
    ReadLink,
    MayWrite,
    Open,
    Stat,
    Read,
    Write,
    Rewind,
    Truncate,
    Sync,
    Close,
    Chown,
    Chmod,
    CopyAttributes,
    Rename,
    Remove
};

inline const char* callName(Call call) {
    static const char* const names[] = {
        "lookAt",   "readLink", "mayWrite", "open",  "stat",  "read",           "write",  "rewind",
        "truncate", "sync",     "close",    "chown", "chmod", "copyAttributes", "rename", "remove"};
    return names[static_cast<int>(call)];
}

// The error a call of each kind fails with when none is asked for.
inline int typicalError(Call call) {
    switch (call) {
    case Call::LookAt:
    case Call::ReadLink:
    case Call::MayWrite:
    case Call::Read:
    case Call::Stat:
    case Call::Close:
    case Call::Sync:
        return EIO;
    case Call::Write:
    case Call::Truncate:
        return ENOSPC;
    case Call::Open:
    case Call::Remove:
        return EACCES;
    case Call::Chown:
    case Call::Chmod:
        return EPERM;
    case Call::CopyAttributes:
        return ENOTSUP;
    case Call::Rewind:
        return ESPIPE;
    case Call::Rename:
        return EXDEV;
    }
    return EIO;
}

class FaultyIo final : public FileIo {
public:
    struct Record {
        Call call;
        std::string path; // for calls that name a path
    };

    // The `occurrence`-th call (counting from 1) of kind `call` fails with `error`; with
    // `always`, every call of that kind from then on.
    void failCall(Call call, int occurrence, int error = 0, bool always = false) {
        failKind_ = call;
        failAt_ = occurrence;
        failAny_ = false;
        error_ = error ? error : typicalError(call);
        always_ = always;
    }
    // The `index`-th call of any kind (counting from 1) fails.
    void failNth(int index, int error = 0) {
        failAny_ = true;
        failAt_ = index;
        error_ = error;
    }
    std::function<void(const Record&)> onCall;
    std::vector<Record> calls;

    int lookAt(const std::string& path, struct stat& info) override {
        return fails(Call::LookAt, path) ? -1 : real().lookAt(path, info);
    }
    int readLink(const std::string& path, std::string& target) override {
        return fails(Call::ReadLink, path) ? -1 : real().readLink(path, target);
    }
    int mayWrite(const std::string& path) override {
        return fails(Call::MayWrite, path) ? -1 : real().mayWrite(path);
    }
    int open(const std::string& path, int flags, mode_t mode) override {
        return fails(Call::Open, path) ? -1 : real().open(path, flags, mode);
    }
    int stat(int fd, struct stat& info) override {
        return fails(Call::Stat) ? -1 : real().stat(fd, info);
    }
    ssize_t read(int fd, char* buffer, std::size_t size) override {
        return fails(Call::Read) ? -1 : real().read(fd, buffer, size);
    }
    ssize_t write(int fd, const char* data, std::size_t size) override {
        return fails(Call::Write) ? -1 : real().write(fd, data, size);
    }
    int rewind(int fd) override { return fails(Call::Rewind) ? -1 : real().rewind(fd); }
    int truncate(int fd, off_t size) override {
        return fails(Call::Truncate) ? -1 : real().truncate(fd, size);
    }
    int sync(int fd) override { return fails(Call::Sync) ? -1 : real().sync(fd); }
    int close(int fd) override {
        // A failing close still lets go of the descriptor, as the system's does.
        if (fails(Call::Close)) {
            const int error = errno;
            real().close(fd);
            errno = error;
            return -1;
        }
        return real().close(fd);
    }
    int chown(int fd, uid_t owner, gid_t group) override {
        return fails(Call::Chown) ? -1 : real().chown(fd, owner, group);
    }
    int chmod(int fd, mode_t mode) override {
        return fails(Call::Chmod) ? -1 : real().chmod(fd, mode);
    }
    int copyAttributes(int from, int to) override {
        return fails(Call::CopyAttributes) ? -1 : real().copyAttributes(from, to);
    }
    int rename(const std::string& from, const std::string& to) override {
        return fails(Call::Rename, to) ? -1 : real().rename(from, to);
    }
    int remove(const std::string& path) override {
        return fails(Call::Remove, path) ? -1 : real().remove(path);
    }

private:
    static FileIo& real() { return systemFileIo(); }

    bool fails(Call call, const std::string& path = {}) {
        calls.push_back({call, path});
        if (onCall) {
            onCall(calls.back());
        }
        bool failing = false;
        if (failAny_) {
            failing = static_cast<int>(calls.size()) == failAt_;
            if (failing && error_ == 0) {
                error_ = typicalError(call);
            }
        } else if (call == failKind_) {
            ++seen_;
            failing = seen_ == failAt_ || (always_ && seen_ > failAt_);
        }
        if (failing) {
            errno = error_;
        }
        return failing;
    }

    Call failKind_ = Call::LookAt;
    int failAt_ = 0;
    bool failAny_ = false;
    bool always_ = false;
    int error_ = 0;
    int seen_ = 0;
};

} // namespace quarvel::testing_support
