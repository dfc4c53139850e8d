#include "files/folder_lock.h"

#include <thread>

namespace quarvel {

namespace fs = std::filesystem;

Expected<FolderLock> FolderLock::take(FileIo& io, const fs::path& folder,
                                      std::chrono::milliseconds wait) {
    const auto until = std::chrono::steady_clock::now() + wait;
    const fs::path name = folder.empty() ? fs::path(".") : folder;
    for (;;) {
        FileHandle handle{};
        const std::error_code error = io.lockFolder(name, handle);
        if (!error) {
            return FolderLock(io, handle, true);
        }
        if (takesNoLock(error)) {
            return FolderLock(io, handle, false);
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
    : io_(other.io_), handle_(other.handle_), held_(other.held_) {
    other.held_ = false;
}

FolderLock::~FolderLock() {
    if (held_) {
        io_->unlockFolder(handle_);
    }
}

} // namespace quarvel
