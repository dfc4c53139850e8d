// Taking the tweaks out again: exactly the lines an install adds or finds, every other byte kept,
// and the same refusals as an install.

#include "config/exec_line.h"
#include "config/install.h"
#include "config/script.h"
#include "config/uninstall.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>

#ifndef _WIN32
#include <unistd.h>
#endif

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

TEST(Uninstall, TakesOutTheExecLineAndTheInstallsEmptyLinesOnly) {
    struct Case {
        std::string before;
        std::string after; // empty: the config does not run the script
    };
    const Case cases[] = {
        {"bind x jump\r\n\r\n\r\nexec quarvel.cfg\r\n", "bind x jump\r\n"}, // as installed
        {"\r\n\r\nexec quarvel.cfg\r\n", ""},                               // installed into ""
        {"exec quarvel.cfg\r\n", ""},                                       // made by an install
        {"a\nexec quarvel.cfg\nb\n", "a\nb\n"},         // the player's own line, in the middle
        {"a\n\n\nexec quarvel.cfg\n", "a\n"},           // Linux line ends
        {"a\r\r\rexec quarvel.cfg\r", "a\r"},           // old Mac line ends
        {"a\r\n\r\n\r\nexec quarvel.cfg", "a\r\n"},     // no line end after it
        {"a\r\n\r\nexec quarvel.cfg\r\n", "a\r\n\r\n"}, // one empty line is the player's
        {"a\r\n\r\n\r\n\r\nexec quarvel.cfg\r\n", "a\r\n\r\n"},
        {"exec quarvel.cfg\r\nb\r\n\r\n\r\nexec quarvel.cfg\r\n", "b\r\n"},
        {std::string("a\0b\r\n\r\n\r\nexec quarvel.cfg\r\n", 27), std::string("a\0b\r\n", 5)},
    };
    for (const Case& c : cases) {
        const auto without = withoutExecLine(c.before);
        ASSERT_TRUE(without) << c.before;
        EXPECT_EQ(*without, c.after) << c.before;
    }
    for (const char* lookalike :
         {"", "bind x jump\r\n", "exec quarvel.cfg \r\n", "Exec quarvel.cfg\r\n",
          "exec quarvel.cfg // tweaks\r\n", "exec quarvel.cfg.bak\r\n"}) {
        EXPECT_FALSE(withoutExecLine(lookalike)) << lookalike;
    }
}

TEST(Uninstall, AnInstallAndAnUninstallGiveBackThePlayersFiles) {
    for (const bool userconfig : {false, true}) {
        for (const std::string& original :
             {std::string("bind x jump\r\nname \"Player\"\r\n"), std::string(),
              std::string("a\r\n\r\n"), std::string("a\0\xff\r\n", 5)}) {
            SCOPED_TRACE(testing::Message() << userconfig << " " << original);
            TempFolder game;
            game.write("autoexec.cfg", original);
            game.write("userconfig.cfg", "cl_crosshair_color \"50 250 50\"\r\n");
            game.write("config.cfg", "rate \"25000\"\n");
            const TempFolder::Snapshot before = game.snapshot();
            ASSERT_TRUE(
                InstallTweaks(game.path(), script, systemFileIo(), {.userconfig = userconfig})
                    .installed());
            EXPECT_EQ(runsScript(game.read("userconfig.cfg")), userconfig);

            const UninstallResult result = UninstallTweaks(game.path());
            ASSERT_FALSE(result.failure) << describe(*result.failure);
            EXPECT_EQ(game.snapshot(), before);
            std::vector<std::string> expected{
                "The Quarvel tweaks have been removed from " + pathText(game.path()) + ":",
                "quarvel.cfg has been deleted.", "autoexec.cfg no longer runs quarvel.cfg."};
            if (userconfig) {
                expected.push_back("userconfig.cfg no longer runs quarvel.cfg.");
            }
            EXPECT_EQ(reportLines(game.path(), result), expected);

            const UninstallResult again = UninstallTweaks(game.path());
            EXPECT_FALSE(again.failure || again.removedAnything());
            EXPECT_EQ(reportLines(game.path(), again),
                      std::vector<std::string>{"No Quarvel tweaks were installed in " +
                                               pathText(game.path()) + "; nothing has changed."});
        }
    }
}

TEST(Uninstall, RefusesBeforeChangingAnythingWhatAnInstallWouldRefuse) {
    struct Case {
        const char* name;
        std::function<void(const TempFolder&)> lay;
        const char* file;
        const char* reason;
        bool needsRoot = false; // to give a file to another user
    };
    const Case cases[] = {
        {"a read-only autoexec.cfg",
         [](const TempFolder& game) {
             fs::permissions(game.path("autoexec.cfg"), fs::perms(0444));
         },
         "autoexec.cfg", "it is write-protected"},
        {"a read-only quarvel.cfg",
         [](const TempFolder& game) { fs::permissions(game.path("quarvel.cfg"), fs::perms(0444)); },
         "quarvel.cfg", "it is write-protected"},
        {"a directory for userconfig.cfg",
         [](const TempFolder& game) { game.makeDirs("userconfig.cfg"); }, "userconfig.cfg",
         "it is not a regular file"},
#ifndef _WIN32 // links and their owners are the system's own
        {"a quarvel.cfg link of another user",
         [](const TempFolder& game) {
             fs::remove(game.path("quarvel.cfg"));
             fs::create_symlink("/nonexistent/quarvel.cfg", game.path("quarvel.cfg"));
             EXPECT_EQ(::lchown(game.path("quarvel.cfg").c_str(), 65534, 65534), 0);
         },
         "quarvel.cfg", "it is a symbolic link that belongs to another user", true},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
#ifndef _WIN32
        if (c.needsRoot && ::geteuid() != 0) {
            continue;
        }
#endif
        TempFolder game;
        game.write("autoexec.cfg", "bind x jump\r\n");
        ASSERT_TRUE(InstallTweaks(game.path(), script).installed());
        c.lay(game);
        const TempFolder::Snapshot before = game.snapshot();
        const UninstallResult result = UninstallTweaks(game.path());
        ASSERT_TRUE(result.failure);
        EXPECT_NE(describe(*result.failure).find(pathText(game.path(c.file)) + "\": " + c.reason),
                  std::string::npos)
            << describe(*result.failure);
        EXPECT_FALSE(result.removedAnything());
        EXPECT_EQ(game.snapshot(), before);
        fs::permissions(game.path(), fs::perms(0755));
    }
}
