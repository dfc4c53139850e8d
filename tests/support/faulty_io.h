#pragma once

#include "config/file_io.h"
#include "core/paths.h"

#include <cerrno>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

// The real system calls, with a record of every call made and, on request, one of them failing:
// the n-th call overall, or the n-th call of one kind. A hook can act at a chosen call, to raise
// a signal in the middle of an install, say.
namespace quarvel::testing_support {

#ifdef _WIN32
using Error = unsigned long; // a Win32 error code
#else
using Error = int; // an errno value
#endif

// Each kind's name, and the error it fails with when none is asked for.
struct CallKind {
    const char* name;
    Error error;
};

#ifdef _WIN32
// clang-format off
enum class Call { LookAt, OwnerOf, CurrentUser, ReadLink, Open, Create, Look, Read, Write, Rewind,
                  Truncate, Flush, Close, Replace, Move, Remove, Lock };
inline constexpr CallKind callKinds[] = {
    {"lookAt", ERROR_NOT_READY}, {"ownerOf", ERROR_ACCESS_DENIED},
    {"currentUser", ERROR_NO_TOKEN}, {"readLink", ERROR_NOT_A_REPARSE_POINT},
    {"open", ERROR_SHARING_VIOLATION}, {"create", ERROR_ACCESS_DENIED}, {"look", ERROR_IO_DEVICE},
    {"read", ERROR_CRC}, {"write", ERROR_DISK_FULL}, {"rewind", ERROR_SEEK},
    {"truncate", ERROR_DISK_FULL}, {"flush", ERROR_IO_DEVICE}, {"close", ERROR_INVALID_HANDLE},
    {"replace", ERROR_UNABLE_TO_MOVE_REPLACEMENT_2}, {"move", ERROR_ACCESS_DENIED},
    {"remove", ERROR_SHARING_VIOLATION}, {"lock", ERROR_LOCK_VIOLATION}};
// clang-format on

// Another user's SID, for a link he planted.
inline constexpr const wchar_t* otherUser = L"S-1-5-21-1004336348-1177238915-682003330-1001";
#else
// clang-format off
enum class Call { LookAt, ReadLink, MayWrite, Open, Stat, Read, Write, Rewind, Truncate, Sync,
                  Close, Chown, Chmod, CopyAttributes, Rename, Remove, Lock };
inline constexpr CallKind callKinds[] = {
    {"lookAt", EIO}, {"readLink", EIO}, {"mayWrite", EIO}, {"open", EACCES}, {"stat", EIO},
    {"read", EIO}, {"write", ENOSPC}, {"rewind", ESPIPE}, {"truncate", ENOSPC}, {"sync", EIO},
    {"close", EIO}, {"chown", EPERM}, {"chmod", EPERM}, {"copyAttributes", ENOTSUP},
    {"rename", EXDEV}, {"remove", EACCES}, {"lock", EWOULDBLOCK}};
// clang-format on
#endif

inline const char* callName(Call call) {
    return callKinds[static_cast<int>(call)].name;
}

// The record of every call, and which of them is to fail.
class FaultPlan {
public:
    struct Record {
        Call call;
        std::string path; // for calls that name a path
    };

    // The `occurrence`-th call (counting from 1) of kind `call` fails with `error` (0: the kind's
    // own); with `always`, every call of that kind from then on.
    void failCall(Call call, int occurrence, Error error = 0, bool always = false) {
        plan_ = {call, occurrence, false, always, error};
        seen_ = 0;
    }
    // The `index`-th call of any kind (counting from 1) fails.
    void failNth(int index) {
        plan_ = {Call::LookAt, index, true, false, 0};
        seen_ = 0;
    }
    std::function<void(const Record&)> onCall;
    std::vector<Record> calls;
    // Handles opened through the interface and not closed yet, and closes of a handle that was not
    // open: a second close may close a file that another thread has opened meanwhile.
    std::set<std::uintptr_t> openHandles;
    int strayCloses = 0;

protected:
    static FileIo& real() { return systemFileIo(); }

    void opened(std::uintptr_t handle) { openHandles.insert(handle); }
    void closing(std::uintptr_t handle) { strayCloses += openHandles.erase(handle) == 0 ? 1 : 0; }

    // Records the call; the error it is to fail with, or 0.
    Error fault(Call call, std::string path) {
        calls.push_back({call, std::move(path)});
        if (onCall) {
            onCall(calls.back());
        }
        const bool counted = plan_.anyKind || call == plan_.kind;
        seen_ += counted ? 1 : 0;
        if (!counted || !(seen_ == plan_.at || (plan_.always && seen_ > plan_.at))) {
            return 0;
        }
        return plan_.error ? plan_.error : callKinds[static_cast<int>(call)].error;
    }

private:
    struct Plan {
        Call kind = Call::LookAt;
        int at = 0;
        bool anyKind = false;
        bool always = false;
        Error error = 0;
    } plan_;
    int seen_ = 0;
};

#ifdef _WIN32
class FaultyIo final : public FileIo, public FaultPlan {
public:
    // Symbolic links, which Wine cannot make: the name stands for a link to `target` owned by
    // `owner`. An empty file stands at the name, so that it is seen in its folder.
    struct Link {
        std::filesystem::path target;
        std::wstring owner; // empty: the user the program runs as
    };
    std::map<std::wstring, Link> links;
    static std::wstring key(const std::filesystem::path& path) {
        return path.lexically_normal().make_preferred().wstring();
    }

