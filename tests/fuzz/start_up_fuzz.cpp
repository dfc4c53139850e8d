// A handful of configs through the check's start-up, served from memory by a FileIo that fails
// every write. The bytes up to a line "==> NAME <==" are autoexec.cfg, and each such line begins
// the file NAME ("NAME/" a folder, "NAME -> TARGET" a link), sixteen at most. The reading must stay
// within its limits, read no file twice and write nothing; the check must show no control
// character and never call an empty or missing quarvel.cfg held. Anything else aborts, with what
// went wrong on standard error.

#include "config/check.h"
#include "config/start_up.h"
#include "fuzz_target.h"
#include "support/memory_io.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace quarvel;
using testing_support::MemoryIo;

namespace {

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "check's start-up: %s\n", what.c_str());
    std::abort();
}

struct Folder {
    std::vector<std::pair<std::string, std::string>> files; // name, content; "NAME/", "A -> B"
};

Folder foldersOf(std::string_view bytes) {
    Folder folder{{{"autoexec.cfg", ""}}};
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (folder.files.size() < 17 && line.starts_with("==> ") && line.ends_with(" <==") &&
            line.size() > 8) {
            folder.files.emplace_back(std::string(line.substr(4, line.size() - 8)), "");
        } else {
            folder.files.back().second.append(line).append(end == std::string_view::npos ? ""
                                                                                         : "\n");
        }
    }
    return folder;
}

MemoryIo served(const Folder& folder, const std::filesystem::path& path) {
    MemoryIo io(path);
    for (const auto& [name, content] : folder.files) {
        const std::size_t arrow = name.find(" -> ");
        if (arrow != std::string::npos) {
            io.link(name.substr(0, arrow), name.substr(arrow + 4));
        } else if (name.ends_with('/')) {
            io.folder(name.substr(0, name.size() - 1));
        } else {
            io.file(name, content);
        }
    }
    return io;
}

// Whether quarvel.cfg is not there, or is a file or folder that sets nothing: a script served
// through a link is left to the check.
bool setsNothing(const Folder& folder) {
    for (const auto& [name, content] : folder.files) {
        const std::string entry = name.substr(0, name.find(" -> "));
        if (std::filesystem::path(entry).lexically_normal() == "quarvel.cfg" &&
            (entry != name || !settingsOf(content).empty())) {
            return false;
        }
    }
    return true;
}

void checkReading(const MemoryIo& io, const char* what) {
    if (io.writes != 0) {
        fail(std::string(what) + " tried to write");
    }
    for (const auto& [file, opens] : io.opens) {
        if (opens > 1) {
            fail(std::string(what) + " read " + file + " " + std::to_string(opens) + " times");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Folder folder = foldersOf({reinterpret_cast<const char*>(data), size});
    // Any folder that is there does: every file is served from memory.
    static const std::filesystem::path path = std::filesystem::temp_directory_path();

    for (const bool withoutScript : {false, true}) {
        MemoryIo io = served(folder, path);
        const StartUp startUp = readStartUp(path, io, {.withoutScript = withoutScript});
        checkReading(io, "the start-up");
        if (startUp.filesRun > mostFilesRun ||
            startUp.textRun > mostTextRun + 2 * maxConfigFileSize ||
            startUp.aliasRuns > mostAliasRuns || startUp.aliasesDefined > mostAliases) {
            fail("the work went beyond the limits");
        }
        if (withoutScript && (startUp.script || !startUp.scriptSet.empty())) {
            fail("quarvel.cfg ran in a start-up without it");
        }
    }

    const bool emptyScript = setsNothing(folder);
    for (const GameVersion version : {GameVersion::Classic, GameVersion::Steam}) {
        MemoryIo io = served(folder, path);
        const CheckReport report =
            checkTweaks(path, {.version = version, .inSteamLibrary = true}, io);
        checkReading(io, "the check");
        if (report.failure) {
            fail("the check failed: " + describe(*report.failure));
        }
        if (report.held() && emptyScript) {
            fail("an empty or missing quarvel.cfg held");
        }
        for (const Sentence& line : report.lines) {
            for (const char c : sentenceText(line)) {
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                    fail("a control character in: " + sentenceText(line));
                }
            }
        }
    }
    return 0;
}
