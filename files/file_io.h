#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

// The system calls that reading and safely replacing a player's file take, behind one interface
// (FileIo, and systemFileIo() for the real ones) so that tests can make any one of them fail.
// Every call returns the system's error in the system category, errno on Linux and the Win32
// error code on Windows, and an empty error_code when it succeeded. Each system has its own
// implementation (file_io_posix.cpp, file_io_windows.cpp); a call that only the other system's
// rules take fails with "not supported".
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

class FileIo {
public:
    virtual ~FileIo() = default;

    // What stands at a name, not what a link there leads to (lstat; on Windows
    // FILE_FLAG_OPEN_REPARSE_POINT).
    virtual std::error_code lookAt(const std::filesystem::path& path, FileLook& info) = 0;
    // The owner of the name itself, and the user the program runs as: on Windows SIDs in text
    // ("S-1-5-32-544"), on Linux user IDs.
    virtual std::error_code ownerOf(const std::filesystem::path& path, std::string& owner) = 0;
    virtual std::error_code currentUser(std::string& user) = 0;
    // Where a symbolic link or junction leads, as written in it.
    virtual std::error_code readLink(const std::filesystem::path& path,
                                     std::filesystem::path& target) = 0;
    // faccessat(W_OK, AT_EACCESS): whether the effective user may write to the path.
    virtual std::error_code mayWrite(const std::filesystem::path& path) = 0;

    virtual std::error_code open(const std::filesystem::path& path, OpenMode mode,
                                 FileHandle& file) = 0;
    // A new file for writing, never one that is there already nor through a link: with the
    // permission bits `mode` that the umask leaves (Linux) or the FILE_ATTRIBUTE_* `attributes`
    // (Windows), shared with nobody.
    virtual std::error_code create(const std::filesystem::path& path, std::uint32_t mode,
                                   std::uint32_t attributes, FileHandle& file) = 0;
    virtual std::error_code look(FileHandle file, FileLook& info) = 0;
    // `got` is 0 only at the end of the file; a write writes at least a byte or fails.
    virtual std::error_code read(FileHandle file, char* buffer, std::size_t size,
                                 std::size_t& got) = 0;
    virtual std::error_code write(FileHandle file, const char* data, std::size_t size,
                                  std::size_t& written) = 0;
    virtual std::error_code rewind(FileHandle file) = 0;
    virtual std::error_code truncate(FileHandle file, std::uint64_t size) = 0;
    // What was written is on the disk (fsync, FlushFileBuffers).
    virtual std::error_code sync(FileHandle file) = 0;
    // The handle is let go of even when closing fails.
    virtual std::error_code close(FileHandle file) = 0;

    // Linux: the owner and group, the permission bits, and the ACL entries and extended
    // attributes of one open file given to another.
    virtual std::error_code setOwner(FileHandle file, std::uint32_t owner, std::uint32_t group) = 0;
    virtual std::error_code setMode(FileHandle file, std::uint32_t mode) = 0;
    virtual std::error_code copyAttributes(FileHandle from, FileHandle to) = 0;

    // Gives `from` the name `to`, replacing what is there (rename; MoveFileExW written through).
    virtual std::error_code rename(const std::filesystem::path& from,
                                   const std::filesystem::path& to) = 0;
    // Windows, ReplaceFileW: `replacement` takes `target`'s name, ACL and streams; the old file
    // goes to `backup`.
    virtual std::error_code replace(const std::filesystem::path& target,
                                    const std::filesystem::path& replacement,
                                    const std::filesystem::path& backup) = 0;
    virtual std::error_code remove(const std::filesystem::path& path) = 0;

    // Holds the folder, without waiting, so that two runs of Quarvel change a game folder one
    // after the other (flock on the folder on Linux, a named mutex for its path on Windows); it
    // leaves nothing behind. isBusy() while another process holds it.
    virtual std::error_code lockFolder(const std::filesystem::path& folder, FileHandle& lock) = 0;
    virtual void unlockFolder(FileHandle lock) = 0;
};

// The real system calls.
FileIo& systemFileIo();

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
