#include "config/console_script.h"

#include "core/ascii.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace quarvel {

namespace {

// Where the line that begins at `start` ends, and where the next one begins; both are the text's
// size when no line end follows.
struct LineBreak {
    std::size_t end;
    std::size_t next;
};

LineBreak lineBreakAfter(std::string_view text, std::size_t start) {
    // A plain loop: find_first_of() looks each character up in the set of two.
    const auto lineEnd = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
                                      [](char c) { return c == '\r' || c == '\n'; });
    const auto end = static_cast<std::size_t>(lineEnd - text.begin());
    std::size_t next = std::min(end + 1, text.size());
    if (next < text.size() && text[end] == '\r' && text[next] == '\n') {
        ++next;
    }
    return {end, next};
}

bool blank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool digit(char c) {
    return c >= '0' && c <= '9';
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

// The digits from `at` on; `at` moves past them.
std::string_view digitsAt(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && digit(text[at])) {
        ++at;
    }
    return text.substr(start, at - start);
}

// What a number too large or too small for a double reads as: infinity or zero, after the place
// of its first digit that is not 0, counted from the decimal point, and its exponent.
double beyondRange(std::string_view whole, std::string_view fraction, std::string_view exponent) {
    long long place = 0;
    const std::size_t lead = whole.find_first_not_of('0');
    if (lead != std::string_view::npos) {
        place = static_cast<long long>(whole.size() - lead);
    } else {
        const std::size_t first = fraction.find_first_not_of('0');
        if (first == std::string_view::npos) {
            return 0;
        }
        place = -static_cast<long long>(first);
    }
    // An exponent of more than 18 digits is beyond any double either way.
    const bool negative = exponent.starts_with('-');
    exponent.remove_prefix(exponent.starts_with('-') || exponent.starts_with('+') ? 1 : 0);
    long long power = std::numeric_limits<long long>::max() / 2;
    if (exponent.size() <= 18) {
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), power);
    }
    return (negative ? place - power : place + power) > 0 ? std::numeric_limits<double>::infinity()
                                                          : 0.0;
}

} // namespace

void forEachLineAndEnd(
    std::string_view text,
    const std::function<bool(std::string_view line, std::string_view withEnd)>& line) {
    for (std::size_t start = 0; start < text.size();) {
        const LineBreak at = lineBreakAfter(text, start);
        if (!line(text.substr(start, at.end - start), text.substr(start, at.next - start))) {
            return;
        }
        start = at.next;
    }
}

void forEachLine(std::string_view text, const std::function<bool(std::string_view)>& line) {
    forEachLineAndEnd(text,
                      [&](std::string_view content, std::string_view) { return line(content); });
}

ConsoleLines::ConsoleLines(Take take) : take_(std::move(take)) {
    line_.reserve(consoleLineLength);
}

void ConsoleLines::feed(std::string_view bytes) {
    if (bytes.empty()) {
        return;
    }
    if (std::exchange(afterCarriageReturn_, false) && bytes.front() == '\n') {
        bytes.remove_prefix(1); // the second half of a CR LF split over two pieces
    }
    for (std::size_t start = 0; start < bytes.size();) {
        const LineBreak at = lineBreakAfter(bytes, start);
        keep(bytes.substr(start, at.end - start));
        if (at.end == bytes.size()) {
            return; // the line goes on in the next piece
        }
        afterCarriageReturn_ = at.next == bytes.size() && bytes[at.end] == '\r';
        endLine();
        start = at.next;
    }
}

void ConsoleLines::finish() {
    if (begun_) {
        endLine();
    }
}

void ConsoleLines::keep(std::string_view part) {
    const std::size_t room = consoleLineLength - line_.size();
    line_.append(part.substr(0, room));
    cut_ = cut_ || part.size() > room;
    begun_ = begun_ || !part.empty();
}

void ConsoleLines::endLine() {
    take_(line_, cut_);
    line_.clear();
    cut_ = false;
    begun_ = false;
}

bool takeCommand(std::string_view& line, std::vector<std::string_view>& words) {
    bool quoted = false;
    std::size_t at = 0;
    for (; at < line.size(); ++at) {
        if (line[at] == '"') {
            quoted = !quoted;
        } else if (line[at] == ';' && !quoted) {
            break;
        }
    }
    words = wordsOf(line.substr(0, at));
    const bool more = at < line.size();
    line = more ? line.substr(at + 1) : std::string_view();
    return more;
}

void forEachCommand(std::string_view script,
                    const std::function<void(const ConsoleCommand&)>& command) {
    std::size_t number = 0;
    ConsoleCommand found;
    forEachLine(script, [&](std::string_view line) {
        found.line = ++number;
        line = line.substr(0, consoleLineLength);
        for (bool more = true; more;) {
            more = takeCommand(line, found.words);
            if (!found.words.empty()) {
                command(found);
            }
        }
        return true;
    });
}

std::optional<std::string> execTarget(std::string_view name) {
    const std::string lower = lowerAscii(name);
    if (!(lower.ends_with(".cfg") || lower.ends_with(".rc")) || name.starts_with('/') ||
        name.find_first_of("\\:~") != std::string_view::npos ||
        name.find("..") != std::string_view::npos) {
        return std::nullopt;
    }
    std::string target;
    while (!name.empty()) {
        const std::size_t slash = name.find('/');
        const std::string_view part = name.substr(0, slash);
        if (!part.empty() && part != ".") {
            target.append(target.empty() ? "" : "/").append(part);
        }
        name = slash == std::string_view::npos ? std::string_view() : name.substr(slash + 1);
    }
    return target;
}

bool sameFileName(std::string_view a, std::string_view b) {
    return fileNameKey(a) == fileNameKey(b);
}

bool execs(const ConsoleCommand& command, std::string_view file) {
    if (command.words.size() < 2 || !equalsIgnoringCase(command.words[0], "exec")) {
        return false;
    }
    const std::optional<std::string> target = execTarget(command.words[1]);
    return target && sameFileName(*target, file);
}

std::optional<double> consoleNumber(std::string_view value) {
    std::size_t at = 0;
    while (at < value.size() && (value[at] == ' ' || (value[at] >= '\t' && value[at] <= '\r'))) {
        ++at;
    }
    const bool negative = at < value.size() && value[at] == '-';
    at += at < value.size() && (value[at] == '-' || value[at] == '+') ? 1 : 0;
    const std::size_t start = at;
    const std::string_view whole = digitsAt(value, at);
    std::string_view fraction;
    if (at < value.size() && value[at] == '.') {
        ++at;
        fraction = digitsAt(value, at);
    }
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    // An exponent counts only with a digit in it: "1e" is 1.
    std::string_view exponent;
    if (at < value.size() && (value[at] == 'e' || value[at] == 'E')) {
        std::size_t after = at + 1;
        after += after < value.size() && (value[after] == '-' || value[after] == '+') ? 1 : 0;
        if (after < value.size() && digit(value[after])) {
            const std::size_t sign = at + 1;
            digitsAt(value, after);
            exponent = value.substr(sign, after - sign);
            at = after;
        }
    }
    double number = 0;
    const auto [end, error] = std::from_chars(value.data() + start, value.data() + at, number);
    if (error == std::errc::result_out_of_range) {
        number = beyondRange(whole, fraction, exponent);
    }
    return negative ? -number : number;
}

bool sameConsoleValue(std::string_view a, std::string_view b) {
    const auto x = consoleNumber(a);
    const auto y = consoleNumber(b);
    return x && y ? *x == *y : equalsIgnoringCase(a, b);
}

} // namespace quarvel
