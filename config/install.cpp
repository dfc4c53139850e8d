#include "config/install.h"

#include "config/atomic_write.h"
#include "config/script.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

std::string failure(std::string_view action, const fs::path& file, std::string_view reason) {
    return std::string("Could not ")
        .append(action)
        .append(" \"")
        .append(file.string())
        .append("\": ")
        .append(reason)
        .append(".");
}

// The new content of autoexec.cfg, or nothing when it already runs the script.
std::optional<std::string> autoexecWithExecLine(std::string_view current) {
    const auto lines = splitLines(current);
    if (std::find(lines.begin(), lines.end(), execLine) != lines.end()) {
        return std::nullopt;
    }
    std::string updated;
    updated.reserve(current.size() + lines.size() + 24);
    for (const auto line : lines) {
        updated.append(line).append(crlf);
    }
    updated.append(crlf).append(crlf).append(execLine).append(crlf);
    return updated;
}

// Empty on success, else the message for the user.
std::string installAutoexec(const fs::path& directory, FileIo& io) {
    const fs::path file = directory / autoexecFileName;
    std::optional<std::string> content;
    switch (pathKind(file)) {
    case PathKind::Missing:
        content = std::string(execLine).append(crlf);
        break;
    case PathKind::Other:
        return failure("update", file, "it is not a regular file");
    case PathKind::RegularFile: {
        std::string current;
        if (!io.readFile(file.string(), current)) {
            return failure("read", file, std::strerror(errno));
        }
        content = autoexecWithExecLine(current);
        break;
    }
    }
    if (content) {
        if (const auto reason = replaceFile(io, file, *content)) {
            return failure("write", file, *reason);
        }
    }
    return {};
}

std::string successMessage(const fs::path& directory) {
    return std::string("Quarvel config tweaks have been installed in ")
        .append(directory.string())
        .append("!\r\n\r\nINSTRUCTIONS:\r\nPlay CS, you do not have to start QVL anymore. If want "
                "to check if the tweaks work, open your Console in CS, it should say Quarvel "
                "loaded.");
}

} // namespace

bool FileExists(const fs::path& path) {
    return pathKind(path) == PathKind::RegularFile;
}

bool scriptExists(const fs::path& directory) {
    return FileExists(directory / scriptFileName);
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

InstallResult InstallTweaks(const fs::path& directory, std::string_view text, FileIo& io) {
    InstallResult result;
    const fs::path file = directory / scriptFileName;
    if (pathKind(file) == PathKind::Other) {
        // Found out before autoexec.cfg is touched, so a refused install changes nothing.
        result.message = failure("write", file, "it is not a regular file");
        return result;
    }
    if (std::string problem = installAutoexec(directory, io); !problem.empty()) {
        result.message = std::move(problem);
        return result;
    }
    std::string script = std::string(text).append(echoBanner());
    if (const auto reason = replaceFile(io, file, std::string(script).append(crlf))) {
        result.message = failure("write", file, *reason);
        return result;
    }
    result.installed = true;
    result.message = successMessage(directory);
    result.installedText = std::move(script);
    return result;
}

} // namespace quarvel
