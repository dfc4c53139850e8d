#pragma once

#include <algorithm>
#include <string_view>

// Steam's files and folder names differ only in ASCII case between versions and platforms
// ("SteamApps", "LibraryFolders"), so they are compared without regard to it.
namespace quarvel::games {

constexpr char toLowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b,
                              [](char x, char y) { return toLowerAscii(x) == toLowerAscii(y); });
}

} // namespace quarvel::games
