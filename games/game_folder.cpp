#include "games/game_folder.h"

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

} // namespace quarvel::games
