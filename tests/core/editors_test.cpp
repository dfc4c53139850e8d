// The editors: what each kind writes into its slot where no preset's script shows it, and the key
// filters.

#include "support/editors.h"

#include <gtest/gtest.h>

using namespace quarvel;
using testing_support::id;

TEST(Editors, WriteTheTextOfTheirState) {
    struct Case {
        const char* editor;
        const char* state;
        const char* slot;
    };
    const Case cases[] = {
        {"optClPred", "0", "cl_nopred 1"}, // prediction off: the cvar is inverted
        {"optBlood", "0", "violence_ablood 0\r\nviolence_hblood 0"},
        {"cmbCDFPS", "4", "cd_fps 5"},
        {"cmbWeather", "0", "cl_weather 3"}, // the weather falls as the index rises
        {"cmbTruform", "7", "ati_npatch 1\r\nati_subdiv 7"},
        {"txtCorpsestay", "", "cl_corpsestay "},
        {"txtRubble", "lots of it", "max_rubble lots of it"}, // a field writes what it holds
        {"txtCMDBackup", "", "cl_cmdbackup "},
    };
    for (const auto& c : cases) {
        Engine engine;
        ASSERT_TRUE(engine.setState(id(c.editor), c.state)) << c.editor;
        EXPECT_EQ(engine.slot(id(c.editor)), c.slot) << c.editor;
    }
}

TEST(Editors, KeyFiltersLetThroughDigitsBackspaceAndThePointOnlyWhereAllowed) {
    Engine engine;
    const EditorId corpses = id("txtCorpsestay");
    const EditorId hpk = id("txtHPKMax");
    for (const int refused : std::initializer_list<int>{'.', 'K', ' ', '-', '\r', 22, 3, 24}) {
        for (const char* field : {"txtCorpsestay", "txtRate", "txtDSpeed"}) {
            EXPECT_EQ(Engine::filterKey(id(field), refused), 0) << field << " " << refused;
        }
    }
    EXPECT_EQ(Engine::filterKey(id("cmbWeather"), '1'), 0);
    engine.setText(hpk, "");
    for (const char c : std::string("0.5")) {
        EXPECT_TRUE(engine.typeCharacter(hpk, c));
    }
    EXPECT_EQ(engine.slot(hpk), "hpk_maxsize 0.5");
    EXPECT_FALSE(engine.typeCharacter(corpses, '.'));
    EXPECT_TRUE(engine.typeCharacter(corpses, 8)); // Backspace
    EXPECT_EQ(engine.slot(corpses), "cl_corpsestay 1");
}
