#include "games/file_lookup.h"

#include "games/ascii_case.h"

#include <system_error>

namespace quarvel::games {

namespace fs = std::filesystem;

std::optional<fs::path> canonicalPath(const fs::path& path) {
    std::error_code ec;
    fs::path real = fs::canonical(path, ec);
    if (ec) {
        return std::nullopt;
    }
    return real;
}

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
        std::string entryName = displayPath(it->path().filename());
        if (equalsIgnoringCase(entryName, name) && (!best || entryName < bestName)) {
            best = it->path();
            bestName = std::move(entryName);
        }
    }
    return best;
}

std::string displayPath(const fs::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path pathFromUtf8(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

} // namespace quarvel::games
