#include "files/open_file.h"

#include <utility>

namespace quarvel {

IoResult<OpenFile> OpenFile::open(FileIo& io, const std::filesystem::path& path, OpenMode mode) {
    const IoResult<FileHandle> handle = io.open(path, mode);
    if (!handle) {
        return handle.failure();
    }
    return OpenFile(io, *handle);
}

IoResult<OpenFile> OpenFile::create(FileIo& io, const std::filesystem::path& path,
                                    std::uint32_t mode, std::uint32_t attributes) {
    const IoResult<FileHandle> handle = io.create(path, mode, attributes);
    if (!handle) {
        return handle.failure();
    }
    return OpenFile(io, *handle);
}

OpenFile::OpenFile(OpenFile&& other) noexcept
    : io_(other.io_), handle_(std::exchange(other.handle_, std::nullopt)) {}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
    if (this != &other) {
        static_cast<void>(close());
        io_ = other.io_;
        handle_ = std::exchange(other.handle_, std::nullopt);
    }
    return *this;
}

OpenFile::~OpenFile() {
    static_cast<void>(close()); // where a failed close matters, close() was called and said so
}

IoResult<> OpenFile::close() {
    if (!handle_) {
        return {};
    }
    return io_->close(*std::exchange(handle_, std::nullopt));
}

IoResult<FileLook> OpenFile::look() {
    return io_->look(*handle_);
}

IoResult<std::size_t> OpenFile::read(char* buffer, std::size_t size) {
    return io_->read(*handle_, buffer, size);
}

IoResult<> OpenFile::writeAll(std::string_view content) {
    for (std::size_t written = 0; written < content.size();) {
        const IoResult<std::size_t> count =
            io_->write(*handle_, content.data() + written, content.size() - written);
        if (!count) {
            return count.failure();
        }
        written += *count;
    }
    return {};
}

IoResult<> OpenFile::sync() {
    return io_->sync(*handle_);
}

IoResult<> OpenFile::overwrite(std::string_view content) {
    IoResult<> done = io_->rewind(*handle_);
    done = done ? writeAll(content) : done;
    done = done ? io_->truncate(*handle_, content.size()) : done;
    return done ? sync() : done;
}

} // namespace quarvel
