// The presets: what they set, what they leave alone, and the order they set it in.

#include "support/editors.h"

#include <gtest/gtest.h>

using namespace quarvel;
using testing_support::id;
using testing_support::type;

TEST(Presets, CoverTheirOwnEditorsOnly) {
    // How many tweak slots each preset may change, and the speed-unit lists it selects.
    struct Coverage {
        Preset preset;
        int slots;
        bool units;
    };
    for (const auto& [preset, slots, units] :
         {Coverage{Preset::HighQuality, 41, false}, Coverage{Preset::Default, 53, true},
          Coverage{Preset::HighFps, 43, false}, Coverage{Preset::DieHardFps, 43, true}}) {
        Engine engine;
        // Every editor away from anything a preset sets.
        for (int slot = 0; slot < slotCount; ++slot) {
            if (editor(slot).kind == EditorKind::Field) {
                engine.setText(slot, "777");
            }
        }
        engine.selectItem(id("cmbSpeed"), 0);
        engine.selectItem(id("cmbSpeed2"), 2);
        const TweakLines before = engine.tweakLines();
        std::vector<int> written;
        engine.observe({.editorChanged = {},
                        .slotWritten = [&](int slot) { written.push_back(slot); },
                        .limitsChanged = {}});
        engine.applyPreset(preset);
        int touched = 0;
        for (int slot = 0; slot < slotCount; ++slot) {
            touched += std::count(written.begin(), written.end(), slot) > 0;
        }
        EXPECT_EQ(touched, slots) << static_cast<int>(preset);
        EXPECT_EQ(engine.selected(id("cmbSpeed")) == 1, units);
        EXPECT_EQ(engine.selected(id("cmbSpeed2")) == 1, units);
        if (!units) {
            EXPECT_EQ(engine.text(id("lblDSpeed")), "KBytes/s");
            EXPECT_EQ(engine.slot(id("txtRate")), before[id("txtRate")]);
        }
    }
}

TEST(Presets, DefaultAfterATypedRateSetsTheDerivedValueThenItsOwn) {
    Engine engine;
    type(engine, "txtRate", "12000"); // each keystroke runs the chain
    ASSERT_EQ(engine.text(id("txtURate")), "43");
    std::vector<std::string> updateRates;
    engine.observe({.editorChanged =
                        [&](EditorId changed) {
                            if (changed == id("txtURate")) {
                                updateRates.push_back(engine.text(changed));
                            }
                        },
                    .slotWritten = {},
                    .limitsChanged = {}});
    engine.applyPreset(Preset::Default);
    EXPECT_EQ(updateRates, (std::vector<std::string>{"27", "20"}));
    EXPECT_EQ(engine.slot(id("txtRate")), "rate 7500");
    EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 20");
}

TEST(Presets, QualityPresetsKeepTheUsersRatesAndDefaultKeepsTheSpeeds) {
    Engine engine;
    engine.setText(id("txtDSpeed"), "56");
    engine.setText(id("txtRate"), "5000");
    for (const Preset preset : {Preset::HighQuality, Preset::HighFps, Preset::DieHardFps}) {
        engine.applyPreset(preset);
        EXPECT_EQ(engine.slot(id("txtRate")), "rate 5000");
        EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 18");
    }
    engine.applyPreset(Preset::Default);
    EXPECT_EQ(engine.tweakLines(), Engine().tweakLines());
    EXPECT_EQ(engine.text(id("txtDSpeed")), "56");
}
