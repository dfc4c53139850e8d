#pragma once

#include "core/failure.h"
#include "files/change_guard.h"
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

// What a run of Quarvel does in a game folder while it holds it: an install, an uninstall, the
// userconfig.cfg hook, a check.
class FolderWork {
public:
    virtual ~FolderWork() = default;

    // Reads what the work needs, and changes nothing.
    virtual Expected<void> look() = 0;
    // Writes, once look() has passed.
    virtual Expected<void> change() { return {}; }
    // What running out of memory during the work is told as.
    [[nodiscard]] const Failure& outOfMemory() const { return outOfMemory_; }

protected:
    // Running out of memory is told as a failure of `step` on `file`.
    FolderWork(FileStep step, std::filesystem::path file)
        : outOfMemory_{.step = step, .problem = FileProblem::OutOfMemory, .file = std::move(file)} {
    }

private:
    Failure outOfMemory_;
};

// Holds `folder` against another Quarvel (FolderLock::take) while `work` looks and then changes,
// the change inside `guard`, where the programs hold Ctrl-C and the like so that it runs to its
// end; lets the folder go before it returns. Running out of memory is a failure like any other.
Expected<void> underFolderLock(FileIo& io, const std::filesystem::path& folder, FolderWork& work,
                               const ChangeGuard& guard = {});

} // namespace quarvel
