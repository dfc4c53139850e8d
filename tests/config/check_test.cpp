// Whether the tweaks held: the game's start-up followed through real folder layouts.

#include "config/check.h"

#include "support/faulty_io.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace quarvel;
using namespace std::string_literals;

namespace {

const std::string remedy =
    "To make them hold, install again with \"Also run after the game's own settings\" (install "
    "--userconfig): quarvel.cfg then runs after config.cfg.";

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

Checked check(const std::filesystem::path& game, const CheckOptions& options) {
    const CheckReport report = checkTweaks(game, options);
    Checked checked{.lines = {}, .status = report.failure ? 1 : report.held() ? 0 : 4};
    for (const Sentence& line : report.lines) {
        checked.lines.push_back(sentenceText(line));
    }
    if (report.failure) {
        checked.lines.push_back(describe(*report.failure));
    }
    // A window finds the remedy where the report says it stands.
    EXPECT_EQ(report.runAfterSettings, report.remedyLine.has_value());
    if (report.remedyLine) {
        EXPECT_EQ(checked.lines.at(*report.remedyLine), remedy);
    }
    return checked;
}

const std::string script = "// Quarvel v3\r\n\r\ncl_updaterate 102\r\nrate 100000\r\n"
                           "gl_picmip 1\r\n\r\necho \"Optimisations Loaded\"\r\n";
const std::string hook = "exec quarvel.cfg\r\n";
const std::string runs = "autoexec.cfg runs quarvel.cfg.";
const std::string userconfigRuns = "userconfig.cfg runs quarvel.cfg.";
const std::string held = "Every setting of quarvel.cfg held.";
const std::string noSettings =
    "config.cfg is not there: the game has not saved its settings here yet.";
const std::string userconfigWaits =
    "userconfig.cfg runs quarvel.cfg, but config.cfg does not run userconfig.cfg yet: the game "
    "adds that line when it next saves its settings at exit.";

// `count` lines made by `line` from their number, from 1.
std::string linesOf(int count, const std::function<std::string(int)>& line) {
    std::string lines;
    for (int number = 1; number <= count; ++number) {
        lines += line(number) + "\r\n";
    }
    return lines;
}

// A line of exactly `length` characters that ends with `command`.
std::string lineEndingIn(std::size_t length, const std::string& command) {
    return "echo " + std::string(length - 6 - command.size(), 'x') + ";" + command;
}

struct Layout {
    const char* what;
    std::map<std::string, std::string> files; // quarvel.cfg is `script` unless given
    Checked expected;
    CheckOptions options = {.version = GameVersion::Steam};
};

// autoexec.cfg runs d1.cfg, which runs d2.cfg, and so on to d16.cfg, which runs quarvel.cfg.
std::map<std::string, std::string> chainOfSixteen() {
    std::string deep = "exec d1.cfg\r\n";
    std::map<std::string, std::string> chain{{"autoexec.cfg", deep}};
    for (int depth = 1; depth <= 16; ++depth) {
        chain["d" + std::to_string(depth) + ".cfg"] =
            depth < 16 ? "exec d" + std::to_string(depth + 1) + ".cfg" : hook;
    }
    return chain;
}

// x.cfg run under sixteen spellings of its name.
std::string runsItselfUnderSixteenSpellings() {
    return linesOf(16, [](int n) {
        std::string prefix;
        for (int part = 1; part < n; ++part) {
            prefix += part % 3 == 0 ? ".//" : "./";
        }
        return "exec " + prefix + "x.cfg";
    });
}

// Twelve files that each run the next eight times.
std::map<std::string, std::string> fanOutOfTwelve() {
    std::map<std::string, std::string> fanOut{{"autoexec.cfg", hook + "exec f1.cfg\r\n"}};
    for (int file = 1; file <= 12; ++file) {
        fanOut["f" + std::to_string(file) + ".cfg"] =
            file < 12
                ? linesOf(8, [&](int) { return "exec f" + std::to_string(file + 1) + ".cfg"; })
                : "";
    }
    return fanOut;
}

// The files, with those of `more` added or put in their place.
std::map<std::string, std::string> with(std::map<std::string, std::string> files,
                                        const std::map<std::string, std::string>& more) {
    for (const auto& [name, content] : more) {
        files[name] = content;
    }
    return files;
}

// A folder laid out as `layout` says is checked as it expects; a layout that expects no lines
// expects the tweaks not installed.
void expectCheck(const Layout& layout) {
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
    EXPECT_EQ(check(game.path(), layout.options), expected) << layout.what;
}

} // namespace

