#pragma once

#include "config/file_io.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Installing the script into a game directory: quarvel.cfg, and the exec line in autoexec.cfg.
namespace quarvel {

// True when an ordinary file exists at the path (a directory does not count).
bool FileExists(const std::filesystem::path& path);

// An install asks before it replaces a script that is already there.
bool scriptExists(const std::filesystem::path& directory);

struct InstallResult {
    bool installed = false;
    std::string message;       // the success message, or what failed and why
    std::string installedText; // the script with its echo banner, as written
};

// Makes autoexec.cfg in the directory run the script, then writes the script with its echo
// banner as quarvel.cfg. Either file is replaced whole or not at all; on a failure nothing more
// is written and the message names the file and the reason.
InstallResult InstallTweaks(const std::filesystem::path& directory, std::string_view text,
                            FileIo& io = systemFileIo());

// The lines of a text; CR LF, LF and CR all end a line, and a last line end adds no empty line.
std::vector<std::string_view> splitLines(std::string_view text);

} // namespace quarvel
