#pragma once

#include "core/paths.h"
#include "files/file_io.h"

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

// An errno value on Linux, a Win32 error code on Windows.
using Error = int;

// clang-format off
enum class Call { LookAt, OwnerOf, CurrentUser, ReadLink, MayWrite, Open, Create, Look, Read, Write,
                  Rewind, Truncate, Sync, Close, SetOwner, SetMode, CopyAttributes, Rename, Replace,
                  Remove, Lock };
inline constexpr const char* callNames[] = {
    "lookAt", "ownerOf", "currentUser", "readLink", "mayWrite", "open", "create", "look", "read",
    "write", "rewind", "truncate", "sync", "close", "setOwner", "setMode", "copyAttributes",
    "rename", "replace", "remove", "lock"};
// The error each kind fails with when none is asked for: what the system would say.
#ifdef _WIN32
inline constexpr Error callErrors[] = {
    ERROR_NOT_READY, ERROR_ACCESS_DENIED, ERROR_NO_TOKEN, ERROR_NOT_A_REPARSE_POINT,
    ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION, ERROR_ACCESS_DENIED, ERROR_IO_DEVICE, ERROR_CRC,
    ERROR_DISK_FULL, ERROR_SEEK, ERROR_DISK_FULL, ERROR_IO_DEVICE, ERROR_INVALID_HANDLE,
    ERROR_NOT_SUPPORTED, ERROR_NOT_SUPPORTED, ERROR_NOT_SUPPORTED, ERROR_ACCESS_DENIED,
    ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION};
#else
inline constexpr Error callErrors[] = {
    EIO, EIO, EIO, EIO, EIO, EACCES, EACCES, EIO, EIO, ENOSPC, ESPIPE, ENOSPC, EIO, EIO, EPERM,
    EPERM, ENOTSUP, EXDEV, ENOTSUP, EACCES, EWOULDBLOCK};
#endif
// clang-format on
static_assert(std::size(callNames) == static_cast<std::size_t>(Call::Lock) + 1);
static_assert(std::size(callErrors) == std::size(callNames));

inline const char* callName(Call call) {
    return callNames[static_cast<int>(call)];
}
inline Error callError(Call call) {
    return callErrors[static_cast<int>(call)];
}

// Another user, for a link he planted (a SID, as Windows names users).
inline constexpr const char* otherUser = "S-1-5-21-1004336348-1177238915-682003330-1001";

class FaultyIo final : public FileIo {
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
    std::set<FileHandle> openHandles;
    int strayCloses = 0;

    // Symbolic links, which Wine cannot make: the name stands for a link to `target` owned by
    // `owner`. An empty file stands at the name, so that it is seen in its folder.
    struct Link {
        std::filesystem::path target;
        std::string owner; // empty: the user the program runs as
    };
    std::map<std::filesystem::path, Link> links;
    static std::filesystem::path key(const std::filesystem::path& path) {
        return path.lexically_normal().make_preferred();
    }

