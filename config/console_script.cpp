#include "config/console_script.h"

#include "config/exec_line.h"
#include "core/ascii.h"

namespace quarvel {

namespace {

bool blank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// The words of one command, up to a comment.
std::vector<std::string_view> wordsOf(std::string_view command) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (words.size() < consoleWordLimit) {
        while (at < command.size() && blank(command[at])) {
            ++at;
        }
        if (at >= command.size() || command.substr(at, 2) == "//") {
            break;
        }
        if (command[at] == '"') {
            const std::size_t close = command.find('"', at + 1);
            const std::size_t end = close == std::string_view::npos ? command.size() : close;
            words.push_back(command.substr(at + 1, end - at - 1));
            at = end + 1;
            continue;
        }
        const std::size_t start = at;
        while (at < command.size() && !blank(command[at]) && command[at] != '"') {
            ++at;
        }
        words.push_back(command.substr(start, at - start));
    }
    return words;
}

} // namespace

void forEachCommand(std::string_view script,
                    const std::function<void(const ConsoleCommand&)>& command) {
    std::size_t number = 0;
    forEachLine(script, [&](std::string_view line) {
        ++number;
        line = line.substr(0, consoleLineLength);
        bool quoted = false;
        std::size_t start = 0;
        for (std::size_t at = 0; at <= line.size(); ++at) {
            if (at < line.size() && line[at] == '"') {
                quoted = !quoted;
            }
            if (at == line.size() || (line[at] == ';' && !quoted)) {
                ConsoleCommand found{wordsOf(line.substr(start, at - start)), number};
                if (!found.words.empty()) {
                    command(found);
                }
                start = at + 1;
            }
        }
        return true;
    });
}

bool execs(const ConsoleCommand& command, std::string_view file) {
    if (command.words.size() < 2 || !equalsIgnoringCase(command.words[0], "exec")) {
        return false;
    }
#ifdef _WIN32
    return equalsIgnoringCase(command.words[1], file); // the system's names ignore case
#else
    return command.words[1] == file;
#endif
}

} // namespace quarvel
