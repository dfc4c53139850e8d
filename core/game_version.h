#pragma once

#include "core/translatable.h"

#include <array>
#include <string_view>

// The game the settings are made for. The classic game is the one the tweaks were first written
// for; the Steam build of 2013 and later takes higher rates, starts with other defaults, knows
// settings the classic game lacks and no longer knows gl_ztrick.
namespace quarvel {

enum class GameVersion { Classic, Steam };

struct GameVersionName {
    GameVersion version;
    std::string_view shortName; // as quarvel-cli takes it
    std::string_view caption;   // as the main window lists it
};

inline constexpr std::array gameVersionNames{
    GameVersionName{GameVersion::Classic, "classic",
                    QVL_TRANSLATABLE("GameVersion", "Classic game (before 2013)")},
    GameVersionName{GameVersion::Steam, "steam",
                    QVL_TRANSLATABLE("GameVersion", "Today's Steam game")},
};

inline constexpr std::size_t gameVersionCount = gameVersionNames.size();

constexpr const GameVersionName& nameOf(GameVersion version) {
    return gameVersionNames[static_cast<std::size_t>(version)];
}

// The game version that is not this one.
constexpr GameVersion otherVersion(GameVersion version) {
    return version == GameVersion::Classic ? GameVersion::Steam : GameVersion::Classic;
}

// Which game versions offer an editor.
enum class Offered { Always, ClassicOnly, SteamOnly };

constexpr bool offeredIn(Offered offered, GameVersion version) {
    return offered == Offered::Always ||
           (offered == Offered::ClassicOnly) == (version == GameVersion::Classic);
}

} // namespace quarvel
