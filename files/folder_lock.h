#pragma once

#include "core/failure.h"
#include "files/file_io.h"

#include <chrono>
#include <filesystem>
#include <optional>

// One Quarvel at a time in a game folder: an install, an uninstall and a check each hold the
// folder while they run, so that two of them at the same moment happen one after the other and
// neither reads or leaves the other's change half-made.
namespace quarvel {

class FolderLock {
public:
    // How long a run waits for another one to finish before it gives up.
    static constexpr std::chrono::milliseconds patience{3000};

    // Holds the folder, waiting while another Quarvel does; FileProblem::Busy when it waited in
    // vain. On a file system that knows no locks there is nothing to hold, and nothing is waited
    // for.
    static Expected<FolderLock> take(FileIo& io, const std::filesystem::path& folder,
                                     std::chrono::milliseconds wait = patience);

    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&&) = delete;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

private:
    FolderLock(FileIo& io, std::optional<FileHandle> handle) : io_(&io), handle_(handle) {}

    FileIo* io_;
    std::optional<FileHandle> handle_; // nothing where the folder takes no lock
};

} // namespace quarvel
