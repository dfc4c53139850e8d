#pragma once

#include "games/file_lookup.h"
#include "games/game_detection.h"

#include <ostream>

// How GoogleTest shows a detected game in a failed check: by name, mod and folder, not as bytes.
namespace quarvel::games {

inline void PrintTo(const DetectedGame& game, std::ostream* out) {
    *out << "{" << game.name << ", " << game.mod << ", " << displayPath(game.directory) << "}";
}

} // namespace quarvel::games
