#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The line that makes a config of the game run the script: finding it, adding it and taking it out
// again, line by line as the game reads a config.
namespace quarvel {

// Calls `line` with each line of a text until it returns false; CR LF, LF and CR all end a
// line, and a last line end adds no empty line.
void forEachLine(std::string_view text, const std::function<bool(std::string_view)>& line);

// Whether a config runs the script, read as the game's console reads it: `exec quarvel.cfg` in any
// case, in quotes, among blanks, before a comment or after other commands on its line.
bool runsScript(std::string_view config);

// The config's lines in their order, each ended by CR LF, then two empty lines and the exec line,
// as an install adds it. Built in one piece of about the config's size.
std::string withExecLine(std::string_view config);

// The config without the exec lines an install adds (whole and in this case; any other form is
// the player's own), and without the two empty lines an install puts before one
// when they are still directly before it. Every other byte stays as it was, line ends included.
// Nothing when the config has no exec line.
std::optional<std::string> withoutExecLine(std::string_view config);

} // namespace quarvel
