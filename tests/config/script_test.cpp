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

int lineCount(std::string_view text) {
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
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
        const std::string script = buildScript(engine.tweakLines());
        EXPECT_EQ(script, expectedScript(name)) << name;
        EXPECT_EQ(lineCount(script), 70);
        EXPECT_EQ(std::count(script.begin(), script.end(), '\n'),
                  std::count(script.begin(), script.end(), '\r'));
    }
}

TEST(Script, EchoBannerHasEightEchoLinesAfterAnEmptyLine) {
    const std::string banner = echoBanner();
    EXPECT_TRUE(banner.starts_with("\r\n\r\necho \"\"\r\necho \"==============\"\r\n"));
    EXPECT_NE(banner.find("\r\necho \"      QUARVEL v3.2\"\r\n"), std::string::npos);
    EXPECT_NE(banner.find("\r\necho \"-------------------------\"\r\necho \" Optimisations "
                          "Loaded\"\r\n"),
              std::string::npos);
    EXPECT_TRUE(banner.ends_with("echo \"==============\"\r\necho \"\""));
    EXPECT_EQ(std::count(banner.begin(), banner.end(), '\n'), 9);
}
