#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

// A script as the game's console reads it. A line ends at a line break (CR LF, LF or CR) and is
// cut at 1023 characters; ';' outside double quotes separates two commands on a line; '//' starts
// a comment to the end of its command (a ';' after it still splits, as in the game); a word in
// double quotes is one word without its quotes, with no escapes; a command has at most 80 words.
// Names of commands and cvars are matched ignoring case, by whoever reads the words.
namespace quarvel {

inline constexpr std::size_t consoleLineLength = 1023;
inline constexpr std::size_t consoleWordLimit = 80;

struct ConsoleCommand {
    std::vector<std::string_view> words; // never empty
    std::size_t line = 0;                // from 1
};

// Calls `command` with each command of a script, in the order the game runs them.
void forEachCommand(std::string_view script,
                    const std::function<void(const ConsoleCommand&)>& command);

// Whether a command is `exec` of that file, as the game reads it.
bool execs(const ConsoleCommand& command, std::string_view file);

} // namespace quarvel
