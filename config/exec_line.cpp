#include "config/exec_line.h"

#include "config/console_script.h"
#include "config/script.h"

#include <vector>

namespace quarvel {

bool runsScript(std::string_view config) {
    bool found = false;
    forEachCommand(config, [&](const ConsoleCommand& command) {
        found = found || execs(command, scriptFileName);
    });
    return found;
}

std::string withExecLine(std::string_view config) {
    std::size_t lines = 0;
    forEachLine(config, [&](std::string_view) { return ++lines, true; });
    std::string updated;
    updated.reserve(config.size() + lines + 4 * crlf.size() + execLine.size());
    forEachLine(config, [&](std::string_view line) {
        updated.append(line).append(crlf);
        return true;
    });
    updated.append(crlf).append(crlf).append(execLine).append(crlf);
    return updated;
}

std::optional<LineEnds> lineEndsOf(std::string_view config) {
    std::optional<std::string_view> found;
    bool mixed = false;
    forEachLineAndEnd(config, [&](std::string_view text, std::string_view whole) {
        const std::string_view end = whole.substr(text.size());
        if (!end.empty()) {
            mixed = mixed || (found && *found != end);
            found = end;
        }
        return !mixed;
    });
    if (mixed || config.empty()) {
        return std::nullopt;
    }
    const bool lastEnded = config.back() == '\n' || config.back() == '\r';
    for (const std::string_view ends : {"\n", "\r", "\r\n"}) {
        if (found.value_or(crlfEnds.ends) == ends) {
            return LineEnds{ends, lastEnded};
        }
    }
    return std::nullopt;
}

std::string withLineEnds(std::string_view config, LineEnds ends) {
    std::string text;
    text.reserve(config.size());
    forEachLineAndEnd(config, [&](std::string_view line, std::string_view whole) {
        text.append(line);
        if (whole.size() > line.size()) {
            text.append(ends.ends);
        }
        return true;
    });
    if (!ends.lastEnded && text.ends_with(ends.ends)) {
        text.resize(text.size() - ends.ends.size());
    }
    return text;
}

std::optional<std::string> withoutExecLine(std::string_view config) {
    struct Line {
        std::string_view text;
        std::string_view whole; // with its line end
        bool removed = false;
    };
    std::vector<Line> lines;
    forEachLineAndEnd(config, [&](std::string_view text, std::string_view whole) {
        lines.push_back({text, whole});
        return true;
    });
    bool any = false;
    for (std::size_t at = 0; at < lines.size(); ++at) {
        if (lines[at].text != execLine) {
            continue;
        }
        any = true;
        lines[at].removed = true;
        // The install's two empty lines, when both are still there and not taken already.
        if (at >= 2 && lines[at - 1].text.empty() && lines[at - 2].text.empty() &&
            !lines[at - 1].removed && !lines[at - 2].removed) {
            lines[at - 1].removed = lines[at - 2].removed = true;
        }
    }
    if (!any) {
        return std::nullopt;
    }
    std::string kept;
    kept.reserve(config.size());
    for (const Line& line : lines) {
        if (!line.removed) {
            kept.append(line.whole);
        }
    }
    return kept;
}

} // namespace quarvel
