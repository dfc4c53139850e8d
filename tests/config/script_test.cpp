// The script: byte for byte, after start-up and after each preset, and the banner after it.

#include "config/script.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace quarvel;

namespace {

std::string expectedScript(std::string_view name) {
    return TempFolder::readFile(std::string(QUARVEL_TEST_DATA "/scripts/") + std::string(name) +
                                ".cfg");
}

} // namespace

TEST(Script, MatchesTheExpectedTextAfterStartUpAndEachPresetForEachGameVersion) {
    const std::pair<Preset, const char*> presets[] = {{Preset::HighQuality, "hiq"},
                                                      {Preset::Default, "default"},
                                                      {Preset::HighFps, "fps"},
                                                      {Preset::DieHardFps, "dhfps"}};
    EXPECT_EQ(buildScript(Engine().tweakLines()), expectedScript("default"));
    // Today's game: its own start values for the rates, a section of the settings only it knows,
    // and no gl_ztrick, which it no longer knows.
    for (const auto& [version, prefix] :
         {std::pair(GameVersion::Classic, ""), std::pair(GameVersion::Steam, "steam-")}) {
        for (const auto& [preset, name] : presets) {
            Engine engine;
            engine.setGameVersion(version);
            engine.applyPreset(preset);
            EXPECT_EQ(buildScript(engine.tweakLines(), version),
                      expectedScript(std::string(prefix) + name))
                << prefix << name;
        }
    }
    // Today's game raises a rate below its least value at start: the script writes that value
    // instead. A typed rate stays in its field; the classic game has no least value.
    Engine slow;
    slow.setGameVersion(GameVersion::Steam);
    slow.setText(editorId("txtURate"), "5");
    slow.setText(editorId("txtRate"), "0999.5");
    const std::string script = buildScript(slow.tweakLines(), GameVersion::Steam);
    EXPECT_NE(script.find("\r\nrate 1000\r\ncl_updaterate 10\r\n"), std::string::npos) << script;
    EXPECT_NE(buildScript(slow.tweakLines()).find("\r\ncl_updaterate 10\r\n"), std::string::npos);
    slow.setText(editorId("txtURate"), "5");
    EXPECT_NE(buildScript(slow.tweakLines()).find("\r\ncl_updaterate 5\r\n"), std::string::npos);

    // The banner that follows the script begins after an empty line, so that it cannot run into
    // the script's last line.
    EXPECT_TRUE(echoBanner().starts_with("\r\n\r\necho "));
}
