#include "config/folder_lock.h"

#include <cerrno>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quarvel {

namespace fs = std::filesystem;

Expected<FolderLock> FolderLock::take(FileIo& io, const fs::path& folder,
                                      std::chrono::milliseconds wait) {
    const auto until = std::chrono::steady_clock::now() + wait;
    const fs::path name = folder.empty() ? fs::path(".") : folder;
    for (;;) {
        FolderLockHandle handle{};
#ifdef _WIN32
        const unsigned long error = io.lockFolder(name, handle);
        if (error == 0) {
            return FolderLock(io, handle, true);
        }
        const bool busy = error == ERROR_LOCK_VIOLATION;
        const bool unsupported = false;
#else
        handle = io.lockFolder(name.string());
        if (handle >= 0) {
            return FolderLock(io, handle, true);
        }
        const int error = errno;
        const bool busy = error == EWOULDBLOCK || error == EAGAIN;
        // Some network file systems take no lock on a folder: there is nothing to hold there. A
        // folder that is not there has nothing to hold either; the change says so in its words.
        const bool unsupported = error == ENOLCK || error == EOPNOTSUPP || error == ENOTSUP ||
                                 error == EINVAL || error == EBADF || error == ENOENT ||
                                 error == ENOTDIR;
#endif
        if (unsupported) {
            return FolderLock(io, handle, false);
        }
        if (!busy) {
            return systemFailure(FileStep::Update, folder, static_cast<int>(error));
        }
        if (std::chrono::steady_clock::now() >= until) {
            return Failure{.step = FileStep::Update, .problem = FileProblem::Busy, .file = folder};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : io_(other.io_), handle_(other.handle_), held_(other.held_) {
    other.held_ = false;
}

FolderLock::~FolderLock() {
    if (held_) {
        io_->unlockFolder(handle_);
    }
}

} // namespace quarvel
