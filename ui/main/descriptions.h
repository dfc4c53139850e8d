#pragma once

#include "core/game_version.h"

#include <QString>

#include <optional>
#include <string_view>

// What the description panel says about each tweak: the value that favours frame rate, the
// console command behind the tweak and a paragraph on what it does.
namespace quarvel::ui {

// The panel text for a tweak key: three lines joined by CR LF, and for today's Steam game what it
// does with the tweak, where that differs. Nothing for an unknown key.
std::optional<QString> descriptionText(std::string_view key, GameVersion version);

} // namespace quarvel::ui
