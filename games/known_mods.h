#pragma once

#include <array>
#include <string_view>

// The Half-Life mods the program writes scripts for, in the order they are listed to the user.
namespace quarvel::games {

struct KnownMod {
    std::string_view folder; // folder inside the Half-Life folder
    std::string_view name;   // name shown to the user
};

inline constexpr std::array<KnownMod, 5> knownMods{{
    {"cstrike", "Counter-Strike"},
    {"dod", "Day of Defeat"},
    {"tfc", "Team Fortress Classic"},
    {"czero", "Condition Zero"},
    {"valve", "Half-Life"},
}};

} // namespace quarvel::games
