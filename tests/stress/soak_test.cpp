// A long run of random actions on one engine, as a player clicking, typing and loading files at
// random would make them. After every action the engine must be settled and consistent, a
// packet rate must follow the byte rate the action last set, and a rate the speed the action
// set. The run replays from its seed
// (QUARVEL_SOAK_SEED); a failure prints the seed, the action's number and the 20 before it.

#include "config/known_cvars.h"
#include "config/loader.h"
#include "support/engine_invariants.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <optional>
#include <random>
#include <vector>

using namespace quarvel;
using testing_support::shown;

namespace {

constexpr int actionCount = 100'000;

std::uint32_t soakSeed() {
    const char* text = std::getenv("QUARVEL_SOAK_SEED");
    return text != nullptr ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : 1996;
}

std::vector<EditorId> editorsOf(std::initializer_list<EditorKind> kinds) {
    std::vector<EditorId> ids;
    for (EditorId id = 0; id < editorCount; ++id) {
        if (std::find(kinds.begin(), kinds.end(), editor(id).kind) != kinds.end()) {
            ids.push_back(id);
        }
    }
    return ids;
}

// Random actions and what they type or load.
class Player {
public:
    explicit Player(std::uint32_t seed) : random_(seed) {}

    // Performs one action on the engine and says what it was.
    std::string act(Engine& engine) {
        switch (below(16)) {
        case 0: {
            const Preset preset = allPresets[static_cast<std::size_t>(below(4))];
            engine.applyPreset(preset);
            return "preset " + std::to_string(static_cast<int>(preset));
        }
        case 1:
        case 2: {
            const auto& def = editor(pick(withButton_));
            const std::string button =
                below(20) == 0 ? "cmdNothing" : std::string(def.defaultButton);
            engine.pressDefault(button);
            return "default " + button;
        }
        case 3:
        case 4: {
            const EditorId pair = pick(pairs_);
            const int element = below(5) - 1;
            engine.selectOption(pair, element);
            return "option " + std::string(editor(pair).name) + " " + std::to_string(element);
        }
        case 5:
        case 6: {
            const EditorId list = pick(lists_);
            const int index = below(static_cast<int>(editor(list).items.size()) + 2) - 1;
            engine.selectItem(list, index);
            return "item " + std::string(editor(list).name) + " " + std::to_string(index);
        }
        case 7:
        case 8:
        case 9: {
            const EditorId field = pick(texts_);
            std::string typed = text();
            const std::string shownText = shown(typed);
            engine.setText(field, std::move(typed));
            return "text " + std::string(editor(field).name) + " \"" + shownText + "\"";
        }
        case 10:
        case 11:
        case 12: {
            const EditorId field = pick(texts_);
            static constexpr int codes[] = {'0', '1', '2', '5', '9', '.', 8,
                                            8,   'a', ' ', '-', 0,   255, 0x20AC};
            std::string keys;
            for (int n = below(6) + 1; n > 0; --n) {
                const int code = codes[below(static_cast<int>(std::size(codes)))];
                engine.typeCharacter(field, code);
                keys += std::to_string(code) + " ";
            }
            return "type " + std::string(editor(field).name) + " " + keys;
        }
        case 13: {
            const EditorId id = below(editorCount + 2) - 1;
            const std::string state = below(2) == 0 ? std::to_string(below(12) - 1) : text();
            engine.setState(id, state);
            return "state " + std::to_string(id) + " \"" + shown(state) + "\"";
        }
        default: {
            const std::string bytes = file();
            ConfigReader reader(engine);
            for (std::size_t at = 0; at < bytes.size();) {
                const std::size_t piece = static_cast<std::size_t>(below(12)) + 1;
                reader.feed(std::string_view(bytes).substr(at, piece));
                at += piece;
            }
            reader.finish();
            applyLoadedValues(engine);
            return "load \"" + shown(bytes) + "\"";
        }
        }
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    EditorId pick(const std::vector<EditorId>& ids) {
        return ids[static_cast<std::size_t>(below(static_cast<int>(ids.size())))];
    }

    // What a field may be given: numbers of every shape, huge digit strings, and junk.
    std::string text() {
        switch (below(9)) {
        case 0:
            return std::to_string(below(30001));
        case 1:
            return std::to_string(below(200)) + "." + std::to_string(below(100));
        case 2:
            return std::string(static_cast<std::size_t>(below(4)), '0') +
                   std::to_string(below(150));
        case 3: {
            // Digits past what a double holds, or just short of it, where a speed in KBits or
            // KBytes is finite but its bytes per second are not.
            const int lengths[] = {309, 320, below(5000) + 1};
            std::string digits(static_cast<std::size_t>(lengths[below(3)]), '0');
            for (char& c : digits) {
                c = static_cast<char>('0' + below(10));
            }
            digits[0] = digits.size() == 309 ? '1' : digits[0];
            return digits;
        }
        case 4:
            return {};
        case 5: {
            static const char* junk[] = {" 5", "-5", "1e3",     "\"25000\"", "abc",   "1..2", ".",
                                         "5.", ".5", "20000.5", "0",         "45.49", "100.5"};
            return junk[below(static_cast<int>(std::size(junk)))];
        }
        default: {
            std::string bytes(static_cast<std::size_t>(below(8)), '\0');
            for (char& c : bytes) {
                c = static_cast<char>(below(256));
            }
            return bytes;
        }
        }
    }

    // A small config file: known cvars with fitting and unfitting values, junk, all line ends.
    std::string file() {
        static const char* ends[] = {"\r\n", "\n", "\r"};
        std::string bytes = below(8) == 0 ? "\xEF\xBB\xBF" : "";
        for (int line = below(8) + 1; line > 0; --line) {
            const auto& cvar = knownCvars[static_cast<std::size_t>(below(knownCvarCount))];
            bytes += below(10) == 0 ? "bind \"x\"" : std::string(cvar.name);
            bytes += " ";
            std::string value = below(2) == 0 ? std::to_string(below(9) - 1) : text();
            if (!cvar.entries.empty() && below(2) == 0) {
                value = cvar.entries[static_cast<std::size_t>(
                    below(static_cast<int>(cvar.entries.size())))];
            }
            bytes += below(4) == 0 ? "\"" + value + "\"" : value;
            bytes += below(6) == 0 ? " // comment" : "";
            bytes += ends[below(3)];
        }
        return bytes;
    }

    std::mt19937 random_;
    std::vector<EditorId> pairs_ = editorsOf({EditorKind::OptionPair});
    std::vector<EditorId> lists_ = editorsOf({EditorKind::List});
    std::vector<EditorId> texts_ = editorsOf({EditorKind::Field, EditorKind::Label});
    std::vector<EditorId> withButton_ = [] {
        std::vector<EditorId> ids;
        for (EditorId id = 0; id < editorCount; ++id) {
            if (!editor(id).defaultButton.empty()) {
                ids.push_back(id);
            }
        }
        return ids;
    }();
};

// A byte rate and the packet rate derived from it.
struct Derivation {
    EditorId rate;
    EditorId packet;
    double divisor;
    double packetCap;
    std::optional<std::string> lastNumber; // the rate's last number text in this action

