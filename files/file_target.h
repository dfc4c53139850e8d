#pragma once

#include "core/failure.h"
#include "files/file_io.h"

#include <filesystem>
#include <optional>
#include <system_error>

// The file a change lands in, as GameFile found it by looking at it: what the two ways of
// changing a file, ReplaceWhole and UpdateInPlace, work on.
namespace quarvel {

struct FileTarget {
    FileIo* io;
    std::filesystem::path path;   // as the player names it
    std::filesystem::path target; // the file a write lands in, links followed
    FileStep step;                // what failures of looking at it are told as
    bool exists = false;          // a regular file is there, at the name or at the end of its links
    FileLook facts{};             // what the system tells of that file, when it exists
    // After a change that was done: the safety copy of the old content that could not be deleted
    // (FileProblem::CopyLeft). The file itself is whole; the copy is only in the way.
    std::optional<Failure> leftCopy{};

    [[nodiscard]] Failure failedWrite(std::error_code error) const;
    // A change whose folder could not be synced afterwards: it is made, but may not last.
    [[nodiscard]] Failure failedSync(const std::filesystem::path& folder,
                                     std::error_code error) const;
    // Deletes a safety copy that is no longer needed, noting it in leftCopy when it stays.
    void dropCopy(const std::filesystem::path& copy);
};

// A failure of a file call: the system's reason, or "in use" for a file another program holds.
Failure fileFailure(FileStep step, const std::filesystem::path& file, std::error_code error);

// Makes the names changed in a folder last through a power cut, where the system can; each
// system's own (game_file_posix.cpp, game_file_windows.cpp).
IoResult<> syncFolder(FileIo& io, const std::filesystem::path& folder);

} // namespace quarvel
