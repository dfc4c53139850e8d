#pragma once

#include "games/game_detection.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

// How GoogleTest shows a detected game in a failed check: by name, mod and folder, not as bytes;
// and what the search passed over, in the words quarvel-cli prints.
namespace quarvel::games {

inline void PrintTo(const DetectedGame& game, std::ostream* out) {
    *out << "{" << game.name << ", " << game.mod << ", " << pathText(game.directory) << "}";
}

inline std::vector<std::string> described(const std::vector<Failure>& warnings) {
    std::vector<std::string> texts;
    for (const Failure& warning : warnings) {
        texts.push_back(describe(warning));
    }
    return texts;
}

} // namespace quarvel::games

// A path as Steam writes it inside its .vdf and .acf files: UTF-8, each backslash doubled.
inline std::string vdfText(const std::filesystem::path& path) {
    std::string text = quarvel::pathText(path);
    for (std::size_t at = text.find('\\'); at != std::string::npos; at = text.find('\\', at + 2)) {
        text.insert(at, 1, '\\');
    }
    return text;
}

// The spelling Steam itself stores in the registry: lower case, forward slashes.
inline std::wstring steamSpelling(const std::filesystem::path& path) {
    std::wstring text = path.generic_wstring();
    std::ranges::transform(text, text.begin(),
                           [](wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c + 32) : c; });
    return text;
}
