#include "config/install.h"

#include "config/game_file.h"
#include "config/script.h"

#include <new>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

bool runsScript(std::string_view autoexec) {
    bool found = false;
    forEachLine(autoexec, [&](std::string_view line) {
        found = line == execLine;
        return !found;
    });
    return found;
}

// The player's lines in their order, each ended by CR LF, then two empty lines and the exec
// line. Built in one piece of about the file's size: a large autoexec.cfg takes twice its size.
std::string withExecLine(std::string_view autoexec) {
    std::size_t lines = 0;
    forEachLine(autoexec, [&](std::string_view) { return ++lines, true; });
    std::string updated;
    updated.reserve(autoexec.size() + lines + 4 * crlf.size() + execLine.size());
    forEachLine(autoexec, [&](std::string_view line) {
        updated.append(line).append(crlf);
        return true;
    });
    updated.append(crlf).append(crlf).append(execLine).append(crlf);
    return updated;
}

Outcome install(const fs::path& directory, std::string_view text, FileIo& io,
                std::string& installedText) {
    // Everything is looked at first; nothing is written until every file has passed.
    auto autoexec = GameFile::look(io, directory / autoexecFileName, FileStep::Update);
    if (!autoexec) {
        return autoexec.failure();
    }
    std::optional<std::string> newAutoexec;
    if (!autoexec->exists()) {
        newAutoexec = std::string(execLine).append(crlf);
    } else {
        const Expected<std::string> current = autoexec->read();
        if (!current) {
            return current.failure();
        }
        if (!runsScript(*current)) {
            try {
                newAutoexec = withExecLine(*current);
            } catch (const std::bad_alloc&) {
                return Failure{.step = FileStep::Update,
                               .problem = FileProblem::OutOfMemory,
                               .file = autoexec->path()};
            }
        }
    }
    auto script = GameFile::look(io, directory / scriptFileName, FileStep::Write);
    if (!script) {
        return script.failure();
    }
    if (newAutoexec) {
        if (Outcome refused = autoexec->checkWritable()) {
            return refused;
        }
    }
    if (Outcome refused = script->checkWritable()) {
        return refused;
    }

    if (newAutoexec) {
        if (Outcome failed = autoexec->replace(*newAutoexec)) {
            return failed;
        }
        newAutoexec.reset(); // a large file is not held twice while the script is written
    }
    std::string installed = std::string(text).append(echoBanner());
    if (Outcome failed = script->replace(std::string(installed).append(crlf))) {
        return failed;
    }
    installedText = std::move(installed);
    return std::nullopt;
}

} // namespace

bool scriptExists(const fs::path& directory, FileIo& io) {
    const auto script = GameFile::look(io, directory / scriptFileName, FileStep::Write);
    return script && script->named();
}

void forEachLine(std::string_view text, const std::function<bool(std::string_view)>& line) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            line(text.substr(start));
            return;
        }
        if (!line(text.substr(start, end - start))) {
            return;
        }
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
}

InstallResult InstallTweaks(const fs::path& directory, std::string_view text, FileIo& io) {
    InstallResult result;
    const HeldSignals held; // a Ctrl-C now waits until both files are whole
    try {
        result.failure = install(directory, text, io, result.installedText);
    } catch (const std::bad_alloc&) {
        result.failure = Failure{.step = FileStep::Write,
                                 .problem = FileProblem::OutOfMemory,
                                 .file = directory / scriptFileName};
        result.installedText.clear();
    }
    return result;
}

std::string installedMessage(const fs::path& directory) {
    std::string message(installedText);
    return message.replace(message.find("%1"), 2, pathText(directory));
}

} // namespace quarvel
