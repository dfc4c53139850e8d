#pragma once

#include "core/engine.h"

#include <string>

// The console script quarvel.cfg, built from the settings store.
namespace quarvel {

inline constexpr std::string_view crlf = "\r\n";
inline constexpr std::string_view execLine = "exec quarvel.cfg";
inline constexpr std::string_view scriptFileName = "quarvel.cfg";
inline constexpr std::string_view autoexecFileName = "autoexec.cfg";
// The game runs it at the end of config.cfg, the settings it saved at its last exit.
inline constexpr std::string_view userconfigFileName = "userconfig.cfg";
inline constexpr std::string_view savedSettingsFileName = "config.cfg";

// The script's first line, "// Quarvel v3": what tells a quarvel.cfg that Quarvel wrote.
std::string scriptHeader();

// The script as the install window first shows it: header, the FPS and Ping sections in slot
// order (and for today's Steam game a third one, with the settings only it knows), and the
// author's lines. A tweak the game version does not know is left out. CR LF between lines, none
// after the last.
std::string buildScript(const TweakLines& lines, GameVersion version = GameVersion::Classic);

// What an install appends to the script so the game's console says the tweaks are loaded.
std::string echoBanner();

} // namespace quarvel
