// Any bytes through the config loader. The reading phase, fed the bytes in a few pieces, must read
// what a plain line-by-line reading of the whole file reads; the applying phase must put each
// value it read into its editor; and the engine must be left settled and consistent. Anything
// else aborts, with what went wrong on standard error.

#include "config/known_cvars.h"
#include "config/loader.h"
#include "support/engine_invariants.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <vector>

using namespace quarvel;
using testing_support::shown;

namespace {

using Reading = std::array<std::optional<std::string>, knownCvarCount>;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "config loader: %s\n", what.c_str());
    std::abort();
}

// The file as a player reads it: CR LF, LF and CR end lines; a line's head is the text before
// its first blank and its value the text after it up to the next blank; a value in quotes loses
// one pair; a value longer than maxValueLength does not count; the last line naming a cvar wins.
Reading readLineByLine(std::string_view file) {
    Reading reading;
    if (file.starts_with("\xEF\xBB\xBF")) {
        file.remove_prefix(3);
    }
    while (!file.empty()) {
        const std::size_t end = std::min(file.find_first_of("\r\n"), file.size());
        const std::string_view line = file.substr(0, end);
        const bool crlf = file.substr(end).starts_with("\r\n");
        file.remove_prefix(std::min(file.size(), end + (crlf ? 2 : 1)));

        const std::size_t blank = line.find(' ');
        if (blank == 0 || blank == std::string_view::npos) {
            continue;
        }
        std::string_view value = line.substr(blank + 1);
        value = value.substr(0, value.find(' '));
        if (value.size() > maxValueLength) {
            continue;
        }
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        for (int k = 0; k < knownCvarCount; ++k) {
            if (cvarNames(k) == line.substr(0, blank)) {
                reading[static_cast<std::size_t>(k)] = std::string(value);
            }
        }
    }
    return reading;
}

// Where the bytes are cut into pieces: up to four cuts, at places that depend on every byte.
std::vector<std::string_view> pieces(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    std::minstd_rand random(hash);
    std::vector<std::size_t> cuts{0, bytes.size()};
    for (auto n = random() % 5; n > 0; --n) {
        cuts.push_back(random() % (bytes.size() + 1));
    }
    std::sort(cuts.begin(), cuts.end());
    std::vector<std::string_view> result;
    for (std::size_t i = 1; i < cuts.size(); ++i) {
        result.push_back(bytes.substr(cuts[i - 1], cuts[i] - cuts[i - 1]));
    }
    return result;
}

void checkReading(const Engine& engine, const Reading& expected) {
    for (int k = 0; k < knownCvarCount; ++k) {
        const auto& want = expected[static_cast<std::size_t>(k)];
        const bool found = engine.cvarFound[static_cast<std::size_t>(k)];
        const std::string& got = engine.cvarValue[static_cast<std::size_t>(k)];
        if (found != want.has_value() || (found && got != *want)) {
            fail(std::string(cvarNames(k)) + ": read \"" + (found ? shown(got) : "nothing") +
                 "\", the file says \"" + (want ? shown(*want) : "nothing") + "\"");
        }
    }
}

// What the applying phase must have done with each value: the last value an editor can take
// decides its state; a field takes its value as text, a rate over its cap becomes the cap.
void checkApplied(const Engine& engine, const Reading& read) {
    std::array<std::optional<int>, editorCount> selection;
    std::array<std::optional<std::string>, editorCount> text;
    for (int k = 0; k < knownCvarCount; ++k) {
        const KnownCvar& cvar = knownCvars[static_cast<std::size_t>(k)];
        if (!read[static_cast<std::size_t>(k)] || cvar.rule == LoadRule::RecordOnly) {
            continue;
        }
        const std::string& value = *read[static_cast<std::size_t>(k)];
        const auto id = static_cast<std::size_t>(findEditor(cvar.editor));
        switch (cvar.rule) {
        case LoadRule::Toggle:
        case LoadRule::InvertedToggle:
            if (value == "0" || value == "1") {
                selection[id] = (value == "1") != (cvar.rule == LoadRule::InvertedToggle) ? 1 : 0;
            }
            break;
        case LoadRule::Entries:
            for (std::size_t n = 0; n < cvar.entries.size(); ++n) {
                std::string compared = value;
                if (cvar.lowerCase) {
                    std::transform(compared.begin(), compared.end(), compared.begin(), [](char c) {
                        return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
                    });
                }
                if (compared == cvar.entries[n]) {
                    selection[id] = static_cast<int>(n);
                }
            }
            break;
        case LoadRule::Text: {
            const auto* rule = testing_support::rateRule(cvar.editor);
            const auto number = rates::parseRate(value);
            text[id] =
                rule && number && *number > rule->limit ? std::string(rule->limitText) : value;
            break;
        }
        case LoadRule::RecordOnly:
            break;
        }
    }
    for (int id = 0; id < editorCount; ++id) {
        const auto& def = editor(id);
        const auto want = static_cast<std::size_t>(id);
        if (selection[want] && engine.selected(id) != *selection[want]) {
            fail(std::string(def.name) + " shows " + std::to_string(engine.selected(id)) +
                 " where the file says " + std::to_string(*selection[want]));
        }
        // A packet rate is derived again from its byte rate, which the loader applies later.
        const bool derived =
            std::any_of(std::begin(rates::rateRules), std::end(rates::rateRules),
                        [&](const auto& rule) { return rule.derivedField == def.name; });
        if (text[want] && !derived && engine.text(id) != *text[want]) {
            fail(std::string(def.name) + " holds \"" + shown(engine.text(id)) +
                 "\" where the file says \"" + shown(*text[want]) + "\"");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Reading expected = readLineByLine(bytes);

    Engine engine;
    ConfigReader reader(engine);
    for (const auto piece : pieces(bytes)) {
        reader.feed(piece);
    }
    reader.finish();
    checkReading(engine, expected);

    applyLoadedValues(engine);
    checkApplied(engine, expected);
    if (const std::string problem = testing_support::invariantViolation(engine); !problem.empty()) {
        fail(problem);
    }
    return 0;
}
