#pragma once

#include "core/failure.h"
#include "files/file_target.h"
#include "files/open_file.h"

#include <filesystem>
#include <string_view>

// The second way of changing a file, for one that a new file cannot take the place of (another
// hard link to it, an owner the player cannot give a new file): the way careful editors write such
// a file. A synced copy of the old content is made first, then the new content is written over the
// old, and the old content is put back if that fails. Only when that fails too is the copy left,
// and the failure says where it is (FileProblem::OldContentKept).
namespace quarvel {

class UpdateInPlace {
public:
    explicit UpdateInPlace(FileTarget& file) : file_(file) {}

    // Writes `content` over the file, which holds `old` now.
    [[nodiscard]] Expected<void> write(std::string_view old, std::string_view content);

private:
    [[nodiscard]] Expected<std::filesystem::path> keepCopy(std::string_view old);
    // Puts `old` back, through a fresh handle if `file` is closed; whether that was done.
    bool putBack(OpenFile& file, std::string_view old);
    // Where a copy of the old content goes when the file's own folder takes no new file: in the
    // folder for temporary files. Empty when there is none (TMPDIR naming a missing folder, say).
    [[nodiscard]] std::filesystem::path elsewhere() const;

    FileTarget& file_;
};

} // namespace quarvel
