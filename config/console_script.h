#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A script as the game's console reads it, and the one place where a config's lines are split. A
// line ends at a line break (CR LF, LF or CR) and is cut at 1023 characters; ';' outside double
// quotes separates two commands on a line; '//' starts a comment to the end of its command (a ';'
// after it still splits, as in the game); a word in double quotes is one word without its quotes,
// with no escapes; a command has at most 80 words. Names of commands and cvars are matched
// ignoring case, by whoever reads the words.
namespace quarvel {

inline constexpr std::size_t consoleLineLength = 1023;
inline constexpr std::size_t consoleWordLimit = 80;

// Calls `line` with each line of a text until it returns false; CR LF, LF and CR all end a
// line, and a last line end adds no empty line. The lines are whole: the console's cut is left to
// whoever reads them as commands.
void forEachLine(std::string_view text, const std::function<bool(std::string_view)>& line);

// forEachLine(), with each line given twice: as it reads, and with the line end after it.
void forEachLineAndEnd(
    std::string_view text,
    const std::function<bool(std::string_view line, std::string_view withEnd)>& line);

// The lines of a text fed in pieces of any size, as the console reads them: split as forEachLine()
// splits them, and each cut at consoleLineLength characters. It holds one cut line at a time,
// however long the text's lines are.
class ConsoleLines {
public:
    // Takes each line as the console keeps it, and whether the cut dropped what followed.
    using Take = std::function<void(std::string_view line, bool cut)>;

    explicit ConsoleLines(Take take);

    void feed(std::string_view bytes);
    // The end of the text, which ends its last line.
    void finish();

private:
    void keep(std::string_view part);
    void endLine();

    Take take_;
    std::string line_;
    bool cut_ = false;
    bool begun_ = false; // a line has begun since the last line end
    bool afterCarriageReturn_ = false;
};

struct ConsoleCommand {
    std::vector<std::string_view> words; // never empty
    std::size_t line = 0;                // from 1
};

// Calls `command` with each command of a script, in the order the game runs them.
void forEachCommand(std::string_view script,
                    const std::function<void(const ConsoleCommand&)>& command);

// Takes the first command off one line: its words (none for a blank command or a comment), up to
// the ';' outside quotes that ends it. `line` keeps what follows that ';'; false when no ';'
// followed, so the line is done. An alias's commands are run so, one at a time.
bool takeCommand(std::string_view& line, std::vector<std::string_view>& words);

// The file an exec line runs, as its name within the mod folder: "./x.cfg" and "x.cfg" name one
// file, so "." and empty parts of the name are left out ("cfg//./x.cfg" is "cfg/x.cfg"). Nothing
// for a name exec refuses: one that is no .cfg or .rc file, or holds '\', ':', '~' or "..", or
// begins with '/'.
std::optional<std::string> execTarget(std::string_view name);

// A name within the folder as the system tells files apart by name: on Windows in lower case, as
// its names ignore case; elsewhere as it is.
std::string fileNameKey(std::string_view name);

// Whether two names the folder holds name the same file by their spelling alone (see
// fileNameKey()).
bool sameFileName(std::string_view a, std::string_view b);

// Whether a command is `exec` of that file (a name within the mod folder), as the game reads it.
bool execs(const ConsoleCommand& command, std::string_view file);

// The number the game reads in a value, as C's atof reads it: blanks first are skipped, a sign and
// an exponent are taken, and reading stops at the first character that is no part of the number
// (" 100000", "+102", "100 " and "1e2"). Nothing when the value begins with no number at all.
std::optional<double> consoleNumber(std::string_view value);

// Whether the game holds two values of a setting as the same: numbers by their value when both
// begin with one ("100" and "100.000000"), other text ignoring case ("GL_LINEAR").
bool sameConsoleValue(std::string_view a, std::string_view b);

} // namespace quarvel
