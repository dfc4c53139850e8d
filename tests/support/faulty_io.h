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

// clang-format off
enum class Call { LookAt, ReadLink, MayWrite, Open, Stat, Read, Write, Rewind, Truncate, Sync,
                  Close, Chown, Chmod, CopyAttributes, Rename, Remove };

// Each kind's name, and the error it fails with when none is asked for.
struct CallKind { const char* name; int error; };
inline constexpr CallKind callKinds[] = {
    {"lookAt", EIO}, {"readLink", EIO}, {"mayWrite", EIO}, {"open", EACCES}, {"stat", EIO},
    {"read", EIO}, {"write", ENOSPC}, {"rewind", ESPIPE}, {"truncate", ENOSPC}, {"sync", EIO},
    {"close", EIO}, {"chown", EPERM}, {"chmod", EPERM}, {"copyAttributes", ENOTSUP},
    {"rename", EXDEV}, {"remove", EACCES}};
// clang-format on

inline const char* callName(Call call) {
    return callKinds[static_cast<int>(call)].name;
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
        kind_ = call;
        failAt_ = occurrence;
        anyKind_ = false;
        error_ = error;
        always_ = always;
        seen_ = 0;
    }
    // The `index`-th call of any kind (counting from 1) fails.
    void failNth(int index) {
        anyKind_ = true;
        failAt_ = index;
        error_ = 0;
        seen_ = 0;
    }
    std::function<void(const Record&)> onCall;
    std::vector<Record> calls;

    // clang-format off
    int lookAt(const std::string& path, struct stat& info) override {
        return fails(Call::LookAt, path) ? -1 : real().lookAt(path, info); }
    int readLink(const std::string& path, std::string& target) override {
        return fails(Call::ReadLink, path) ? -1 : real().readLink(path, target); }
    int mayWrite(const std::string& path) override {
        return fails(Call::MayWrite, path) ? -1 : real().mayWrite(path); }
    int open(const std::string& path, int flags, mode_t mode) override {
        return fails(Call::Open, path) ? -1 : real().open(path, flags, mode); }
    int stat(int fd, struct stat& info) override {
        return fails(Call::Stat) ? -1 : real().stat(fd, info); }
    ssize_t read(int fd, char* buffer, std::size_t size) override {
        return fails(Call::Read) ? -1 : real().read(fd, buffer, size); }
    ssize_t write(int fd, const char* data, std::size_t size) override {
        return fails(Call::Write) ? -1 : real().write(fd, data, size); }
    int rewind(int fd) override { return fails(Call::Rewind) ? -1 : real().rewind(fd); }
    int truncate(int fd, off_t size) override {
        return fails(Call::Truncate) ? -1 : real().truncate(fd, size); }
    int sync(int fd) override { return fails(Call::Sync) ? -1 : real().sync(fd); }
    int chown(int fd, uid_t owner, gid_t group) override {
        return fails(Call::Chown) ? -1 : real().chown(fd, owner, group); }
    int chmod(int fd, mode_t mode) override {
        return fails(Call::Chmod) ? -1 : real().chmod(fd, mode); }
    int copyAttributes(int from, int to) override {
        return fails(Call::CopyAttributes) ? -1 : real().copyAttributes(from, to); }
    int rename(const std::string& from, const std::string& to) override {
        return fails(Call::Rename, to) ? -1 : real().rename(from, to); }
    int remove(const std::string& path) override {
        return fails(Call::Remove, path) ? -1 : real().remove(path); }
    // clang-format on
    int close(int fd) override {
        // A failing close still lets go of the descriptor, as the system's does.
        const bool failing = fails(Call::Close);
        const int error = errno;
        const int closed = real().close(fd);
        errno = failing ? error : errno;
        return failing ? -1 : closed;
    }

private:
    static FileIo& real() { return systemFileIo(); }

    bool fails(Call call, const std::string& path = {}) {
        calls.push_back({call, path});
        if (onCall) {
            onCall(calls.back());
        }
        const bool counted = anyKind_ || call == kind_;
        seen_ += counted ? 1 : 0;
        const bool failing = counted && (seen_ == failAt_ || (always_ && seen_ > failAt_));
        if (failing) {
            errno = error_ ? error_ : callKinds[static_cast<int>(call)].error;
        }
        return failing;
    }

    Call kind_ = Call::LookAt;
    int failAt_ = 0;
    bool anyKind_ = false;
    bool always_ = false;
    int error_ = 0;
    int seen_ = 0;
};

} // namespace quarvel::testing_support
