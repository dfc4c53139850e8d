// The editors: what each kind writes into its slot, the key filters, and start-up.

#include "core/engine.h"

#include <gtest/gtest.h>

using namespace quarvel;

namespace {

EditorId id(std::string_view name) {
    const EditorId found = findEditor(name);
    EXPECT_GE(found, 0) << name;
    return found;
}

const std::string& slotOf(const Engine& engine, std::string_view name) {
    return engine.slot(id(name));
}

} // namespace

TEST(StartUp, EverySlotHoldsItsStartText) {
    const Engine engine;
    EXPECT_EQ(engine.slot(0), "cl_himodels 0\r\ngl_keeptjunctions 0");
    EXPECT_EQ(engine.slot(29), "ati_npatch 1\r\nati_subdiv 2");
    EXPECT_EQ(engine.slot(33), "cd_fps 0");
    EXPECT_EQ(engine.slot(47), "rate 7500");
    EXPECT_EQ(engine.slot(49), "mp_decals 300");
    EXPECT_EQ(engine.slot(52), "cl_cmdbackup 2");
    int lines = 0;
    for (const auto& text : engine.tweakLines()) {
        ASSERT_FALSE(text.empty());
        lines += 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    }
    EXPECT_EQ(lines, 59); // six tweaks write two cvars
    EXPECT_EQ(engine.text(id("lblUSpeed")), "KBits/s");
    EXPECT_EQ(engine.text(id("lblDSpeed")), "KBits/s");
    EXPECT_EQ(engine.text(id("txtUSpeed")), "");
    EXPECT_EQ(engine.handlerDepth(), 0);
}

TEST(OptionPairs, WriteOneOrTwoCvarsAndClientPredictionIsInverted) {
    Engine engine;
    engine.selectOption(id("optA3d"), 0);
    EXPECT_EQ(slotOf(engine, "optA3d"), "s_a3d 0");
    engine.selectOption(id("optBlood"), 1);
    EXPECT_EQ(slotOf(engine, "optBlood"), "violence_ablood 1\r\nviolence_hblood 1");
    engine.selectOption(id("optClPred"), 1);
    EXPECT_EQ(slotOf(engine, "optClPred"), "cl_nopred 0");
    engine.selectOption(id("optClPred"), 0);
    EXPECT_EQ(slotOf(engine, "optClPred"), "cl_nopred 1");
}

TEST(OptionPairs, SelectingTheSelectedMemberWritesTheSameTextAgain) {
    Engine engine;
    int writes = 0;
    engine.onSlotWritten = [&](int) { ++writes; };
    const std::string before = slotOf(engine, "optCull");
    engine.selectOption(id("optCull"), engine.selected(id("optCull")));
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(slotOf(engine, "optCull"), before);
}

TEST(Lists, ItemsWriteTheirLines) {
    Engine engine;
    engine.selectItem(id("cmbCDFPS"), 5);
    EXPECT_EQ(slotOf(engine, "cmbCDFPS"), "cd_fps 0");
    engine.selectItem(id("cmbCDFPS"), 4);
    EXPECT_EQ(slotOf(engine, "cmbCDFPS"), "cd_fps 5");
    engine.selectItem(id("cmbWeather"), 0);
    EXPECT_EQ(slotOf(engine, "cmbWeather"), "cl_weather 3");
    engine.selectItem(id("cmbTruform"), 7);
    EXPECT_EQ(slotOf(engine, "cmbTruform"), "ati_npatch 1\r\nati_subdiv 7");
    engine.selectItem(id("cmbTruform"), 0);
    EXPECT_EQ(slotOf(engine, "cmbTruform"), "ati_npatch 0\r\nati_subdiv 0");
}

TEST(NumericFields, WriteTheirTextUnchanged) {
    Engine engine;
    engine.setText(id("txtCorpsestay"), "");
    EXPECT_EQ(slotOf(engine, "txtCorpsestay"), "cl_corpsestay ");
    engine.setText(id("txtRubble"), "lots of it");
    EXPECT_EQ(slotOf(engine, "txtRubble"), "max_rubble lots of it");
    engine.setText(id("txtCMDBackup"), "");
    EXPECT_EQ(slotOf(engine, "txtCMDBackup"), "cl_cmdbackup ");
}

TEST(KeyFilters, LetThroughDigitsBackspaceAndThePointOnlyWhereAllowed) {
    Engine engine;
    const EditorId corpses = id("txtCorpsestay");
    const EditorId hpk = id("txtHPKMax");
    EXPECT_EQ(Engine::filterKey(corpses, '7'), '7');
    EXPECT_EQ(Engine::filterKey(corpses, 8), 8);
    for (const int refused : std::initializer_list<int>{'.', 'K', ' ', '-', '\r', 22, 3, 24}) {
        EXPECT_EQ(Engine::filterKey(corpses, refused), 0) << refused;
        EXPECT_EQ(Engine::filterKey(id("txtRate"), refused), 0) << refused;
        EXPECT_EQ(Engine::filterKey(id("txtDSpeed"), refused), 0) << refused;
    }
    EXPECT_EQ(Engine::filterKey(hpk, '.'), '.');
    EXPECT_EQ(Engine::filterKey(id("cmbWeather"), '1'), 0);

    engine.setText(hpk, "");
    for (const char c : std::string("0.5")) {
        EXPECT_TRUE(engine.typeCharacter(hpk, c));
    }
    EXPECT_EQ(slotOf(engine, "txtHPKMax"), "hpk_maxsize 0.5");
    EXPECT_FALSE(engine.typeCharacter(corpses, '.'));
    EXPECT_EQ(engine.text(corpses), "10");
    EXPECT_TRUE(engine.typeCharacter(corpses, 8));
    EXPECT_EQ(slotOf(engine, "txtCorpsestay"), "cl_corpsestay 1");
}
