// The script: byte for byte, after start-up and after each preset.

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

TEST(Script, MatchesTheExpectedTextAfterStartUpAndEachPreset) {
    const std::pair<Preset, const char*> presets[] = {{Preset::HighQuality, "hiq"},
                                                      {Preset::Default, "default"},
                                                      {Preset::HighFps, "fps"},
                                                      {Preset::DieHardFps, "dhfps"}};
    EXPECT_EQ(buildScript(Engine().tweakLines()), expectedScript("default"));
    for (const auto& [preset, name] : presets) {
        Engine engine;
        engine.applyPreset(preset);
        EXPECT_EQ(buildScript(engine.tweakLines()), expectedScript(name)) << name;
    }
}

TEST(Script, TheEchoBannerFollowsAnEmptyLine) {
    EXPECT_EQ(echoBanner(),
              "\r\n\r\necho \"\"\r\necho \"==============\"\r\n"
              "echo \"      QUARVEL v3.2\"\r\necho \"    https://www.quarvel.example/\"\r\n"
              "echo \"-------------------------\"\r\necho \" Optimisations Loaded\"\r\n"
              "echo \"==============\"\r\necho \"\"");
}
