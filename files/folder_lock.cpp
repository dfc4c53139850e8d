#include "files/folder_lock.h"

#include <new>
#include <thread>
#include <utility>

namespace quarvel {

namespace fs = std::filesystem;

Expected<FolderLock> FolderLock::take(FileIo& io, const fs::path& folder,
                                      std::chrono::milliseconds wait) {
    const auto until = std::chrono::steady_clock::now() + wait;
    const fs::path name = folder.empty() ? fs::path(".") : folder;
    for (;;) {
        const IoResult<FileHandle> handle = io.lockFolder(name);
        if (handle) {
            return FolderLock(io, *handle);
        }
        const std::error_code& error = handle.failure();
        if (takesNoLock(error)) {
            return FolderLock(io, std::nullopt);
        }
        if (!isBusy(error)) {
            return systemFailure(FileStep::Update, folder, error.value());
        }
        if (std::chrono::steady_clock::now() >= until) {
            return Failure{.step = FileStep::Update, .problem = FileProblem::Busy, .file = folder};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : io_(other.io_), handle_(std::exchange(other.handle_, std::nullopt)) {}

FolderLock::~FolderLock() {
    if (handle_) {
        io_->unlockFolder(*handle_);
    }
}

Expected<void> underFolderLock(FileIo& io, const fs::path& folder, FolderWork& work,
                               const ChangeGuard& guard) {
    try {
        const Expected<FolderLock> lock = FolderLock::take(io, folder);
        if (!lock) {
            return lock.failure();
        }
        Expected<void> done = work.look();
        if (done) {
            runGuarded(guard, [&] { done = work.change(); });
        }
        return done;
    } catch (const std::bad_alloc&) {
        return work.outOfMemory();
    }
}

} // namespace quarvel