    [[nodiscard]] std::string expected() const {
        const double derived = rates::roundHalfEven(*rates::parseRate(*lastNumber) / divisor);
        return rates::wholeNumberText(std::min(packetCap, derived));
    }
};

// A speed field and the byte rate it fills in.
struct SpeedChange {
    const rates::SpeedRule& rule;
    bool changed = false; // set straight in this action

    // What is wrong with the rate after the speed changed, or an empty text.
    [[nodiscard]] std::string problem(const Engine& engine) const {
        const auto speed = rates::parseSpeed(engine.text(findEditor(rule.speedField)));
        if (!changed || !speed) {
            return {};
        }
        const auto unit = static_cast<rates::SpeedUnit>(engine.selected(findEditor(rule.unitList)));
        const double limit = testing_support::rateRule(rule.rateField)->limit;
        const double bytes = rates::roundHalfEven(rates::bytesPerSecond(*speed, unit));
        const std::string expected = rates::wholeNumberText(std::min(limit, bytes));
        const std::string& rate = engine.text(findEditor(rule.rateField));
        return rate == expected ? std::string()
                                : std::string(rule.rateField) + " holds \"" + shown(rate) +
                                      "\", not the " + expected + " its speed gives";
    }
};

} // namespace

TEST(Soak, RandomActionsKeepTheEngineConsistent) {
    const std::uint32_t seed = soakSeed();
    Player player(seed);
    Engine engine;
    std::vector<Derivation> derivations{
        {findEditor("txtRate"), findEditor("txtURate"), 280, 45, {}},
        {findEditor("txtClRate"), findEditor("txtCMDRate"), 140, 100, {}},
    };
    std::vector<SpeedChange> speeds{{rates::speedRules[0]}, {rates::speedRules[1]}};
    // A packet rate set straight (by a preset, a load or a typist) is no derivation.
    engine.onEditorChanged = [&](EditorId id) {
        for (auto& speed : speeds) {
            speed.changed |= id == findEditor(speed.rule.speedField) && engine.handlerDepth() == 0;
        }
        for (auto& d : derivations) {
            if (id == d.rate) {
                d.lastNumber.reset();
                if (rates::parseRate(engine.text(id))) {
                    d.lastNumber = engine.text(id);
                }
            } else if (id == d.packet && engine.handlerDepth() == 0) {
                d.lastNumber.reset();
            }
        }
    };

    std::deque<std::string> recent;
    for (int action = 0; action < actionCount; ++action) {
        for (auto& d : derivations) {
            d.lastNumber.reset();
        }
        for (auto& speed : speeds) {
            speed.changed = false;
        }
        recent.push_back(player.act(engine));
        if (recent.size() > 21) {
            recent.pop_front();
        }
        std::string problem = testing_support::invariantViolation(engine);
        for (const auto& d : derivations) {
            if (problem.empty() && d.lastNumber && engine.text(d.packet) != d.expected()) {
                problem = std::string(editor(d.packet).name) + " holds \"" +
                          shown(engine.text(d.packet)) + "\", not the " + d.expected() + " that " +
                          *d.lastNumber + " gives";
            }
        }
        for (const auto& speed : speeds) {
            if (problem.empty()) {
                problem = speed.problem(engine);
            }
        }
        if (!problem.empty()) {
            std::string history;
            for (const auto& line : recent) {
                history += "\n  " + line;
            }
            FAIL() << "QUARVEL_SOAK_SEED=" << seed << ", action " << action << ": " << problem
                   << "\nthe action and the ones before it, oldest first:" << history;
        }
    }
}
