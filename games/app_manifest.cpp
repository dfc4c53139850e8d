#include "games/app_manifest.h"

#include "games/file_lookup.h"
#include "games/steam_roots.h"

#include <system_error>

namespace quarvel::games {

namespace fs = std::filesystem;

std::optional<std::string> installDirIn(const KeyValue& manifest) {
    const KeyValue* state = manifest.child("AppState");
    auto folder = state ? state->text("installdir") : std::nullopt;
    if (!folder || folder->empty() || *folder == "." || *folder == ".." ||
        folder->find_first_of("/\\:") != std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(*folder);
}

std::optional<fs::path> findHalfLifeFolder(const fs::path& library,
                                           std::vector<Failure>& warnings) {
    auto steamApps = findSteamAppsFolder(library);
    if (!steamApps) {
        return std::nullopt;
    }
    std::string folderName(halfLifeDefaultFolder);
    fs::path manifestFile = *steamApps / ("appmanifest_" + std::to_string(halfLifeAppId) + ".acf");
    std::error_code ec;
    if (fs::exists(manifestFile, ec)) {
        const Expected<KeyValue> parsed = readKeyValuesFile(manifestFile);
        auto installDir = parsed ? installDirIn(*parsed) : std::nullopt;
        if (installDir) {
            folderName = *installDir;
        } else if (!parsed) {
            warnings.push_back(parsed.failure());
        } else {
            warnings.push_back({.step = FileStep::Search,
                                .problem = FileProblem::NoInstallDir,
                                .file = manifestFile});
        }
    }
    auto common = findEntryIgnoringCase(*steamApps, "common");
    auto folder = common ? findEntryIgnoringCase(*common, folderName) : std::nullopt;
    if (folder && isDirectory(*folder)) {
        return folder;
    }
    return std::nullopt;
}

} // namespace quarvel::games
