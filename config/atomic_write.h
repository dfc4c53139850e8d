#pragma once

#include "config/file_io.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quarvel {

// What is at a path, following symbolic links.
enum class PathKind { Missing, RegularFile, Other };
PathKind pathKind(const std::filesystem::path& path);

// Replaces the whole content of the file at path, or leaves the file as it was: the content goes
// into a temporary file beside it, which is synced and then renamed over it. A symbolic link
// stays and its target gets the content; a replaced file keeps its permission bits. Something
// that exists but is not a regular file is never replaced. Returns the reason on failure.
std::optional<std::string> replaceFile(FileIo& io, const std::filesystem::path& path,
                                       std::string_view content);

} // namespace quarvel