    unsigned long lookAt(const std::filesystem::path& path, FileLook& info) override {
        if (const auto error = fails(Call::LookAt, path)) {
            return error;
        }
        const auto error = real().lookAt(path, info);
        if (error == 0 && links.count(key(path)) != 0) {
            info.attributes |= FILE_ATTRIBUTE_REPARSE_POINT;
            info.reparseTag = IO_REPARSE_TAG_SYMLINK;
        }
        return error;
    }
    unsigned long ownerOf(const std::filesystem::path& path, std::wstring& sid) override {
        if (const auto error = fails(Call::OwnerOf, path)) {
            return error;
        }
        const auto link = links.find(key(path));
        if (link == links.end() || link->second.owner.empty()) {
            return real().currentUser(sid);
        }
        sid = link->second.owner;
        return 0;
    }
    unsigned long currentUser(std::wstring& sid) override {
        const auto error = fails(Call::CurrentUser);
        return error ? error : real().currentUser(sid);
    }
    unsigned long readLink(const std::filesystem::path& path,
                           std::filesystem::path& target) override {
        if (const auto error = fails(Call::ReadLink, path)) {
            return error;
        }
        const auto link = links.find(key(path));
        if (link == links.end()) {
            return real().readLink(path, target);
        }
        target = link->second.target;
        return 0;
    }
    // clang-format off
    unsigned long open(const std::filesystem::path& path, Access access, FileHandle& file) override {
        const auto error = fails(Call::Open, path); return error ? error : held(file, [&] { return real().open(path, access, file); }); }
    unsigned long create(const std::filesystem::path& path, std::uint32_t attributes, FileHandle& file) override {
        const auto error = fails(Call::Create, path); return error ? error : held(file, [&] { return real().create(path, attributes, file); }); }
    unsigned long look(FileHandle file, FileLook& info) override {
        const auto error = fails(Call::Look); return error ? error : real().look(file, info); }
    unsigned long read(FileHandle file, char* buffer, std::size_t size, std::size_t& got) override {
        const auto error = fails(Call::Read); return error ? error : real().read(file, buffer, size, got); }
    unsigned long write(FileHandle file, const char* data, std::size_t size, std::size_t& written) override {
        const auto error = fails(Call::Write); return error ? error : real().write(file, data, size, written); }
    unsigned long rewind(FileHandle file) override {
        const auto error = fails(Call::Rewind); return error ? error : real().rewind(file); }
    unsigned long truncate(FileHandle file) override {
        const auto error = fails(Call::Truncate); return error ? error : real().truncate(file); }
    unsigned long flush(FileHandle file) override {
        const auto error = fails(Call::Flush); return error ? error : real().flush(file); }
    unsigned long move(const std::filesystem::path& from, const std::filesystem::path& to) override {
        const auto error = fails(Call::Move, to); return error ? error : real().move(from, to); }
    unsigned long remove(const std::filesystem::path& path) override {
        const auto error = fails(Call::Remove, path); return error ? error : real().remove(path); }
    unsigned long lockFolder(const std::filesystem::path& folder, FileHandle& lock) override {
        const auto error = fails(Call::Lock, folder); return error ? error : real().lockFolder(folder, lock); }
    void unlockFolder(FileHandle lock) override { real().unlockFolder(lock); }
    // clang-format on
    unsigned long close(FileHandle file) override {
        // A failing close still lets go of the handle, as the system's does.
        const auto error = fails(Call::Close);
        closing(reinterpret_cast<std::uintptr_t>(file));
        const auto closed = real().close(file);
        return error ? error : closed;
    }
    unsigned long replace(const std::filesystem::path& target,
                          const std::filesystem::path& replacement,
                          const std::filesystem::path& backup) override {
        const auto error = fails(Call::Replace, target);
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            // What ReplaceFileW leaves then: the old file at the backup name, none at its own.
            real().move(target, backup);
        }
        return error ? error : real().replace(target, replacement, backup);
    }

private:
    unsigned long fails(Call call, const std::filesystem::path& path = {}) {
        return fault(call, pathText(path));
    }
    // Makes the call that opens `file` and records the handle it got.
    template <typename Opening> unsigned long held(FileHandle& file, Opening opening) {
        const unsigned long error = opening();
        if (error == 0) {
            opened(reinterpret_cast<std::uintptr_t>(file));
        }
        return error;
    }
};
#else
class FaultyIo final : public FileIo, public FaultPlan {
public:
    // clang-format off
    int lookAt(const std::string& path, struct stat& info) override {
        return fails(Call::LookAt, path) ? -1 : real().lookAt(path, info); }
    int readLink(const std::string& path, std::string& target) override {
        return fails(Call::ReadLink, path) ? -1 : real().readLink(path, target); }
    int mayWrite(const std::string& path) override {
        return fails(Call::MayWrite, path) ? -1 : real().mayWrite(path); }
    int open(const std::string& path, int flags, mode_t mode) override {
        const int fd = fails(Call::Open, path) ? -1 : real().open(path, flags, mode);
        if (fd >= 0) { opened(static_cast<std::uintptr_t>(fd)); }
        return fd; }
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
    int lockFolder(const std::string& folder) override {
        return fails(Call::Lock, folder) ? -1 : real().lockFolder(folder); }
    void unlockFolder(int lock) override { real().unlockFolder(lock); }
    // clang-format on
    int close(int fd) override {
        // A failing close still lets go of the descriptor, as the system's does.
        const int error = fault(Call::Close, {});
        closing(static_cast<std::uintptr_t>(fd));
        const int closed = real().close(fd);
        errno = error ? error : errno;
        return error ? -1 : closed;
    }

private:
    // Whether the call fails, with errno set as the system call sets it.
    bool fails(Call call, const std::string& path = {}) {
        const int error = fault(call, path);
        errno = error ? error : errno;
        return error != 0;
    }
};
#endif

} // namespace quarvel::testing_support
