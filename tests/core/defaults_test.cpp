// The DEFAULT buttons: each puts its own editor back to the Default preset's state.

#include "support/editors.h"

#include <gtest/gtest.h>

using namespace quarvel;
using testing_support::id;

namespace {

// Moves every tweak editor away from its default state, without touching the rate chain.
void leaveDefaults(Engine& engine) {
    engine.applyPreset(Preset::HighQuality);
    for (int slot = 0; slot < slotCount; ++slot) {
        if (editor(slot).kind == EditorKind::OptionPair) {
            engine.selectOption(slot, 1 - engine.selected(slot));
        } else if (editor(slot).kind == EditorKind::Field) {
            engine.setText(slot, "3");
        }
    }
}

} // namespace

TEST(DefaultButtons, EachRestoresItsEditorAndNoOtherTweak) {
    const Engine pristine;
    for (int slot = 0; slot < slotCount; ++slot) {
        const auto& def = editor(slot);
        if (def.defaultButton.empty()) {
            EXPECT_FALSE(Engine().pressDefault(slot)) << def.name; // lists have no button
            continue;
        }
        Engine engine;
        leaveDefaults(engine);
        const TweakLines before = engine.tweakLines();
        ASSERT_TRUE(engine.pressDefault(findDefaultButton(def.defaultButton)));
        EXPECT_EQ(engine.slot(slot), pristine.slot(slot)) << def.defaultButton;
        for (int other = 0; other < slotCount; ++other) {
            // Rate and Client Rate derive their packet rates; every other button is alone.
            const bool derived = (def.name == "txtRate" && other == id("txtURate")) ||
                                 (def.name == "txtClRate" && other == id("txtCMDRate"));
            if (other != slot && !derived) {
                EXPECT_EQ(engine.slot(other), before[other])
                    << def.defaultButton << " changed slot " << other;
            }
        }
    }
}

TEST(DefaultButtons, RateButtonsAlsoDeriveThePacketRates) {
    Engine engine;
    engine.setText(id("txtRate"), "12000");
    engine.setText(id("txtClRate"), "3000");
    ASSERT_EQ(engine.text(id("txtURate")), "43");
    engine.pressDefault(id("txtRate"));
    EXPECT_EQ(engine.text(id("txtRate")), "7500");
    EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 27");
    engine.pressDefault(id("txtClRate"));
    EXPECT_EQ(engine.slot(id("txtCMDRate")), "cl_cmdrate 71");
    engine.pressDefault(id("txtURate"));
    engine.pressDefault(id("txtCMDRate"));
    EXPECT_EQ(engine.text(id("txtURate")), "20");
    EXPECT_EQ(engine.text(id("txtCMDRate")), "30");
    EXPECT_EQ(engine.text(id("txtRate")), "7500");
}
