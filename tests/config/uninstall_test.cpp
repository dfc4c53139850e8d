// Taking the tweaks out again: exactly the lines an install adds or finds, every other byte kept.
// Its refusals are among the layouts of the install tests.

#include "config/uninstall.h"

#include "config/check.h"
#include "config/exec_line.h"
#include "config/install.h"
#include "config/script.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace quarvel;
namespace fs = std::filesystem;

namespace {

const std::string script = buildScript(Engine().tweakLines());

std::vector<std::string> reportLines(const fs::path& game, const UninstallResult& result) {
    std::vector<std::string> lines;
    for (const Sentence& sentence : uninstallReport(game, result)) {
        lines.push_back(sentenceText(sentence));
    }
    return lines;
}

} // namespace

TEST(Uninstall, TakesOutOnlyTheExecLineAndTheEmptyLinesAnInstallAdds) {
    struct Case {
        std::string config;
        std::string installed; // what an install makes of it; empty: it stays as it is
        std::optional<std::string> uninstalled; // what an uninstall makes of it
    };
    const std::string exec = "\r\n\r\nexec quarvel.cfg\r\n";
    // Lines that look like the exec line, but that the game does not run quarvel.cfg by.
    const std::string lookalikes = "exec quarvel.cfg.bak\r\n// exec quarvel.cfg\r\n"
                                   "echo exec quarvel.cfg\r\nexec\r\nexecquarvel.cfg\r\n";
    const Case cases[] = {
        {"", exec, std::nullopt},
        {"bind x jump", "bind x jump\r\n" + exec, std::nullopt},
        {"a\nb\n", "a\r\nb\r\n" + exec, std::nullopt}, // Linux line ends
        {"a\rb", "a\r\nb\r\n" + exec, std::nullopt},   // old Mac line ends
        {lookalikes, lookalikes + exec, std::nullopt},
        // The player's own forms that the game runs: no second line, and nothing taken out.
        {"EXEC quarvel.cfg\r\n", "", std::nullopt},
        {"exec \"quarvel.cfg\"\n", "", std::nullopt},
        {"exec quarvel.cfg // mine\n", "", std::nullopt},
        {" \texec quarvel.cfg \n", "", std::nullopt},
        {"bind w +forward; exec quarvel.cfg\n", "", std::nullopt},
        {std::string("a\0b\n", 4), std::string("a\0b\r\n", 5) + exec, std::nullopt},
        {"exec quarvel.cfg\r\n", "", ""},
        {"a\nexec quarvel.cfg\nb\n", "", "a\nb\n"},         // the player's own line, in the middle
        {"a\n\n\nexec quarvel.cfg\n", "", "a\n"},           // Linux line ends
        {"a\r\r\rexec quarvel.cfg\r", "", "a\r"},           // old Mac line ends
        {"a\r\n\r\n\r\nexec quarvel.cfg", "", "a\r\n"},     // no line end after it
        {"a\r\n\r\nexec quarvel.cfg\r\n", "", "a\r\n\r\n"}, // one empty line is the player's
        {"a\r\n\r\n\r\n\r\nexec quarvel.cfg\r\n", "", "a\r\n\r\n"},
        {"exec quarvel.cfg\r\nb\r\n\r\n\r\nexec quarvel.cfg\r\n", "", "b\r\n"},
        {std::string("a\0b\r\n\r\n\r\nexec quarvel.cfg\r\n", 27), "", std::string("a\0b\r\n", 5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.config);
        TempFolder game;
        game.write("autoexec.cfg", c.config);
        ASSERT_TRUE(installTweaks(game.path(), script).installed());
        EXPECT_EQ(game.read("autoexec.cfg"), c.installed.empty() ? c.config : c.installed);
        EXPECT_EQ(withoutExecLine(c.config), c.uninstalled);
    }
}

TEST(Uninstall, AnInstallAndAnUninstallGiveBackThePlayersFiles) {
    for (const bool userconfig : {false, true}) {
        for (const std::string& original :
             {std::string("bind x jump\r\nname \"Player\"\r\n"), std::string(),
              std::string("a\r\n\r\n"), std::string("a\0\xff\r\n", 5),
              // Line ends the install makes CR LF, and gives back.
              std::string("bind x jump\nname \"Player\"\n"), std::string("a\rb\r"),
              std::string("bind x jump")}) {
            SCOPED_TRACE(testing::Message() << userconfig << " " << original);
            TempFolder game;
            game.write("autoexec.cfg", original);
            game.write("userconfig.cfg", "cl_crosshair_color \"50 250 50\"\r\n");
            game.write("config.cfg", "rate \"25000\"\n");
            const TempFolder::Snapshot before = game.snapshot();
            ASSERT_TRUE(installTweaks(game.path(), script, systemFileIo(),
                                      {.userconfig = userconfig ? UserconfigChange::Add
                                                                : UserconfigChange::Leave})
                            .installed());
            EXPECT_EQ(runsScript(game.read("userconfig.cfg")), userconfig);

            const UninstallResult result = uninstallTweaks(game.path());
            ASSERT_FALSE(result.failure) << describe(*result.failure);
            EXPECT_EQ(game.snapshot(), before);
            std::vector<std::string> expected{
                "The Quarvel tweaks have been removed from " + pathText(game.path()) + ":",
                "quarvel.cfg has been deleted.", "autoexec.cfg no longer runs quarvel.cfg."};
            if (userconfig) {
                expected.push_back("userconfig.cfg no longer runs quarvel.cfg.");
            }
            EXPECT_EQ(reportLines(game.path(), result), expected);

            const UninstallResult again = uninstallTweaks(game.path());
            EXPECT_FALSE(again.failure || again.removedAnything());
            EXPECT_EQ(reportLines(game.path(), again),
                      std::vector<std::string>{"No Quarvel tweaks were installed in " +
                                               pathText(game.path()) + "; nothing has changed."});
        }
    }
}

TEST(Uninstall, ThePlayersOwnExecLineIsKeptAndSaidToStillRunTheScript) {
    // Each form the game's console runs quarvel.cfg by: the install adds no line of its own, the
    // check follows it, and the uninstall leaves it and says so.
    for (const std::string_view own :
         {"EXEC quarvel.cfg", "exec \"quarvel.cfg\"", "exec quarvel.cfg // mine",
          " \texec quarvel.cfg ", "bind w +forward; exec quarvel.cfg"}) {
        SCOPED_TRACE(own);
        TempFolder game;
        const std::string autoexec = "bind x jump\n" + std::string(own) + "\n";
        game.write("autoexec.cfg", autoexec);
        ASSERT_TRUE(installTweaks(game.path(), script).installed());
        EXPECT_EQ(game.read("autoexec.cfg"), autoexec);
        const CheckReport checked = checkTweaks(game.path(), {});
        EXPECT_TRUE(checked.held());
        EXPECT_EQ(sentenceText(checked.lines.at(0)), "autoexec.cfg runs quarvel.cfg.");

        const UninstallResult result = uninstallTweaks(game.path());
        ASSERT_FALSE(result.failure) << describe(*result.failure);
        EXPECT_EQ(game.snapshot(), (TempFolder::Snapshot{{"autoexec.cfg", autoexec}}));
        EXPECT_EQ(reportLines(game.path(), result),
                  (std::vector<std::string>{
                      "The Quarvel tweaks have been removed from " + pathText(game.path()) + ":",
                      "quarvel.cfg has been deleted.",
                      "autoexec.cfg still runs quarvel.cfg with a line of the player's own, which "
                      "was left as it is."}));
    }

    // Beside an install's own line, only that line comes out.
    TempFolder game;
    game.write("userconfig.cfg", "EXEC quarvel.cfg\r\n\r\n\r\nexec quarvel.cfg\r\n");
    game.write("quarvel.cfg", script);
    const UninstallResult result = uninstallTweaks(game.path());
    ASSERT_FALSE(result.failure) << describe(*result.failure);
    EXPECT_EQ(game.snapshot(), (TempFolder::Snapshot{{"userconfig.cfg", "EXEC quarvel.cfg\r\n"}}));
    EXPECT_EQ(reportLines(game.path(), result).at(2),
              "userconfig.cfg still runs quarvel.cfg with a line of the player's own, which was "
              "left as it is.");
}
