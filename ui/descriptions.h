#pragma once

#include <QString>

#include <optional>
#include <string_view>

// What the description panel says about each tweak: the value that favours frame rate, the
// console command behind the tweak and a paragraph on what it does.
namespace quarvel::ui {

// The panel text for a tweak key: three lines joined by CR LF. Nothing for an unknown key.
std::optional<QString> descriptionText(std::string_view key);

} // namespace quarvel::ui
