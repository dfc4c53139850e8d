#include "games/steam_libraries.h"

#include "games/file_lookup.h"
#include "games/steam_roots.h"

#include <algorithm>
#include <system_error>

namespace quarvel::games {

namespace fs = std::filesystem;

namespace {

bool isAllDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<fs::path> libraryFiles(const fs::path& steamRoot) {
    std::vector<fs::path> files;
    if (auto steamApps = findSteamAppsFolder(steamRoot)) {
        files.push_back(*steamApps / "libraryfolders.vdf");
    }
    if (auto config = findEntryIgnoringCase(steamRoot, "config")) {
        files.push_back(*config / "libraryfolders.vdf");
    }
    return files;
}

} // namespace

std::optional<std::vector<std::string>> libraryPathsIn(const KeyValue& document) {
    const KeyValue* list = document.child("libraryfolders");
    if (!list || !list->isBlock) {
        return std::nullopt;
    }
    std::vector<std::string> paths;
    for (const KeyValue& entry : list->children) {
        // Numbered entries are libraries; others ("contentstatsid", "TimeNextStatsReport") are
        // bookkeeping.
        if (!isAllDigits(entry.key)) {
            continue;
        }
        if (!entry.isBlock) {
            paths.push_back(entry.value);
        } else if (auto path = entry.text("path")) {
            paths.emplace_back(*path);
        }
    }
    return paths;
}

std::vector<fs::path> findSteamLibraries(const fs::path& steamRoot,
                                         std::vector<Failure>& warnings) {
    std::vector<fs::path> libraries;
    auto add = [&libraries](const fs::path& folder) {
        auto real = canonicalPath(folder);
        if (real && isDirectory(*real) && std::ranges::find(libraries, *real) == libraries.end()) {
            libraries.push_back(*real);
        }
    };
    add(steamRoot);
    for (const fs::path& file : libraryFiles(steamRoot)) {
        std::error_code ec;
        if (!fs::exists(file, ec)) {
            continue;
        }
        const Expected<KeyValue> parsed = readKeyValuesFile(file);
        if (!parsed) {
            warnings.push_back(parsed.failure());
            continue;
        }
        auto paths = libraryPathsIn(*parsed);
        if (!paths) {
            warnings.push_back(
                {.step = FileStep::Search, .problem = FileProblem::NoLibraryList, .file = file});
            continue;
        }
        for (const std::string& text : *paths) {
            // A drive letter path from Windows is not absolute elsewhere, and a relative path
            // would depend on the working folder: neither names a library here.
            fs::path folder = pathFromUtf8(text);
            if (folder.is_absolute()) {
                add(folder);
            }
        }
    }
    return libraries;
}

} // namespace quarvel::games
