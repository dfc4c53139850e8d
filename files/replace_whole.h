#pragma once

#include "core/failure.h"
#include "files/file_target.h"

#include <string_view>

// The first way of changing a file, and the safest: the new content goes to a new file beside it,
// which is synced, closed and then given the file's name, so that the name leads to the old
// content or to the new, whole, even after a power cut. It fits a file whose every name and every
// fact a new file can take over; each system decides that, and the calls it takes, in its own way
// (replace_whole_posix.cpp, replace_whole_windows.cpp). Other files are updated in place.
namespace quarvel {

class ReplaceWhole {
public:
    explicit ReplaceWhole(FileTarget& file) : file_(file) {}

    // Whether a new file may take the existing one's place.
    [[nodiscard]] static Expected<bool> fits(const FileTarget& file);

    // Puts a new file holding `content` in the file's place, or makes it. False when the new file
    // turned out unable to carry over what the old one has: nothing was changed, and the file is
    // to be updated in place instead.
    [[nodiscard]] Expected<bool> write(std::string_view content);

private:
    FileTarget& file_;
};

} // namespace quarvel