TEST(Check, FollowsTheGamesStartUpThroughEveryLayout) {
    const CheckOptions classic{.version = GameVersion::Classic};
    const auto chain = chainOfSixteen();
    // A file that runs itself under sixteen spellings; twelve files that each run the next eight
    // times; one file of a MiB run under seventy spellings.
    const std::string spellings = runsItselfUnderSixteenSpellings();
    const auto fanOut = fanOutOfTwelve();
    const std::string mebibyte = linesOf(1024, [](int) { return "// " + std::string(1019, 'x'); });
    const std::string scriptOfNumbers =
        "// Quarvel v3\r\nrate 100000\r\ncl_updaterate 102\r\nfps_max 100\r\ngl_picmip 1\r\n";
    const std::string lowRates = "// Quarvel v3\r\nrate 115\r\ncl_updaterate 0\r\n";
    const std::string classicRates =
        "// Quarvel v3\r\nrate 7500\r\ncl_rate 9999\r\ncl_updaterate 20\r\ncl_cmdrate 30\r\n";
    const std::map<std::string, std::string> hooked{
        {"autoexec.cfg", hook}, {"config.cfg", "exec userconfig.cfg"}, {"userconfig.cfg", hook}};
    const Layout layouts[] = {
        {"config.cfg overrides and nothing runs quarvel.cfg after it",
         {{"autoexec.cfg", hook},
          {"config.cfg", "cl_updaterate \"60\"\nrate \"100000.0\"\nexec userconfig.cfg\n"}},
         {{runs, "config.cfg line 1 sets cl_updaterate \"60\" after quarvel.cfg sets \"102\".",
           remedy},
          4}},
        {"config.cfg overrides, but userconfig.cfg runs quarvel.cfg after it",
         with(hooked, {{"config.cfg", "cl_updaterate \"60\"\nrate 100000.0\nexec userconfig.cfg"}}),
         {{runs, userconfigRuns, held}, 0}},
        {"a shipped config.cfg that does not run userconfig.cfg yet",
         with(hooked, {{"config.cfg", "cl_updaterate 60"}}),
         {{runs, userconfigWaits,
           "config.cfg line 1 sets cl_updaterate \"60\" after quarvel.cfg sets \"102\"."},
          4}},
        {"quarvel.cfg run only by userconfig.cfg, which config.cfg does not run yet",
         {{"userconfig.cfg", hook}, {"config.cfg", "rate 30000"}},
         {{"quarvel.cfg is there, but nothing the game runs at start runs it yet.",
           userconfigWaits},
          4}},
        {"userconfig.cfg run from autoexec.cfg, before config.cfg, and not from config.cfg",
         {{"autoexec.cfg", "exec userconfig.cfg"},
          {"userconfig.cfg", hook},
          {"config.cfg", "rate 25000"}},
         {{userconfigRuns, userconfigWaits,
           "autoexec.cfg line 1 runs userconfig.cfg before config.cfg: that is too early for what "
           "it runs to hold.",
           "config.cfg line 1 sets rate \"25000\" after quarvel.cfg sets \"100000\"."},
          4}},
        {"a userconfig.cfg of the player's own run from autoexec.cfg",
         {{"autoexec.cfg", hook + "exec userconfig.cfg"},
          {"userconfig.cfg", "bind x jump"},
          {"config.cfg", "rate 25000"}},
         {{runs,
           "autoexec.cfg line 2 runs userconfig.cfg before config.cfg: that is too early for what "
           "it runs to hold.",
           "config.cfg line 1 sets rate \"25000\" after quarvel.cfg sets \"100000\".", remedy},
          4}},
        {"the player's own line after the exec line in autoexec.cfg",
         {{"autoexec.cfg", hook + "gl_picmip 2 // sharper\r\n"}},
         {{runs, "autoexec.cfg line 2 sets gl_picmip \"2\" after quarvel.cfg sets \"1\".",
           noSettings},
          4}},
        {"the player's own line after the exec line in userconfig.cfg",
         with(hooked, {{"userconfig.cfg", "exec quarvel.cfg\nCL_UPDATERATE 80\n"}}),
         {{runs, userconfigRuns,
           "userconfig.cfg line 2 sets cl_updaterate \"80\" after quarvel.cfg sets \"102\"."},
          4}},
        // A ';' in quotes joins nothing, one in a comment still does; names in any case, quoted
        // values, numbers written another way; a name and a comment set nothing.
        {"joined commands, comments, quotes and numbers",
         {{"autoexec.cfg", "bind w \"+forward; exec other.cfg\"; EXEC \"quarvel.cfg\" // mine\r\n"
                           "// rate 5000; cl_updaterate 60\r\nrate // mine\r\n"},
          {"other.cfg", "rate 1"},
          {"config.cfg", "gl_picmip \"1e0\"\r\nRATE \" 100000\"\r\nexec userconfig.cfg\r\n"}},
         {{runs, "autoexec.cfg line 2 sets cl_updaterate \"60\" after quarvel.cfg sets \"102\"."},
          4}},
        {"numbers the game reads as equal",
         {{"quarvel.cfg", scriptOfNumbers},
          {"autoexec.cfg", hook},
          {"config.cfg", "rate \" 100000\"\ncl_updaterate \"+102\"\nfps_max \"100 \"\n"
                         "gl_picmip 1e0\nexec userconfig.cfg"}},
         {{runs, held}, 0}},
        // The console cuts a line at 1023 characters: the last digit of a 1024th is lost.
        {"lines of 1023 and 1024 characters",
         {{"autoexec.cfg", hook + lineEndingIn(1023, "rate 25000") + "\r\n" +
                               lineEndingIn(1024, "cl_updaterate 605") + "\r\n"}},
         {{runs, "autoexec.cfg line 3 sets cl_updaterate \"60\" after quarvel.cfg sets \"102\".",
           "autoexec.cfg line 2 sets rate \"25000\" after quarvel.cfg sets \"100000\".",
           noSettings},
          4}},
        {"an exec chain, through a .rc file",
         {{"autoexec.cfg", "exec a.cfg"},
          {"a.cfg", "exec b.cfg\nexec mine.rc"},
          {"b.cfg", "exec quarvel.cfg"},
          {"mine.rc", "rate 25000"},
          {"config.cfg", "exec userconfig.cfg"},
          {"userconfig.cfg", hook}},
         {{"b.cfg runs quarvel.cfg.", userconfigRuns, held}, 0}},
        {"a .rc file that undoes a setting",
         {{"autoexec.cfg", hook + "exec mine.rc"}, {"mine.rc", "rate 25000"}},
         {{runs, "mine.rc line 1 sets rate \"25000\" after quarvel.cfg sets \"100000\".",
           noSettings},
          4}},
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
        // Every spelling of a name is the same file.
        {"exec ./quarvel.cfg in userconfig.cfg alone",
         {{"userconfig.cfg", "exec ./quarvel.cfg"}, {"config.cfg", "exec userconfig.cfg"}},
         {{userconfigRuns, held}, 0}},
        {"config.cfg runs ./userconfig.cfg",
         with(hooked, {{"config.cfg", "rate 30000\nexec .//userconfig.cfg"}}),
         {{runs, userconfigRuns, held}, 0}},
        {"a file that runs itself under sixteen spellings",
         {{"autoexec.cfg", "exec x.cfg\r\n" + hook}, {"x.cfg", spellings}},
         {{runs,
           "x.cfg line 1 runs x.cfg, which is already running: the check does not enter it "
           "again.",
           noSettings},
          0}},
        {"twelve files that each run the next eight times",
         fanOut,
         {{runs, "the start-up runs more than 256 files; the check stopped at f11.cfg line 8.",
           noSettings},
          4}},
        {"a file of a MiB run under seventy spellings",
         {{"autoexec.cfg", hook + linesOf(70,
                                          [](int n) {
                                              return "exec " +
                                                     std::string(n % 2 == 0 ? ".//" : "./") +
                                                     (n % 3 == 0 ? "./" : "") + "big.cfg";
                                          })},
          {"big.cfg", mebibyte + "rate 25000\r\n"}},
         {{runs,
           "the start-up runs more than 64 MiB of configs; the check stopped at autoexec.cfg line "
           "65.",
           "big.cfg line 1025 sets rate \"25000\" after quarvel.cfg sets \"100000\".", noSettings},
          4}},
        {"more files named than the check looks at",
         {{"autoexec.cfg",
           hook + linesOf(4100, [](int n) { return "exec m" + std::to_string(n) + ".cfg"; })}},
         {{runs,
           "the start-up names more than 4096 files; the check stopped at autoexec.cfg line "
           "4094.",
           noSettings},
          4}},
        // Aliases run where a line names them, in any case; the last definition counts.
        {"an alias that undoes a setting",
         with(hooked, {{"autoexec.cfg", ""},
                       {"userconfig.cfg", "exec quarvel.cfg\nalias rates \"rate 25000; "
                                          "cl_updaterate 101\"\nrates\n"}}),
         {{userconfigRuns,
           "userconfig.cfg line 3 runs alias \"rates\", which sets cl_updaterate \"101\" after "
           "quarvel.cfg sets \"102\".",
           "userconfig.cfg line 3 runs alias \"rates\", which sets rate \"25000\" after "
           "quarvel.cfg sets \"100000\"."},
          4}},
        {"aliases that undo nothing",
         with(hooked,
              {{"userconfig.cfg", "exec quarvel.cfg\nalias RATES \"rate 100000.0\"\n"
                                  "alias never \"rate 1\"\nalias swap \"rate 5\"\n"
                                  "alias swap gl_picmip 1\nrates; Swap\nalias exec \"rate 2\"\n"
                                  "exec missing.cfg\n"}}),
         {{runs, userconfigRuns, held}, 0}},
        {"an alias that runs itself",
         {{"autoexec.cfg", hook + "alias loop \"cl_updaterate 60; loop\"\r\nloop\r\n"}},
         {{runs,
           "autoexec.cfg line 3 runs alias \"loop\", which runs itself without end: the check "
           "stopped following it after 1024 aliases.",
           "autoexec.cfg line 3 runs alias \"loop\", which sets cl_updaterate \"60\" after "
           "quarvel.cfg sets \"102\".",
           noSettings},
          4}},
        {"an alias that runs many others, and more alias runs than the check follows",
         {{"autoexec.cfg",
           hook +
               "alias a \"b;b;b;b;b;b;b;b;b;b;b;b\"\nalias b \"c;c;c;c;c;c;c;c;c;c;c;c\"\n"
               "alias c \"d;d;d;d;d;d;d;d;d;d;d;d\"\nalias d gl_picmip 1\na\n" +
               "alias loop loop\n" + linesOf(70, [](int) { return "loop"; })}},
         {{runs,
           "autoexec.cfg line 6 runs alias \"a\", which runs more than 1024 aliases: the check "
           "stopped following it there.",
           "autoexec.cfg line 8 runs alias \"loop\", which runs itself without end: the check "
           "stopped following it after 1024 aliases.",
           "the start-up runs aliases more than 65536 times; the check stopped at autoexec.cfg "
           "line 71.",
           noSettings},
          4}},
        {"more aliases than the check keeps",
         {{"autoexec.cfg",
           hook + linesOf(4100, [](int n) { return "alias a" + std::to_string(n) + " x"; })}},
         {{runs,
           "the start-up defines more than 4096 aliases; the check stopped at autoexec.cfg line "
           "4098.",
           noSettings},
          4}},
        // What a config holds reaches the terminal and the window with its controls escaped.
        {"control characters in a value",
         {{"autoexec.cfg", hook + "gl_picmip \"\x1b[2J\"\r\n" + "cl_updaterate \"6\0\""s}},
         {{runs,
           "autoexec.cfg line 3 sets cl_updaterate \"6\\x00\" after quarvel.cfg sets \"102\".",
           "autoexec.cfg line 2 sets gl_picmip \"\\x1b[2J\" after quarvel.cfg sets \"1\".",
           noSettings, "autoexec.cfg sets cl_updaterate 6\\x00; the game raises it to 10."},
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
        // The limits said are those of the rate rules; a value the game raises is a finding.
        {"rates beyond what the classic game takes",
         {{"autoexec.cfg", hook}, {"config.cfg", "rate 25000\r\nexec userconfig.cfg"}},
         {{runs, "config.cfg line 1 sets rate \"25000\" after quarvel.cfg sets \"100000\".", remedy,
           "quarvel.cfg sets rate to 100000, above 20000, the most the classic game takes.",
           "quarvel.cfg sets cl_updaterate to 102, above 45, the most the classic game takes.",
           "config.cfg sets rate to 25000, above 20000, the most the classic game takes."},
          4},
         classic},
        {"rates beyond what today's game takes",
         with(hooked, {{"config.cfg", "cl_cmdrate 1001\nexec userconfig.cfg"},
                       {"userconfig.cfg", "cl_updaterate 103"}}),
         {{runs, "userconfig.cfg line 1 sets cl_updaterate \"103\" after quarvel.cfg sets \"102\".",
           "userconfig.cfg sets cl_updaterate to 103, above 102, the most today's Steam game "
           "takes.",
           "config.cfg sets cl_cmdrate to 1001, above 1000, the most today's Steam game takes."},
          4}},
        {"rates today's game raises",
         with(hooked,
              {{"quarvel.cfg", lowRates}, {"config.cfg", "cl_cmdrate 101\nexec userconfig.cfg"}}),
         {{runs, userconfigRuns, "quarvel.cfg sets rate 115; the game raises it to 1000.",
           "quarvel.cfg sets cl_updaterate 0; the game raises it to 10."},
          4}},
        {"the same rates in the classic game",
         with(hooked,
              {{"quarvel.cfg", lowRates}, {"config.cfg", "cl_cmdrate 101\nexec userconfig.cfg"}}),
         {{runs, userconfigRuns,
           "config.cfg sets cl_cmdrate to 101, above 100, the most the classic game takes."},
          4},
         classic},
        {"the classic rates in a Steam library",
         with(hooked, {{"quarvel.cfg", classicRates}}),
         {{runs, userconfigRuns,
           "quarvel.cfg sets rate 7500, below 30000, where today's Steam game starts: a game in a "
           "Steam library is today's game.",
           "quarvel.cfg sets cl_updaterate 20, below 60, where today's Steam game starts: a game "
           "in a Steam library is today's game.",
           "quarvel.cfg sets cl_cmdrate 30, below 60, where today's Steam game starts: a game in a "
           "Steam library is today's game."},
          4},
         {.version = GameVersion::Classic, .inSteamLibrary = true}},
        {"the classic rates elsewhere",
         with(hooked, {{"quarvel.cfg", classicRates}}),
         {{runs, userconfigRuns, held}, 0},
         classic},
    };
    for (const Layout& layout : layouts) {
        expectCheck(layout);
    }
}

TEST(Check, OnlyAFolderThatCannotBeReadIsAFailureAndAnUnreadableConfigAFinding) {
    TempFolder game;
    EXPECT_EQ(check(game.path("missing"), {}),
              (Checked{{"Could not check \"" + pathText(game.path("missing")) +
                        "\": No such file or directory."},
                       1}));
    game.write("quarvel.cfg", script);
    game.write("autoexec.cfg", "exec quarvel.cfg");
    game.write("config.cfg", "exec userconfig.cfg");
    game.makeDirs("userconfig.cfg");
    EXPECT_EQ(check(game.path(), {.version = GameVersion::Steam}),
              (Checked{{runs, "userconfig.cfg cannot be read, so the start-up went on without it: "
                              "it is not a regular file."},
                       4}));

    // A folder the player may not open is the check's own failure.
    testing_support::FaultyIo refusing;
#ifdef _WIN32
    const int denied = ERROR_ACCESS_DENIED;
#else
    const int denied = EACCES;
#endif
    refusing.failCall(testing_support::Call::Lock, 1, denied);
    const CheckReport refused = checkTweaks(game.path(), {}, refusing);
    ASSERT_TRUE(refused.failure);
    EXPECT_EQ(describe(*refused.failure),
              "Could not check \"" + pathText(game.path()) +
                  "\": " + systemReason(std::error_code(denied, std::system_category())) + ".");
#ifndef _WIN32
    // A FIFO is a file that cannot be read, said once, and not one that is not there.
    std::filesystem::remove(game.path("config.cfg"));
    ASSERT_EQ(::mkfifo(game.path("config.cfg").c_str(), 0600), 0);
    EXPECT_EQ(check(game.path(), {.version = GameVersion::Steam}),
              (Checked{{runs, "config.cfg cannot be read, so the start-up went on without it: it "
                              "is not a regular file."},
                       4}));
#endif
}
