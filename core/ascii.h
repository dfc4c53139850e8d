#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// Case in ASCII only. The game's cvar values and Steam's file and folder names differ only in ASCII
// case between versions and platforms ("GL_LINEAR", "SteamApps"), whatever the user's language.
namespace quarvel {

constexpr char toLowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), toLowerAscii);
    return lower;
}

constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b,
                              [](char x, char y) { return toLowerAscii(x) == toLowerAscii(y); });
}

} // namespace quarvel
