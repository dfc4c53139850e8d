#pragma once

#include "files/file_io.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

// A file opened through FileIo that closes itself: made by open() or create(), moved but never
// copied, and closed exactly once, since a second close could close a file opened meanwhile by
// another thread. Where a failed close matters, after a write, where it is a failed write, close()
// closes it at once and says how that went; otherwise it closes when it goes out of scope.
namespace quarvel {

class OpenFile {
public:
    static IoResult<OpenFile> open(FileIo& io, const std::filesystem::path& path, OpenMode mode);
    // A new file, as FileIo::create makes it.
    static IoResult<OpenFile> create(FileIo& io, const std::filesystem::path& path,
                                     std::uint32_t mode, std::uint32_t attributes);

    OpenFile(OpenFile&& other) noexcept;
    // Closes this file, if it is open, and takes the other's.
    OpenFile& operator=(OpenFile&& other) noexcept;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile();

    // Closes the file now; the system lets go of it even when closing fails. Closing a file that
    // is closed already does nothing.
    IoResult<> close();
    [[nodiscard]] bool isOpen() const { return handle_.has_value(); }
    // The system's handle, for the calls of FileIo that take one; the file must be open.
    [[nodiscard]] FileHandle handle() const { return *handle_; }

    IoResult<FileLook> look();
    // How many bytes were read, 0 only at the end of the file.
    IoResult<std::size_t> read(char* buffer, std::size_t size);
    // Every byte of `content`, or the error that kept one from the file.
    IoResult<> writeAll(std::string_view content);
    IoResult<> sync();
    // The file holds exactly `content` on the disk, written from its start and cut after it.
    IoResult<> overwrite(std::string_view content);

private:
    OpenFile(FileIo& io, FileHandle handle) : io_(&io), handle_(handle) {}

    FileIo* io_;
    std::optional<FileHandle> handle_; // nothing once it is closed
};

} // namespace quarvel
