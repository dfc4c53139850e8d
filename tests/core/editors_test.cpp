// The editors' key filters, the DEFAULT buttons and the presets.

#include "support/editors.h"

#include <gtest/gtest.h>

#include <map>

using namespace quarvel;
using testing_support::id;
using testing_support::type;

TEST(Editors, KeyFiltersLetThroughDigitsBackspaceAndThePointOnlyWhereAllowed) {
    for (const int refused : std::initializer_list<int>{'.', 'K', ' ', '-', '\r', 22, 3, 24}) {
        EXPECT_EQ(Engine::filterKey(id("txtRate"), refused), 0) << refused;
    }
    EXPECT_EQ(Engine::filterKey(id("cmbWeather"), '1'), 0);
    Engine engine;
    type(engine, "txtHPKMax", "0.5");
    EXPECT_EQ(engine.slot(id("txtHPKMax")), "hpk_maxsize 0.5");
    EXPECT_FALSE(engine.typeCharacter(id("txtCorpsestay"), '.'));
    EXPECT_TRUE(engine.typeCharacter(id("txtCorpsestay"), 8)); // Backspace
    EXPECT_EQ(engine.slot(id("txtCorpsestay")), "cl_corpsestay 1");
}

namespace {

// The packet rate a DEFAULT button derives again besides its own field, and its line.
using Derived = std::map<std::string_view, std::pair<std::string_view, std::string>>;

// Presses the DEFAULT button of a tweak with every tweak away from its default state.
void pressDefaultOf(int slot, GameVersion version, const Engine& pristine, const Derived& derived) {
    const auto& def = editor(slot);
    Engine engine;
    engine.setGameVersion(version);
    engine.applyPreset(Preset::HighQuality);
    for (int other = 0; other < slotCount; ++other) {
        if (editor(other).kind == EditorKind::OptionPair) {
            engine.selectOption(other, 1 - engine.selected(other));
        } else if (editor(other).kind == EditorKind::Field) {
            engine.setText(other, "3");
        }
    }
    const TweakLines before = engine.tweakLines();
    if (def.defaultButton.empty()) {
        EXPECT_FALSE(engine.pressDefault(slot)) << def.name; // lists have no button
        return;
    }
    ASSERT_TRUE(engine.pressDefault(findDefaultButton(def.defaultButton)));
    TweakLines expected = before;
    expected[slot] = pristine.slot(slot);
    if (const auto pair = derived.find(def.name); pair != derived.end()) {
        expected[id(pair->second.first)] = pair->second.second;
    }
    EXPECT_EQ(engine.tweakLines(), expected) << def.defaultButton;
}

} // namespace

TEST(DefaultButtons, EachRestoresItsEditorAndNoOtherTweakUnderEachGameVersion) {
    for (const GameVersion version : {GameVersion::Classic, GameVersion::Steam}) {
        // Rate and Client Rate derive their packet rates again; every other button is alone.
        const Derived derived{
            {"txtRate",
             {"txtURate", version == GameVersion::Classic
                              ? "cl_updaterate 27"          // 7500 / 280
                              : "cl_updaterate 102"}},      // 30000 / 280, capped
            {"txtClRate", {"txtCMDRate", "cl_cmdrate 71"}}, // 9999 / 140
        };
        Engine pristine;
        pristine.setGameVersion(version);
        for (int slot = 0; slot < slotCount; ++slot) {
            pressDefaultOf(slot, version, pristine, derived);
        }
    }
}

TEST(Presets, QualityPresetsKeepThePlayersConnectionAndDefaultKeepsTheSpeeds) {
    Engine engine;
    engine.setText(id("txtDSpeed"), "56");
    engine.setText(id("txtRate"), "5000");
    engine.selectOption(id("optClPred"), 0);
    for (const Preset preset : {Preset::HighQuality, Preset::HighFps, Preset::DieHardFps}) {
        engine.applyPreset(preset);
        EXPECT_EQ(engine.slot(id("txtRate")), "rate 5000");
        EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 18");
        EXPECT_EQ(engine.slot(id("optClPred")), "cl_nopred 1");
    }
    // The packet rate comes after the rate it is derived from, so it ends at its own default.
    engine.applyPreset(Preset::Default);
    EXPECT_EQ(engine.tweakLines(), Engine().tweakLines());
    EXPECT_EQ(engine.text(id("txtDSpeed")), "56");
}
