#include "games/game_folder.h"

#include "core/ascii.h"
#include "core/paths.h"
#include "core/words.h"
#include "games/file_lookup.h"

namespace quarvel::games {

bool looksUnlikeGameFolder(const std::filesystem::path& folder) {
    if (!isDirectory(folder)) {
        return false;
    }
    const auto found = findEntryIgnoringCase(folder, modFileName);
    return !found || !isRegularFile(*found);
}

std::string notGameFolderText() {
    return filledWords(notGameFolderWords, {modFileName});
}

bool inSteamLibrary(const std::filesystem::path& folder) {
    std::string previous;
    for (const auto& part : folder.lexically_normal()) {
        const std::string name = lowerAscii(pathText(part));
        if (previous == "steamapps" && name == "common") {
            return true;
        }
        previous = name;
    }
    return false;
}

} // namespace quarvel::games
