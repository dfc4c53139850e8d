#include "config/exec_line.h"

#include "config/script.h"

#include <vector>

namespace quarvel {

namespace {

// A line of a text, with the line end that follows it.
struct Line {
    std::string_view text;
    std::size_t start = 0;
    std::size_t end = 0; // after its line end
};

std::vector<Line> linesOf(std::string_view text) {
    std::vector<Line> lines;
    forEachLine(text, [&](std::string_view line) {
        const auto start = static_cast<std::size_t>(line.data() - text.data());
        std::size_t end = start + line.size();
        if (end < text.size() && text[end] == '\r') {
            ++end;
            if (end < text.size() && text[end] == '\n') {
                ++end;
            }
        } else if (end < text.size() && text[end] == '\n') {
            ++end;
        }
        lines.push_back({line, start, end});
        return true;
    });
    return lines;
}

} // namespace

void forEachLine(std::string_view text, const std::function<bool(std::string_view)>& line) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            line(text.substr(start));
            return;
        }
        if (!line(text.substr(start, end - start))) {
            return;
        }
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
}

bool runsScript(std::string_view config) {
    bool found = false;
    forEachLine(config, [&](std::string_view line) {
        found = line == execLine;
        return !found;
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

std::optional<std::string> withoutExecLine(std::string_view config) {
    const std::vector<Line> lines = linesOf(config);
    std::vector<bool> removed(lines.size(), false);
    bool any = false;
    for (std::size_t at = 0; at < lines.size(); ++at) {
        if (lines[at].text != execLine) {
            continue;
        }
        any = true;
        removed[at] = true;
        // The install's two empty lines, when both are still there and not taken already.
        if (at >= 2 && lines[at - 1].text.empty() && lines[at - 2].text.empty() &&
            !removed[at - 1] && !removed[at - 2]) {
            removed[at - 1] = removed[at - 2] = true;
        }
    }
    if (!any) {
        return std::nullopt;
    }
    std::string kept;
    kept.reserve(config.size());
    for (std::size_t at = 0; at < lines.size(); ++at) {
        if (!removed[at]) {
            kept.append(config.substr(lines[at].start, lines[at].end - lines[at].start));
        }
    }
    return kept;
}

} // namespace quarvel
