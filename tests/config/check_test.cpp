// Whether the tweaks held: the game's start-up followed through real folder layouts.

#include "config/check.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <map>

using namespace quarvel;

namespace {

// The check's lines, and its exit status as quarvel-cli gives it: 0 held, 4 findings, 1 failed.
struct Checked {
    std::vector<std::string> lines;
    int status = 0;

    bool operator==(const Checked&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Checked& checked) {
        for (const std::string& line : checked.lines) {
            out << "\n  " << line;
        }
        return out << "\n  exit " << checked.status;
    }
};

Checked check(const std::filesystem::path& game, GameVersion version) {
    const CheckReport report = checkTweaks(game, version);
    Checked checked{.lines = {}, .status = report.failure ? 1 : report.held() ? 0 : 4};
    for (const Sentence& line : report.lines) {
        checked.lines.push_back(sentenceText(line));
    }
    if (report.failure) {
        checked.lines.push_back(describe(*report.failure));
    }
    return checked;
}

const std::string script = "// Quarvel v3\r\n\r\ncl_updaterate 102\r\nrate 100000\r\n"
                           "gl_picmip 1\r\n\r\necho \"Optimisations Loaded\"\r\n";
const std::string runs = "autoexec.cfg runs quarvel.cfg.";
const std::string userconfigRuns = "userconfig.cfg runs quarvel.cfg.";
const std::string held = "Every setting of quarvel.cfg held.";
const std::string noSettings =
    "config.cfg is not there: the game has not saved its settings here yet.";
const std::string remedy =
    "To make them hold, install again with \"Also run after the game's own settings\" (install "
    "--userconfig): quarvel.cfg then runs after config.cfg.";
const std::string userconfigWaits =
    "userconfig.cfg runs quarvel.cfg, but config.cfg does not run userconfig.cfg yet: the game "
    "adds that line when it next saves its settings at exit.";

} // namespace

