#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// The Win32 calls that reading and safely replacing a player's file take, behind an interface so
// that tests can make any one of them fail. Every call returns 0 or the Win32 error code that
// GetLastError gave. Paths are wide, as Windows' own are.
namespace quarvel {

// An open file: a Win32 HANDLE.
using FileHandle = void*;

// What the system tells of a name or of an open file.
struct FileLook {
    std::uint32_t attributes = 0; // FILE_ATTRIBUTE_*
    std::uint32_t reparseTag = 0; // of a reparse point: what kind it is (IO_REPARSE_TAG_*)
    std::uint64_t volume = 0;
    std::uint64_t index = 0; // the file's number on its volume
    std::uint64_t size = 0;
    std::uint64_t links = 1;
    bool onDisk = true; // a file on a disk, not a device, pipe or console
};

enum class Access {
    Read,  // reading; others may read, write and delete meanwhile
    Write, // writing in place; others may read meanwhile
    Check, // writing and deleting, opened and closed at once to find out whether the file may be
};

class FileIo {
public:
    virtual ~FileIo() = default;

    // The name itself, not what a reparse point there leads to (FILE_FLAG_OPEN_REPARSE_POINT).
    virtual unsigned long lookAt(const std::filesystem::path& path, FileLook& info) = 0;
    // The owner of the name itself, as a SID in text ("S-1-5-32-544").
    virtual unsigned long ownerOf(const std::filesystem::path& path, std::wstring& sid) = 0;
    // The user the program runs as, as a SID in text.
    virtual unsigned long currentUser(std::wstring& sid) = 0;
    // Where a symbolic link or junction leads, as written in it.
    virtual unsigned long readLink(const std::filesystem::path& path,
                                   std::filesystem::path& target) = 0;

    // CreateFileW of an existing file.
    virtual unsigned long open(const std::filesystem::path& path, Access access,
                               FileHandle& file) = 0;
    // CreateFileW of a new file (CREATE_NEW) for writing, shared with nobody.
    virtual unsigned long create(const std::filesystem::path& path, std::uint32_t attributes,
                                 FileHandle& file) = 0;
    virtual unsigned long look(FileHandle file, FileLook& info) = 0;
    virtual unsigned long read(FileHandle file, char* buffer, std::size_t size,
                               std::size_t& got) = 0;
    virtual unsigned long write(FileHandle file, const char* data, std::size_t size,
                                std::size_t& written) = 0;
    virtual unsigned long rewind(FileHandle file) = 0;
    // SetEndOfFile: the file ends where the last write ended.
    virtual unsigned long truncate(FileHandle file) = 0;
    // FlushFileBuffers: what was written is on the disk.
    virtual unsigned long flush(FileHandle file) = 0;
    virtual unsigned long close(FileHandle file) = 0;

    // ReplaceFileW: `replacement` takes `target`'s name, ACL and streams; the old file goes to
    // `backup`.
    virtual unsigned long replace(const std::filesystem::path& target,
                                  const std::filesystem::path& replacement,
                                  const std::filesystem::path& backup) = 0;
    // MoveFileExW(MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH).
    virtual unsigned long move(const std::filesystem::path& from,
                               const std::filesystem::path& to) = 0;
    // DeleteFileW.
    virtual unsigned long remove(const std::filesystem::path& path) = 0;

    // A named mutex for the folder's full path, taken without waiting, so that two runs of
    // Quarvel change a game folder one after the other: 0 and its handle, or
    // ERROR_LOCK_VIOLATION while another process holds it. It leaves nothing behind.
    virtual unsigned long lockFolder(const std::filesystem::path& folder, FileHandle& lock) = 0;
    virtual void unlockFolder(FileHandle lock) = 0;
};

// The real Win32 calls.
FileIo& systemFileIo();

} // namespace quarvel
