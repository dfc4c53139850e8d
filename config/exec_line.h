#pragma once

#include <optional>
#include <string>
#include <string_view>

// The line that makes a config of the game run the script: finding it, adding it and taking it out
// again, line by line as the game reads a config.
namespace quarvel {

// Whether a config runs the script, read as the game's console reads it: `exec quarvel.cfg` in any
// case, in quotes, among blanks, before a comment or after other commands on its line.
bool runsScript(std::string_view config);

// The config's lines in their order, each ended by CR LF, then two empty lines and the exec line,
// as an install adds it. Built in one piece of about the config's size.
std::string withExecLine(std::string_view config);

// How the lines of a config end, where they all end alike: what withExecLine() changes, so that
// taking the line out again can give the config back its own line ends.
struct LineEnds {
    std::string_view ends; // "\n", "\r" or "\r\n"
    bool lastEnded = true; // a line end after the last line

    bool operator==(const LineEnds&) const = default;
};
inline constexpr LineEnds crlfEnds{"\r\n", true};

// The line ends of a config; nothing when it mixes them, or has no line to end.
std::optional<LineEnds> lineEndsOf(std::string_view config);

// A config with CR LF line ends given `ends` instead.
std::string withLineEnds(std::string_view config, LineEnds ends);

// The config without the exec lines an install adds (whole and in this case; any other form is
// the player's own), and without the two empty lines an install puts before one
// when they are still directly before it. Every other byte stays as it was, line ends included.
// Nothing when the config has no exec line.
std::optional<std::string> withoutExecLine(std::string_view config);

} // namespace quarvel
