#include "games/file_lookup.h"

#include "core/ascii.h"

#include <system_error>

namespace quarvel::games {

namespace fs = std::filesystem;

bool isDirectory(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool isRegularFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::optional<fs::path> findEntryIgnoringCase(const fs::path& directory, std::string_view name) {
    std::error_code ec;
    fs::path exact = directory / pathFromUtf8(name);
    if (fs::exists(exact, ec)) {
        return exact;
    }
    std::optional<fs::path> best;
    std::string bestName;
    fs::directory_iterator it(directory, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string entryName = pathText(it->path().filename());
        if (equalsIgnoringCase(entryName, name) && (!best || entryName < bestName)) {
            best = it->path();
            bestName = std::move(entryName);
        }
    }
    return best;
}

} // namespace quarvel::games
