#include "config/atomic_write.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

// The file a write to path really lands in: symbolic links are followed, even dangling ones.
fs::path writeTarget(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            return path;
        }
        const fs::path link = fs::read_symlink(path, error);
        if (error) {
            return path;
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

mode_t defaultFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

PathKind pathKind(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return PathKind::Missing; // creating it will tell why it cannot be there
    }
    return S_ISREG(info.st_mode) ? PathKind::RegularFile : PathKind::Other;
}

std::optional<std::string> replaceFile(FileIo& io, const fs::path& path, std::string_view content) {
    const fs::path target = writeTarget(path);
    mode_t mode = defaultFileMode();
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            return "it is not a regular file";
        }
        mode = info.st_mode & 07777;
    }

    // Beside the target, so the rename never crosses a file system.
    std::string temp =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = io.createTemp(temp);
    if (fd < 0) {
        return systemReason(errno);
    }
    const auto fail = [&](int error, bool open) {
        if (open) {
            io.close(fd);
        }
        io.remove(temp);
        return systemReason(error);
    };

    if (io.chmod(fd, mode) != 0) {
        return fail(errno, true);
    }
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = io.write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            // A write that makes no progress is as bad as one that fails.
            return fail(n < 0 ? errno : EIO, true);
        }
        written += static_cast<std::size_t>(n);
    }
    if (io.sync(fd) != 0) {
        return fail(errno, true);
    }
    if (io.close(fd) != 0) {
        return fail(errno, false);
    }
    if (io.rename(temp, target.string()) != 0) {
        return fail(errno, false);
    }
    return std::nullopt;
}

} // namespace quarvel
