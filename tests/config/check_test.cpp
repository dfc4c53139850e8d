// Whether the tweaks held: what the game's own configs say about the installed script.

#include "config/check.h"
#include "config/install.h"
#include "config/script.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace quarvel;

namespace {

struct Checked {
    bool failed = false;
    bool held = false;
    std::vector<std::string> lines;
};

Checked check(const TempFolder& game, RateLimits limits = RateLimits::Classic) {
    const CheckReport report = checkTweaks(game.path(), limits);
    Checked checked{.failed = report.failure.has_value(), .held = report.held(), .lines = {}};
    for (const Sentence& line : report.lines) {
        checked.lines.push_back(sentenceText(line));
    }
    if (report.failure) {
        checked.lines.push_back(describe(*report.failure));
    }
    return checked;
}

void install(const TempFolder& game, const std::string& script, bool userconfig = false) {
    ASSERT_TRUE(
        InstallTweaks(game.path(), script, systemFileIo(), {.userconfig = userconfig}).installed());
}

} // namespace

TEST(Check, SaysWhetherTheTweaksAreInstalledRunAndHeld) {
    Engine engine;
    engine.setRateLimits(RateLimits::Steam);
    engine.setText(editorId("txtRate"), "25000");
    const std::string script = buildScript(engine.tweakLines());

    TempFolder nothing;
    EXPECT_EQ(check(nothing).lines,
              std::vector<std::string>{
                  "quarvel.cfg is not there: the tweaks are not installed in this folder."});

    TempFolder held;
    install(held, script, true);
    // As the game saves it: quoted values, numbers in its own way, words in any case.
    held.write("config.cfg", "rate \"25000.000000\"\ngl_texturemode \"GL_LINEAR_MIPMAP_NEAREST\"\n"
                             "cl_himodels \"0\"\nexec userconfig.cfg\n");
    const Checked all = check(held, RateLimits::Steam);
    EXPECT_TRUE(all.held);
    EXPECT_EQ(all.lines, (std::vector<std::string>{"autoexec.cfg runs quarvel.cfg.",
                                                   "userconfig.cfg runs quarvel.cfg.",
                                                   "Every setting of quarvel.cfg held."}));

    TempFolder overridden;
    install(overridden, script);
    overridden.write("config.cfg", "cl_himodels \"1\"\r\nrate \"30000\"\r\ngl_picmip \"0\"\r\n");
    const Checked two = check(overridden);
    EXPECT_FALSE(two.held || two.failed);
    EXPECT_EQ(two.lines,
              (std::vector<std::string>{
                  "autoexec.cfg runs quarvel.cfg.",
                  "config.cfg holds cl_himodels \"1\" where quarvel.cfg sets \"0\": the game "
                  "saved another value at its last exit.",
                  "config.cfg holds rate \"30000\" where quarvel.cfg sets \"25000\": the game "
                  "saved another value at its last exit.",
                  "quarvel.cfg sets rate to 25000, above 20000, the most the classic game takes.",
                  "quarvel.cfg sets cl_updaterate to 89, above 45, the most the classic game "
                  "takes.",
                  "config.cfg sets rate to 30000, above 20000, the most the classic game "
                  "takes."}));

    TempFolder notRun;
    install(notRun, script);
    notRun.write("autoexec.cfg", "bind x jump\r\n");
    EXPECT_EQ(check(notRun, RateLimits::Steam).lines,
              (std::vector<std::string>{
                  "quarvel.cfg is there, but neither autoexec.cfg nor userconfig.cfg runs it.",
                  "config.cfg is not there: the game has not saved its settings here yet."}));
}

TEST(Check, AFolderOrConfigThatCannotBeReadIsAFailure) {
    TempFolder game;
    const CheckReport missing = checkTweaks(game.path("missing"), RateLimits::Classic);
    ASSERT_TRUE(missing.failure);
    EXPECT_EQ(describe(*missing.failure), "Could not read \"" + pathText(game.path("missing")) +
                                              "\": No such file or directory.");
    game.makeDirs("config.cfg");
    const Checked folder = check(game);
    EXPECT_TRUE(folder.failed);
    EXPECT_EQ(folder.lines.back(), "Could not read \"" + pathText(game.path("config.cfg")) +
                                       "\": it is not a regular file.");
}
