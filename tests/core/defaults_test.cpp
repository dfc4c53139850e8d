// The DEFAULT buttons: each puts its own editor back to the Default preset's state.

#include "core/engine.h"

#include <gtest/gtest.h>

using namespace quarvel;

namespace {

EditorId id(std::string_view name) {
    return findEditor(name);
}

// Moves every tweak editor away from its default state, without touching the rate chain.
void leaveDefaults(Engine& engine) {
    engine.applyPreset(Preset::HighQuality);
    for (int slot = 0; slot < slotCount; ++slot) {
        const auto& def = editor(slot);
        if (def.kind == EditorKind::OptionPair) {
            engine.selectOption(slot, 1 - engine.selected(slot));
        } else if (def.kind == EditorKind::Field) {
            engine.setText(slot, "3");
        }
    }
}

} // namespace

TEST(DefaultButtons, EachRestoresItsEditorAndNoOtherTweak) {
    const Engine pristine;
    int pressed = 0;
    int off = 0;
    for (int slot = 0; slot < slotCount; ++slot) {
        const auto& def = editor(slot);
        if (def.defaultButton.empty()) {
            continue;
        }
        ++pressed;
        Engine engine;
        leaveDefaults(engine);
        const TweakLines before = engine.tweakLines();
        ASSERT_TRUE(engine.pressDefault(def.defaultButton));
        EXPECT_EQ(engine.DefaultKey, def.key);
        EXPECT_EQ(engine.slot(slot), pristine.slot(slot)) << def.defaultButton;
        off += def.kind == EditorKind::OptionPair && engine.selected(slot) == 0;
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
    EXPECT_EQ(pressed, 41);
    EXPECT_EQ(off, 10);
}

TEST(DefaultButtons, RateButtonsAlsoDeriveThePacketRates) {
    Engine engine;
    engine.setText(id("txtRate"), "12000");
    engine.setText(id("txtClRate"), "3000");
    ASSERT_EQ(engine.text(id("txtURate")), "43");
    engine.pressDefault("cmdRate");
    EXPECT_EQ(engine.text(id("txtRate")), "7500");
    EXPECT_EQ(engine.text(id("txtURate")), "27");
    EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 27");
    engine.pressDefault("cmdClRate");
    EXPECT_EQ(engine.text(id("txtCMDRate")), "71");
    EXPECT_EQ(engine.slot(id("txtCMDRate")), "cl_cmdrate 71");

    engine.pressDefault("cmdURate");
    engine.pressDefault("cmdCMDrate");
    EXPECT_EQ(engine.text(id("txtURate")), "20");
    EXPECT_EQ(engine.text(id("txtCMDRate")), "30");
    EXPECT_EQ(engine.text(id("txtRate")), "7500");
}

TEST(DefaultButtons, UnknownNamesAndKeysDoNothing) {
    Engine engine;
    const TweakLines before = engine.tweakLines();
    EXPECT_FALSE(engine.pressDefault("cmdNothing"));
    engine.DefaultKey = "gl_texturemode"; // a list: lists have no DEFAULT button
    engine.selectItem(id("cmbTextureq"), 0);
    engine.applyDefault();
    EXPECT_EQ(engine.selected(id("cmbTextureq")), 0);
    engine.DefaultKey = "CL_NOPRED"; // keys compare case-sensitively
    engine.selectOption(id("optClPred"), 0);
    engine.applyDefault();
    EXPECT_EQ(engine.selected(id("optClPred")), 0);
    EXPECT_NE(engine.tweakLines(), before);
}
