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
    // The banner that follows the script begins after an empty line, so that it cannot run into
    // the script's last line.
    EXPECT_TRUE(echoBanner().starts_with("\r\n\r\necho "));
}