TEST(Check, FollowsTheGamesStartUpThroughEveryLayout) {
    struct Layout {
        const char* what;
        std::map<std::string, std::string> files; // quarvel.cfg is `script` unless given
        Checked expected;
        GameVersion version = GameVersion::Steam;
    };
    const std::string hook = "exec quarvel.cfg\r\n";
    std::string deep = "exec d1.cfg\r\n";
    std::map<std::string, std::string> chain{{"autoexec.cfg", deep}};
    for (int depth = 1; depth <= 16; ++depth) {
        chain["d" + std::to_string(depth) + ".cfg"] =
            depth < 16 ? "exec d" + std::to_string(depth + 1) + ".cfg" : hook;
    }
    const Layout layouts[] = {
        {"config.cfg overrides and nothing runs quarvel.cfg after it",
         {{"autoexec.cfg", hook},
          {"config.cfg", "cl_updaterate \"60\"\nrate \"100000.0\"\nexec userconfig.cfg\n"}},
         {{runs, "config.cfg line 1 sets cl_updaterate \"60\" after quarvel.cfg sets \"102\".",
           remedy},
          4}},
        {"config.cfg overrides, but userconfig.cfg runs quarvel.cfg after it",
         {{"autoexec.cfg", hook},
          {"userconfig.cfg", hook},
          {"config.cfg", "cl_updaterate \"60\"\nrate \"100000.0\"\nexec userconfig.cfg\n"}},
         {{runs, userconfigRuns, held}, 0}},
        {"a shipped config.cfg that does not run userconfig.cfg yet",
         {{"autoexec.cfg", hook}, {"userconfig.cfg", hook}, {"config.cfg", "cl_updaterate 60"}},
         {{runs, userconfigWaits,
           "config.cfg line 1 sets cl_updaterate \"60\" after quarvel.cfg sets \"102\"."},
          4}},
        {"quarvel.cfg run only by userconfig.cfg, which config.cfg does not run yet",
         {{"userconfig.cfg", hook}, {"config.cfg", "rate 30000"}},
         {{"quarvel.cfg is there, but nothing the game runs at start runs it yet.",
           userconfigWaits},
          4}},
        {"the player's own line after the exec line in autoexec.cfg",
         {{"autoexec.cfg", hook + "gl_picmip 2 // sharper\r\n"}},
         {{runs, "autoexec.cfg line 2 sets gl_picmip \"2\" after quarvel.cfg sets \"1\".",
           noSettings},
          4}},
        {"the player's own line after the exec line in userconfig.cfg",
         {{"autoexec.cfg", hook},
          {"userconfig.cfg", "exec quarvel.cfg\nCL_UPDATERATE 80\n"},
          {"config.cfg", "exec userconfig.cfg"}},
         {{runs, userconfigRuns,
           "userconfig.cfg line 2 sets cl_updaterate \"80\" after quarvel.cfg sets \"102\"."},
          4}},
        // A ';' in quotes joins nothing, one in a comment still does; names in any case, quoted
        // values, numbers written another way.
        {"joined commands, comments, quotes and numbers",
         {{"autoexec.cfg", "bind w \"+forward; exec other.cfg\"; EXEC \"quarvel.cfg\" // mine\r\n"
                           "// rate 5000; cl_updaterate 60\r\n"},
          {"other.cfg", "rate 1"},
          {"config.cfg", "gl_picmip \"1.0\"\r\nRATE \"100000\"\r\nexec userconfig.cfg\r\n"}},
         {{runs, "autoexec.cfg line 2 sets cl_updaterate \"60\" after quarvel.cfg sets \"102\"."},
          4}},
        {"an exec chain",
         {{"autoexec.cfg", "exec a.cfg"},
          {"a.cfg", "exec b.cfg"},
          {"b.cfg", "exec quarvel.cfg"},
          {"config.cfg", "exec userconfig.cfg"},
          {"userconfig.cfg", hook}},
         {{"b.cfg runs quarvel.cfg.", userconfigRuns, held}, 0}},
        {"an exec loop, and a missing file behind an exec line",
         {{"autoexec.cfg", "exec missing.cfg\r\n" + hook + "exec loop.cfg\r\n"},
          {"loop.cfg", "exec autoexec.cfg"}},
         {{runs,
           "loop.cfg line 1 runs autoexec.cfg, which is already running: the check does not "
           "enter it again.",
           noSettings},
          0}},
        {"a chain deeper than the check follows",
         chain,
         {{"quarvel.cfg is there, but neither autoexec.cfg nor userconfig.cfg runs it.",
           "d15.cfg line 1 runs d16.cfg more than 16 files deep: the check goes no deeper.",
           noSettings},
          4}},
        {"nothing installed", {{"quarvel.cfg", ""}}, {{}, 4}},
        {"quarvel.cfg not run",
         {{"autoexec.cfg", "bind x jump\r\n"}},
         {{"quarvel.cfg is there, but neither autoexec.cfg nor userconfig.cfg runs it.",
           noSettings},
          4}},
        {"an empty quarvel.cfg",
         {{"autoexec.cfg", hook}, {"quarvel.cfg", "\r\n"}},
         {{runs,
           "quarvel.cfg was not written by Quarvel: it does not begin with \"// Quarvel v3\".",
           "quarvel.cfg sets nothing.", noSettings},
          4}},
        {"a quarvel.cfg of the player's own",
         {{"autoexec.cfg", hook}, {"quarvel.cfg", "// Quarvel v35\r\nbind x jump\r\n"}},
         {{runs,
           "quarvel.cfg was not written by Quarvel: it does not begin with \"// Quarvel v3\".",
           "quarvel.cfg sets nothing.", noSettings},
          4}},
        {"rates beyond what the classic game takes",
         {{"autoexec.cfg", hook}, {"config.cfg", "rate 25000\r\nexec userconfig.cfg"}},
         {{runs, "config.cfg line 1 sets rate \"25000\" after quarvel.cfg sets \"100000\".", remedy,
           "quarvel.cfg sets rate to 100000, above 20000, the most the classic game takes.",
           "quarvel.cfg sets cl_updaterate to 102, above 45, the most the classic game takes.",
           "config.cfg sets rate to 25000, above 20000, the most the classic game takes."},
          4},
         GameVersion::Classic},
    };
    for (const Layout& layout : layouts) {
        TempFolder game;
        std::map<std::string, std::string> files = layout.files;
        files.try_emplace("quarvel.cfg", script);
        for (const auto& [name, content] : files) {
            if (!(name == "quarvel.cfg" && content.empty())) { // an empty text: no file at all
                game.write(name, content);
            }
        }
        Checked expected = layout.expected;
        if (expected.lines.empty()) {
            expected.lines = {"quarvel.cfg is not there: the tweaks are not installed in this "
                              "folder.",
                              noSettings};
        }
        EXPECT_EQ(check(game.path(), layout.version), expected) << layout.what;
    }
}

TEST(Check, OnlyAFolderThatCannotBeReadIsAFailureAndAnUnreadableConfigAFinding) {
    TempFolder game;
    EXPECT_EQ(check(game.path("missing"), GameVersion::Classic),
              (Checked{{"Could not read \"" + pathText(game.path("missing")) +
                        "\": No such file or directory."},
                       1}));
    game.write("quarvel.cfg", script);
    game.write("autoexec.cfg", "exec quarvel.cfg");
    game.write("config.cfg", "exec userconfig.cfg");
    game.makeDirs("userconfig.cfg");
    EXPECT_EQ(check(game.path(), GameVersion::Steam),
              (Checked{{runs, "userconfig.cfg cannot be read, so the start-up went on without it: "
                              "it is not a regular file."},
                       4}));
}
