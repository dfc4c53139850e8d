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

    std::error_code lookAt(const std::filesystem::path& path, FileLook& info) override {
        if (const auto error = fails(Call::LookAt, path)) {
            return error;
        }
        const auto error = real().lookAt(path, info);
        if (!error && links.count(key(path)) != 0) {
            info.kind = FileKind::Link;
        }
        return error;
    }
    std::error_code ownerOf(const std::filesystem::path& path, std::string& owner) override {
        if (const auto error = fails(Call::OwnerOf, path)) {
            return error;
        }
        const auto link = links.find(key(path));
        if (link == links.end() || link->second.owner.empty()) {
            return real().currentUser(owner);
        }
        owner = link->second.owner;
        return {};
    }
    std::error_code readLink(const std::filesystem::path& path,
                             std::filesystem::path& target) override {
        if (const auto error = fails(Call::ReadLink, path)) {
            return error;
        }
        const auto link = links.find(key(path));
        if (link == links.end()) {
            return real().readLink(path, target);
        }
        target = link->second.target;
        return {};
    }
    // clang-format off
    std::error_code currentUser(std::string& user) override {
        const auto error = fails(Call::CurrentUser); return error ? error : real().currentUser(user); }
    std::error_code mayWrite(const std::filesystem::path& path) override {
        const auto error = fails(Call::MayWrite, path); return error ? error : real().mayWrite(path); }
    std::error_code open(const std::filesystem::path& path, OpenMode mode, FileHandle& file) override {
        const auto error = fails(Call::Open, path); return error ? error : held(file, real().open(path, mode, file)); }
    std::error_code create(const std::filesystem::path& path, std::uint32_t mode, std::uint32_t attributes, FileHandle& file) override {
        const auto error = fails(Call::Create, path); return error ? error : held(file, real().create(path, mode, attributes, file)); }
    std::error_code look(FileHandle file, FileLook& info) override {
        const auto error = fails(Call::Look); return error ? error : real().look(file, info); }
    std::error_code read(FileHandle file, char* buffer, std::size_t size, std::size_t& got) override {
        const auto error = fails(Call::Read); return error ? error : real().read(file, buffer, size, got); }
    std::error_code write(FileHandle file, const char* data, std::size_t size, std::size_t& written) override {
        const auto error = fails(Call::Write); return error ? error : real().write(file, data, size, written); }
    std::error_code rewind(FileHandle file) override {
        const auto error = fails(Call::Rewind); return error ? error : real().rewind(file); }
    std::error_code truncate(FileHandle file, std::uint64_t size) override {
        const auto error = fails(Call::Truncate); return error ? error : real().truncate(file, size); }
    std::error_code sync(FileHandle file) override {
        const auto error = fails(Call::Sync); return error ? error : real().sync(file); }
    std::error_code setOwner(FileHandle file, std::uint32_t owner, std::uint32_t group) override {
        const auto error = fails(Call::SetOwner); return error ? error : real().setOwner(file, owner, group); }
    std::error_code setMode(FileHandle file, std::uint32_t mode) override {
        const auto error = fails(Call::SetMode); return error ? error : real().setMode(file, mode); }
    std::error_code copyAttributes(FileHandle from, FileHandle to) override {
        const auto error = fails(Call::CopyAttributes); return error ? error : real().copyAttributes(from, to); }
    std::error_code rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        const auto error = fails(Call::Rename, to); return error ? error : real().rename(from, to); }
    std::error_code remove(const std::filesystem::path& path) override {
        const auto error = fails(Call::Remove, path); return error ? error : real().remove(path); }
    std::error_code lockFolder(const std::filesystem::path& folder, FileHandle& lock) override {
        const auto error = fails(Call::Lock, folder); return error ? error : real().lockFolder(folder, lock); }
    void unlockFolder(FileHandle lock) override { real().unlockFolder(lock); }
    // clang-format on
    std::error_code close(FileHandle file) override {
        // A failing close still lets go of the handle, as the system's does.
        const auto error = fails(Call::Close);
        strayCloses += openHandles.erase(file) == 0 ? 1 : 0;
        const auto closed = real().close(file);
        return error ? error : closed;
    }
    std::error_code replace(const std::filesystem::path& target,
                            const std::filesystem::path& replacement,
                            const std::filesystem::path& backup) override {
        const auto error = fails(Call::Replace, target);
        if (error.value() == callError(Call::Replace)) {
            // What ReplaceFileW leaves when it fails so: the old file at the backup name, none at
            // its own.
            real().rename(target, backup);
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
    std::error_code held(const FileHandle& file, std::error_code error) {
        if (!error) {
            openHandles.insert(file);
        }
        return error;
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
