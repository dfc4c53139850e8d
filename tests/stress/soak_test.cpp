// A long run of random actions on one engine, as a player clicking and typing at random would make
// them (loading files is the loader's fuzz target's). After every action the engine must be
// settled and consistent: every slot holds what its editor stands for and every rate is within its
// cap. The run replays from its seed (QUARVEL_SOAK_SEED), which a failure prints with the action's
// number.

#include "support/engine_invariants.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <functional>
#include <random>

using namespace quarvel;

namespace {

// Random actions, and what they type.
struct Player {
    std::mt19937 random;
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    template <typename List> auto pick(const List& list) {
        return list[static_cast<std::size_t>(below(static_cast<int>(std::size(list))))];
    }

    std::string bytes(int count, char low, int range) {
        std::string result(static_cast<std::size_t>(count), low);
        for (char& c : result)
            c = static_cast<char>(low + below(range));
        return result;
    }
    // What a field may be given: numbers of every shape; digits past what a double holds, or just
    // short of it, where a speed in KBits or KBytes is finite but its bytes per second are not;
    // junk, and numbers that give exact halves (40 bits a second, 70, 140 or 7140 over a packet
    // rate's divisor); any bytes.
    std::string text() {
        static const char* junk[] = {" 5",    "-5", "1e3", "\"25000\"", "abc", "1..2",
                                     ".",     "5.", ".5",  "20000.5",   "0",   "45.49",
                                     "100.5", "",   "40",  "70",        "140", "7140"};
        switch (below(5)) {
        case 0:
            return std::string(static_cast<std::size_t>(below(4)), '0') +
                   std::to_string(below(120001)) +
                   (below(2) ? "." + std::to_string(below(100)) : "");
        case 1:
        case 2:
            return pick(junk);
        default:
            return bytes(below(8), '\0', 256);
        }
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
    const std::function<void()> actions[] = {
        [&] { engine.applyPreset(player.pick(presetNames).preset); },
        [&] { engine.pressDefault(below(20) == 0 ? below(editorCount) : player.pick(buttons)); },
        [&] {
            const EditorId id = player.pick(below(2) == 0 ? pairs : lists);
            const bool pair = editor(id).kind == EditorKind::OptionPair;
            const int index = below(pair ? 5 : static_cast<int>(editor(id).items.size()) + 2) - 1;
            pair ? engine.selectOption(id, index) : engine.selectItem(id, index);
        },
        [&] {
            const EditorId field = player.pick(texts); // before the text, on every compiler
            engine.setText(field, player.text());
        },
        [&] {
            static constexpr int codes[] = {'0', '1', '2', '5', '9', '.', 8,
                                            8,   'a', ' ', '-', 0,   255, 0x20AC};
            const EditorId field = player.pick(texts);
            for (int n = below(6) + 1; n > 0; --n)
                engine.typeCharacter(field, player.pick(codes));
        },
        [&] {
            const EditorId id = below(editorCount + 2) - 1;
            engine.setState(id, below(2) == 0 ? std::to_string(below(12) - 1) : player.text());
        },
        [&] { engine.setGameVersion(player.pick(gameVersionNames).version); },
    };
    std::discrete_distribution<std::size_t> choose{1, 2, 4, 3, 3, 1, 1}; // the actions' weights

    for (int action = 0; action < 100'000; ++action) {
        actions[choose(player.random)]();
        ASSERT_EQ(testing_support::invariantViolation(engine), "")
            << "QUARVEL_SOAK_SEED=" << seed << ", action " << action;
    }
}