    IoResult<FileLook> lookAt(const std::filesystem::path& path) override {
        if (const auto error = fails(Call::LookAt, path)) {
            return error;
        }
        IoResult<FileLook> info = real().lookAt(path);
        if (info && links.count(key(path)) != 0) {
            info->kind = FileKind::Link;
        }
        return info;
    }
    IoResult<std::string> ownerOf(const std::filesystem::path& path) override {
        if (const auto error = fails(Call::OwnerOf, path)) {
            return error;
        }
        const auto link = links.find(key(path));
        if (link == links.end() || link->second.owner.empty()) {
            return real().currentUser();
        }
        return link->second.owner;
    }
    IoResult<std::filesystem::path> readLink(const std::filesystem::path& path) override {
        if (const auto error = fails(Call::ReadLink, path)) {
            return error;
        }
        const auto link = links.find(key(path));
        if (link == links.end()) {
            return real().readLink(path);
        }
        return link->second.target;
    }
    // clang-format off
    IoResult<std::string> currentUser() override {
        const auto error = fails(Call::CurrentUser); return error ? error : real().currentUser(); }
    IoResult<> mayWrite(const std::filesystem::path& path) override {
        const auto error = fails(Call::MayWrite, path); return error ? error : real().mayWrite(path); }
    IoResult<FileHandle> open(const std::filesystem::path& path, OpenMode mode) override {
        const auto error = fails(Call::Open, path); return error ? error : held(real().open(path, mode)); }
    IoResult<FileHandle> create(const std::filesystem::path& path, std::uint32_t mode, std::uint32_t attributes) override {
        const auto error = fails(Call::Create, path); return error ? error : held(real().create(path, mode, attributes)); }
    IoResult<FileLook> look(FileHandle file) override {
        const auto error = fails(Call::Look); return error ? error : real().look(file); }
    IoResult<std::size_t> read(FileHandle file, char* buffer, std::size_t size) override {
        const auto error = fails(Call::Read); return error ? error : real().read(file, buffer, size); }
    IoResult<std::size_t> write(FileHandle file, const char* data, std::size_t size) override {
        const auto error = fails(Call::Write); return error ? error : real().write(file, data, size); }
    IoResult<> rewind(FileHandle file) override {
        const auto error = fails(Call::Rewind); return error ? error : real().rewind(file); }
    IoResult<> truncate(FileHandle file, std::uint64_t size) override {
        const auto error = fails(Call::Truncate); return error ? error : real().truncate(file, size); }
    IoResult<> sync(FileHandle file) override {
        const auto error = fails(Call::Sync); return error ? error : real().sync(file); }
    IoResult<> setOwner(FileHandle file, std::uint32_t owner, std::uint32_t group) override {
        const auto error = fails(Call::SetOwner); return error ? error : real().setOwner(file, owner, group); }
    IoResult<> setMode(FileHandle file, std::uint32_t mode) override {
        const auto error = fails(Call::SetMode); return error ? error : real().setMode(file, mode); }
    IoResult<> copyAttributes(FileHandle from, FileHandle to) override {
        const auto error = fails(Call::CopyAttributes); return error ? error : real().copyAttributes(from, to); }
    IoResult<> rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        const auto error = fails(Call::Rename, to); return error ? error : real().rename(from, to); }
    IoResult<> remove(const std::filesystem::path& path) override {
        const auto error = fails(Call::Remove, path); return error ? error : real().remove(path); }
    IoResult<FileHandle> lockFolder(const std::filesystem::path& folder) override {
        const auto error = fails(Call::Lock, folder); return error ? error : real().lockFolder(folder); }
    void unlockFolder(FileHandle lock) override { real().unlockFolder(lock); }
    // clang-format on
    IoResult<> close(FileHandle file) override {
        // A failing close still lets go of the handle, as the system's does.
        const auto error = fails(Call::Close);
        strayCloses += openHandles.erase(file) == 0 ? 1 : 0;
        const IoResult<> closed = real().close(file);
        return error ? error : closed;
    }
    IoResult<> replace(const std::filesystem::path& target,
                       const std::filesystem::path& replacement,
                       const std::filesystem::path& backup) override {
        const auto error = fails(Call::Replace, target);
        if (error.value() == callError(Call::Replace)) {
            // What ReplaceFileW leaves when it fails so: the old file at the backup name, none at
            // its own.
            static_cast<void>(real().rename(target, backup));
        }
        return error ? error : real().replace(target, replacement, backup);
    }

private:
    static FileIo& real() { return systemFileIo(); }

    // Records the call; the error it is to fail with, or none.
    std::error_code fails(Call call, const std::filesystem::path& path = {}) {
        calls.push_back({call, pathText(path)});
        if (onCall) {
            onCall(calls.back());
        }
        const bool counted = plan_.anyKind || call == plan_.kind;
        seen_ += counted ? 1 : 0;
        if (!counted || !(seen_ == plan_.at || (plan_.always && seen_ > plan_.at))) {
            return {};
        }
        return {plan_.error ? plan_.error : callError(call), std::system_category()};
    }
    // Records the handle that a call that opens one got.
    IoResult<FileHandle> held(IoResult<FileHandle> file) {
        if (file) {
            openHandles.insert(*file);
        }
        return file;
    }

    struct Plan {
        Call kind = Call::LookAt;
        int at = 0;
        bool anyKind = false;
        bool always = false;
        Error error = 0;
    } plan_;
    int seen_ = 0;
};

} // namespace quarvel::testing_support
