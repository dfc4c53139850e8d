#pragma once

#include "core/expected.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <system_error>

// The system calls that reading and safely replacing a player's file take, behind one interface
// (FileIo, and systemFileIo() for the real ones) so that tests can make any one of them fail.
// A call that fails gives the system's error in the system category, errno on Linux and the Win32
// error code on Windows. Each system has its own implementation (file_io_posix.cpp,
// file_io_windows.cpp); a call that only the other system's rules take fails with "not
// supported".
namespace quarvel {

// An open file: a descriptor on Linux, a HANDLE on Windows.
enum class FileHandle : std::intptr_t {};

enum class FileKind {
    Regular,
    Link,       // a symbolic link (on Windows also a junction), not what it leads to
    FolderLink, // Windows: a link that stands for a folder
    Folder,
    Other, // a FIFO, device, socket or console
};

// What the system tells of a name or of an open file.
struct FileLook {
    FileKind kind = FileKind::Other;
    std::uint64_t device = 0; // the file system, or the volume
    std::uint64_t index = 0;  // the file's number on it
    std::uint64_t size = 0;
    std::uint64_t links = 1;
    std::uint32_t owner = 0; // Linux: the owner's and group's IDs, and st_mode
    std::uint32_t group = 0;
    std::uint32_t mode = 0;
    std::uint32_t attributes = 0; // Windows: FILE_ATTRIBUTE_*
};

enum class OpenMode {
    Read,        // reading the file itself: on Linux a link at the name is not followed
    ReadThrough, // reading what the name leads to: a config the player picked
    Write,       // writing in place; others may read meanwhile
    Check,       // Windows: writing and deleting, opened and closed to find out whether it may be
    Folder,      // a folder, to sync the names changed in it
};

// What a system call gives: its value, or the system's error.
template <typename T = void> using IoResult = Expected<T, std::error_code>;

class FileIo {
public:
    virtual ~FileIo() = default;

    // What stands at a name, not what a link there leads to (lstat; on Windows
    // FILE_FLAG_OPEN_REPARSE_POINT).
    virtual IoResult<FileLook> lookAt(const std::filesystem::path& path) = 0;
    // The owner of the name itself, and the user the program runs as: on Windows SIDs in text
    // ("S-1-5-32-544"), on Linux user IDs.
    virtual IoResult<std::string> ownerOf(const std::filesystem::path& path) = 0;
    virtual IoResult<std::string> currentUser() = 0;
    // Where a symbolic link or junction leads, as written in it.
    virtual IoResult<std::filesystem::path> readLink(const std::filesystem::path& path) = 0;
    // faccessat(W_OK, AT_EACCESS): whether the effective user may write to the path.
    virtual IoResult<> mayWrite(const std::filesystem::path& path) = 0;

    // The handles these give are closed by close(); OpenFile (open_file.h) does so by itself.
    virtual IoResult<FileHandle> open(const std::filesystem::path& path, OpenMode mode) = 0;
    // A new file for writing, never one that is there already nor through a link: with the
    // permission bits `mode` that the umask leaves (Linux) or the FILE_ATTRIBUTE_* `attributes`
    // (Windows), shared with nobody.
    virtual IoResult<FileHandle> create(const std::filesystem::path& path, std::uint32_t mode,
                                        std::uint32_t attributes) = 0;
    virtual IoResult<FileLook> look(FileHandle file) = 0;
    // How many bytes were read, 0 only at the end of the file; a write writes at least a byte or
    // fails.
    virtual IoResult<std::size_t> read(FileHandle file, char* buffer, std::size_t size) = 0;
    virtual IoResult<std::size_t> write(FileHandle file, const char* data, std::size_t size) = 0;
    virtual IoResult<> rewind(FileHandle file) = 0;
    virtual IoResult<> truncate(FileHandle file, std::uint64_t size) = 0;
    // What was written is on the disk (fsync, FlushFileBuffers).
    virtual IoResult<> sync(FileHandle file) = 0;
    // The handle is let go of even when closing fails.
    virtual IoResult<> close(FileHandle file) = 0;

    // Linux: the owner and group, the permission bits, and the ACL entries and extended
    // attributes of one open file given to another.
    virtual IoResult<> setOwner(FileHandle file, std::uint32_t owner, std::uint32_t group) = 0;
    virtual IoResult<> setMode(FileHandle file, std::uint32_t mode) = 0;
    virtual IoResult<> copyAttributes(FileHandle from, FileHandle to) = 0;

    // Gives `from` the name `to`, replacing what is there (rename; MoveFileExW written through).
    virtual IoResult<> rename(const std::filesystem::path& from,
                              const std::filesystem::path& to) = 0;
    // Windows, ReplaceFileW: `replacement` takes `target`'s name, ACL and streams; the old file
    // goes to `backup`.
    virtual IoResult<> replace(const std::filesystem::path& target,
                               const std::filesystem::path& replacement,
                               const std::filesystem::path& backup) = 0;
    virtual IoResult<> remove(const std::filesystem::path& path) = 0;

    // Holds the folder, without waiting, so that two runs of Quarvel change a game folder one
    // after the other (flock on the folder on Linux, a named mutex for its path on Windows); it
    // leaves nothing behind. isBusy() while another process holds it.
    virtual IoResult<FileHandle> lockFolder(const std::filesystem::path& folder) = 0;
    virtual void unlockFolder(FileHandle lock) = 0;
};

// The real system calls.
FileIo& systemFileIo();

// Whether `error` is one of the system's own `codes`: errno values on Linux, Win32 error codes on
// Windows.
inline bool isSystemError(const std::error_code& error, std::initializer_list<int> codes) {
    return error.category() == std::system_category() &&
           std::find(codes.begin(), codes.end(), error.value()) != codes.end();
}

// What an error of these calls means where the code above them decides by it; each system
// answers for its own codes.
bool isMissing(const std::error_code& error);   // nothing stands at the name
bool isTaken(const std::error_code& error);     // a new file's name is taken
bool isNoFile(const std::error_code& error);    // a socket, which cannot be opened at all
bool isInUse(const std::error_code& error);     // another program holds the file without sharing
bool isRefused(const std::error_code& error);   // no new file may be made in that folder
bool isBusy(const std::error_code& error);      // another process holds the folder
bool takesNoLock(const std::error_code& error); // the folder cannot be held: nothing to wait for

} // namespace quarvel
