// A long run of random actions on one engine, as a player clicking, typing and loading files at
// random would make them. After every action the engine must be settled and consistent: every
// slot holds what its editor stands for and every rate is within its cap.
// The run replays from its seed (QUARVEL_SOAK_SEED); a failure prints the seed, the action's
// number and the 20 before it.

#include "config/known_cvars.h"
#include "config/loader.h"
#include "support/engine_invariants.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <deque>
#include <functional>
#include <random>

using namespace quarvel;
using testing_support::shown;

namespace {

// Random actions, and what they type or load.
struct Player {
    std::mt19937 random;
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    template <typename List> auto pick(const List& list) {
        return list[static_cast<std::size_t>(below(static_cast<int>(std::size(list))))];
    }

    // What a field may be given: numbers of every shape, huge digit strings, and junk.
    std::string text() {
        // Junk, and numbers that give exact halves: 40 bits a second, 70, 140 or 7140 over a
        // packet rate's divisor.
        static const char* junk[] = {" 5",    "-5", "1e3", "\"25000\"", "abc", "1..2",
                                     ".",     "5.", ".5",  "20000.5",   "0",   "45.49",
                                     "100.5", "",   "40",  "70",        "140", "7140"};
        switch (below(5)) {
        case 0:
            return std::string(static_cast<std::size_t>(below(4)), '0') +
                   std::to_string(below(120001)) +
                   (below(2) ? "." + std::to_string(below(100)) : "");
        case 1: {
            // Digits past what a double holds, or just short of it, where a speed in KBits or
            // KBytes is finite but its bytes per second are not.
            const int lengths[] = {309, 320, below(5000) + 1};
            return "1" + bytes(pick(lengths) - 1, '0', 10);
        }
        case 2:
            return pick(junk);
        default:
            return bytes(below(8), '\0', 256);
        }
    }
    std::string bytes(int count, char low, int range) {
        std::string result(static_cast<std::size_t>(count), low);
        for (char& c : result)
            c = static_cast<char>(low + below(range));
        return result;
    }

    // A small config file: known cvars with fitting and unfitting values, junk, all line ends.
    std::string file() {
        static const char* ends[] = {"\r\n", "\n", "\r"};
        std::string bytes = below(8) == 0 ? "\xEF\xBB\xBF" : "";
        for (int line = below(8) + 1; line > 0; --line) {
            const KnownCvar& cvar = pick(knownCvars);
            std::string value = below(2) == 0 ? std::to_string(below(9) - 1) : text();
            if (!cvar.entries.empty() && below(2) == 0)
                value = pick(cvar.entries);
            bytes += (below(10) == 0 ? std::string("bind \"x\"") : std::string(cvar.name)) + " " +
                     (below(4) == 0 ? "\"" + value + "\"" : value) +
                     (below(6) == 0 ? " // comment" : "") + pick(ends);
        }
        return bytes;
    }
};

} // namespace

TEST(Soak, RandomActionsKeepTheEngineConsistent) {
    const char* seedText = std::getenv("QUARVEL_SOAK_SEED");
    const auto seed =
        static_cast<std::uint32_t>(seedText ? std::strtoul(seedText, nullptr, 10) : 1996);
    Player player{std::mt19937(seed)};
    const auto below = [&](int n) { return player.below(n); };
    Engine engine;
    std::vector<EditorId> pairs, lists, texts, buttons;
    // The lists an option pair, a list, a field and a label go to.
    std::vector<EditorId>* const byKind[] = {&pairs, &lists, &texts, &texts};
    for (EditorId id = 0; id < editorCount; ++id) {
        byKind[static_cast<int>(editor(id).kind)]->push_back(id);
        if (!editor(id).defaultButton.empty())
            buttons.push_back(id);
    }
    const auto name = [](EditorId id) { return std::string(editor(id).name) + " "; };

    // Each action does something to the engine and says what it did.
    const std::function<std::string()> actions[] = {
        [&] {
            const Preset preset = player.pick(presetNames).preset;
            engine.applyPreset(preset);
            return "preset " + std::to_string(static_cast<int>(preset));
        },
        [&] {
            const EditorId id = below(20) == 0 ? below(editorCount) : player.pick(buttons);
            engine.pressDefault(id);
            return "default " + name(id);
        },
        [&] {
            const EditorId id = player.pick(below(2) == 0 ? pairs : lists);
            const bool pair = editor(id).kind == EditorKind::OptionPair;
            const int index = below(pair ? 5 : static_cast<int>(editor(id).items.size()) + 2) - 1;
            pair ? engine.selectOption(id, index) : engine.selectItem(id, index);
            return "select " + name(id) + std::to_string(index);
        },
        [&] {
            const EditorId field = player.pick(texts);
            const std::string typed = player.text();
            engine.setText(field, typed);
            return "text " + name(field) + "\"" + shown(typed) + "\"";
        },
        [&] {
            static constexpr int codes[] = {'0', '1', '2', '5', '9', '.', 8,
                                            8,   'a', ' ', '-', 0,   255, 0x20AC};
            const EditorId field = player.pick(texts);
            std::string what = "type " + name(field);
            for (int n = below(6) + 1; n > 0; --n) {
                const int code = player.pick(codes);
                engine.typeCharacter(field, code);
                what += std::to_string(code) + " ";
            }
            return what;
        },
        [&] {
            const EditorId id = below(editorCount + 2) - 1;
            const std::string state = below(2) == 0 ? std::to_string(below(12) - 1) : player.text();
            engine.setState(id, state);
            return "state " + std::to_string(id) + " \"" + shown(state) + "\"";
        },
        [&] {
            const std::string bytes = player.file(); // read in pieces by the loader's fuzz target
            LoadedValues values;
            ConfigReader reader(values);
            reader.feed(bytes);
            reader.finish();
            applyLoadedValues(engine, values);
            return "load \"" + shown(bytes) + "\"";
        },
        [&] {
            const RateLimitsName& limits = player.pick(rateLimitsNames);
            engine.setRateLimits(limits.limits);
            return "limits " + std::string(limits.shortName);
        },
    };
    std::discrete_distribution<std::size_t> choose{1, 2, 4, 3, 3, 1, 2, 1}; // the actions' weights

    std::deque<std::string> recent;
    for (int action = 0; action < 100'000; ++action) {
        recent.push_back(actions[choose(player.random)]());
        if (recent.size() > 21)
            recent.pop_front();
        const std::string problem = testing_support::invariantViolation(engine);
        if (!problem.empty()) {
            std::string history;
            for (const auto& line : recent)
                history += "\n  " + line;
            FAIL() << "QUARVEL_SOAK_SEED=" << seed << ", action " << action << ": " << problem
                   << "\nthe action and the ones before it, oldest first:" << history;
        }
    }
}
