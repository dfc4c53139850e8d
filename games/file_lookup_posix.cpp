// The real path of a file on Linux, as the C++ library finds it.

#include "games/file_lookup.h"

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

} // namespace quarvel::games
