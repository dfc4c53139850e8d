#pragma once

#include "games/game_detection.h"

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
