// quarvel-cli as other tools drive it: its output, bytes and exit status.

#include "config/install.h"
#include "config/script.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#ifdef _WIN32
#include "support/windows_process.h"
#else
#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using quarvel::pathText;
namespace fs = std::filesystem;

namespace {

using Arguments = std::vector<std::string>;

#ifdef _WIN32
using CliRun = quarvel::testing_support::ProcessRun;
#define NULL_DEVICE "NUL"

CliRun cli(const Arguments& arguments) {
    return quarvel::testing_support::runProcess(QUARVEL_CLI, arguments);
}
#else
struct CliRun {
    int status = -1;
    std::string out, err;
};
#define NULL_DEVICE "/dev/zero"

// Where quarvel-cli's standard output goes: into the run's `out`, into /dev/full, or into a pipe
// whose reader has already gone.
enum class Output { Kept, Full, Gone };

// Runs quarvel-cli with the arguments, in at most `kibibytes` of address space if that is given.
CliRun cli(const Arguments& arguments, Output output = Output::Kept, rlim_t kibibytes = 0) {
    TempFolder scratch;
    int gone[2];
    if (::pipe(gone) != 0 || ::close(gone[0]) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const auto file = [&](const char* name) {
            return ::open(scratch.path(name).c_str(), O_WRONLY | O_CREAT, 0600);
        };
        ::dup2(output == Output::Gone   ? gone[1]
               : output == Output::Full ? ::open("/dev/full", O_WRONLY)
                                        : file("out"),
               1);
        ::dup2(file("err"), 2);
        const rlim_t bytes = kibibytes > 0 ? kibibytes << 10 : RLIM_INFINITY;
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_AS, &limit);
        std::vector<const char*> argv(arguments.size() + 2, QUARVEL_CLI);
        std::ranges::transform(arguments, argv.begin() + 1,
                               [](auto& word) { return word.c_str(); });
        argv.back() = nullptr;
        ::execv(QUARVEL_CLI, const_cast<char* const*>(argv.data()));
        ::_exit(127);
    }
    ::close(gone[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status),
            output == Output::Kept ? scratch.read("out") : "", scratch.read("err")};
}
#endif

std::string expected(const char* name) {
    return TempFolder::readFile(std::string(QUARVEL_TEST_DATA "/scripts/") + name + ".cfg");
}

} // namespace

TEST(Cli, PrintsTheScriptBytesUnchanged) {
    // The same bytes on every system: the script's CR LF, and nothing added.
    EXPECT_EQ(cli({}).out, expected("default"));
    // Die Hard FPS with a 10 Mbit/s download for today's Steam game.
    std::string steam = expected("steam-dhfps");
    steam.replace(steam.find("rate 30000\r\n"), 12, "rate 100000\r\n");
    steam.replace(steam.find("cl_updaterate 60\r\n"), 18, "cl_updaterate 102\r\n");
    EXPECT_EQ(
        cli({"--limits", "steam", "--preset", "Die Hard FPS", "--type", "txtDSpeed=10240", "print"})
            .out,
        steam);
}

TEST(Cli, RunsEachKindOfStepInTheOrderGivenAndReportsTheState) {
    // A preset after a typed rate keeps it; --type goes through the key filter, --set does not;
    // a loaded file's quoted values count.
    TempFolder folder;
    folder.write("Configs Çà/config.cfg", "cl_shadows \"0\"\ncl_updaterate \"101\"\nfps_max 144\n");
    const CliRun run =
        cli({"--type", "txtRate=12000", "--preset", "hiq", "--type", "txtCorpsestay=1.5x", "--set",
             "txtRubble=a.b", "--set", "txtDecals=7", "--set", "cmbSpeed=2", "--set",
             "txtUSpeed=10", "--load", pathText(folder.path("Configs Çà/config.cfg")), "--default",
             "cmdDecals", "state"});
    ASSERT_EQ(run.status, 0) << run.err;
    // The load is done; what it could not take as the file gives it is said.
    EXPECT_EQ(run.err, "quarvel-cli: --load " + pathText(folder.path("Configs Çà/config.cfg")) +
                           ": cl_updaterate 101 lowered to 45 and 1 setting of today's game "
                           "skipped: choose --limits steam first to keep it\n");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 59);
    EXPECT_TRUE(run.out.starts_with("optHimodels=1\noptClear=1\noptCull=1\n"));
    for (const char* line :
         {"\noptShadows=0\n", "\ntxtCorpsestay=15\n", "\ntxtRubble=a.b\n",
          "\ntxtRate=12000\ntxtURate=45\ntxtDecals=300\n", "\ntxtClRate=9216\ntxtCMDRate=66\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
    EXPECT_TRUE(run.out.ends_with("\ntxtCMDBackup=2\ncmbSpeed=2\ntxtUSpeed=10\nlblUSpeed=KBytes/s\n"
                                  "cmbSpeed2=1\ntxtDSpeed=\nlblDSpeed=KBits/s\n"));
}

TEST(Cli, TodaysGameOffersItsOwnSettingsAndRunsTheScriptAfterTheGames) {
    const CliRun state = cli({"--limits", "steam", "--set", "optVsync=0", "--type", "txtFpsMax=125",
                              "--type", "txtDSpeed=10240", "state"});
    ASSERT_EQ(state.status, 0) << state.err;
    EXPECT_EQ(state.out.find("optZTrick"), std::string::npos); // the game no longer knows it
    EXPECT_NE(state.out.find("\ntxtRate=100000\ntxtURate=102\ntxtDecals=300\ntxtClRate=9999\n"
                             "txtCMDRate=60\n"),
              std::string::npos);
    EXPECT_TRUE(
        state.out.ends_with("\nlblDSpeed=KBits/s\noptFpsOverride=0\ntxtFpsMax=125\n"
                            "optVsync=0\noptRawInput=1\noptFilterCmd=0\ntxtExInterp=0.1\n"));
    const CliRun classic = cli({"--limits", "steam", "--limits", "classic", "--set", "optVsync=1"});
    EXPECT_EQ(classic.status, 2);
    EXPECT_EQ(classic.err, "quarvel-cli: --set optVsync=1: \"optVsync\" is only in today's Steam "
                           "game: choose it first with --limits steam\n");
    EXPECT_EQ(cli({"--limits", "steam", "--default", "cmdZTrick"}).status, 2);

    // An install for today's game makes userconfig.cfg run the script too, unless told not to.
    for (const bool hooked : {true, false}) {
        TempFolder game;
        Arguments arguments{"--limits", "steam", "install", pathText(game.path())};
        if (!hooked) {
            arguments.push_back("--no-userconfig");
        }
        EXPECT_EQ(cli(arguments).status, 0);
        EXPECT_EQ(game.read("userconfig.cfg"), hooked ? "exec quarvel.cfg\r\n" : "");
    }
    // A classic install without a flag leaves userconfig.cfg as it is; --no-userconfig takes
    // Quarvel's line out and says so.
    TempFolder game;
    game.write("userconfig.cfg", "bind x jump\r\n\r\n\r\nexec quarvel.cfg\r\n");
    EXPECT_EQ(cli({"install", pathText(game.path())}).status, 0);
    EXPECT_EQ(game.read("userconfig.cfg"), "bind x jump\r\n\r\n\r\nexec quarvel.cfg\r\n");
    const CliRun unhooked =
        cli({"install", "--overwrite", "--no-userconfig", pathText(game.path())});
    EXPECT_EQ(unhooked.status, 0);
    EXPECT_TRUE(unhooked.out.ends_with("\nuserconfig.cfg no longer runs quarvel.cfg.\n"))
        << unhooked.out;
    EXPECT_EQ(game.read("userconfig.cfg"), "bind x jump\r\n");
}

TEST(Cli, BadArgumentsExitWithTwoAndOneLine) {
    TempFolder folder;
#ifndef _WIN32
    // A FIFO is refused at once, not waited on.
    ASSERT_EQ(::mkfifo(folder.path("fifo.cfg").c_str(), 0644), 0);
#endif
    // An option and its value, split at the first space; the last --set and --type values
    // smuggle a second command into a value.
    const std::string fifo = "--load " + pathText(folder.path("fifo.cfg"));
    for (const std::string text : {"--bogus",
                                   "install",
                                   "frobnicate",
                                   "--set nothing=1",
                                   "--set optA3d=2",
                                   "--set optA3d",
                                   "--set txtDecals=1;quit",
                                   "--set txtDecals=1\t2",
                                   "--set txtDecals=1\n2",
                                   "--type cmbWeather=1",
                                   "--type txtRate=1;2",
                                   "--preset fastest",
                                   "--default cmdNothing",
                                   "--set optVsync=0",
                                   "--type txtFpsMax=200",
                                   "--default cmdExInterp",
                                   "--limits modern",
                                   "--load /nonexistent/file.cfg",
                                   "--load " NULL_DEVICE,
                                   fifo.c_str()}) {
        const auto space = text.find(' ');
        Arguments arguments{text.substr(0, space)};
        if (space != std::string::npos) {
            arguments.push_back(text.substr(space + 1));
        }
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments.back();
        EXPECT_TRUE(run.out.empty()) << arguments.back();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1)
            << arguments.back() << run.err;
    }
}

TEST(Cli, InstallsAsksBeforeOverwritingChecksAndUninstalls) {
    // A folder named in another language arrives whole: on Windows only the UTF-16 command line
    // has all of its letters.
    TempFolder games;
    const auto game = games.makeDirs("Jogos Çà/Counter-Strike Łódź/cstrike");
    const auto read = [&](const char* name) { return TempFolder::readFile(game / name); };
    const std::string dir = pathText(game);
    games.write("Jogos Çà/Counter-Strike Łódź/cstrike/autoexec.cfg", "bind x jump\r\n");
    EXPECT_EQ(cli({"check", dir}).status, 4);
    const CliRun first = cli({"--preset", "fps", "install", "--userconfig", dir});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, quarvel::installedMessage(game) + "\n");
    const std::string fps = expected("fps") + quarvel::echoBanner() + "\r\n";
    EXPECT_EQ(read("quarvel.cfg"), fps);

    const CliRun again = cli({"install", dir});
    EXPECT_EQ(again.status, 3);
    EXPECT_EQ(again.err, "quarvel-cli: Are you sure you want to overwrite your Quarvel Tweaks ?\n");
    EXPECT_EQ(read("quarvel.cfg"), fps);
    EXPECT_EQ(cli({"install", dir, "--overwrite"}).status, 0);
    EXPECT_TRUE(read("quarvel.cfg").starts_with(expected("default")));

    games.write("Jogos Çà/Counter-Strike Łódź/cstrike/config.cfg",
                "cl_himodels \"0\"\nexec userconfig.cfg\n");
    const CliRun held = cli({"check", dir});
    EXPECT_EQ(held.status, 0) << held.out;
    EXPECT_EQ(held.out, "autoexec.cfg runs quarvel.cfg.\nuserconfig.cfg runs quarvel.cfg.\n"
                        "Every setting of quarvel.cfg held.\n");

    const CliRun removed = cli({"uninstall", dir});
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_EQ(read("autoexec.cfg"), "bind x jump\r\n");

    const CliRun failed = cli({"install", pathText(game / "missing")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find(pathText(game / "missing") + "\": "), std::string::npos);
}

TEST(Cli, InstallsAfterAWarningIntoAFolderWithoutLiblistGamOrInASteamLibraryUnderClassic) {
    const struct {
        const char* folder;
        bool modFolder;
        const char* limits;
        std::vector<std::string> warnings; // what follows the folder on standard error
    } rows[] = {
        {"cstrike", true, "classic", {}},
        {"home",
         false,
         "classic",
         {": This folder holds no liblist.gam: it does not look like a game folder"}},
        {"steamapps/common/Half-Life/cstrike",
         true,
         "classic",
         {" lies in a Steam library: the game there is today's Steam build, so use --limits "
          "steam"}},
        {"steamapps/common/Half-Life/cstrike", true, "steam", {}},
    };
    for (const auto& row : rows) {
        TempFolder games;
        const fs::path game = games.makeDirs(row.folder);
        if (row.modFolder) {
            games.write(std::string(row.folder) + "/liblist.gam", "game \"Counter-Strike\"\n");
        }
        const std::string dir = pathText(game);
        std::string warned;
        for (const std::string& warning : row.warnings) {
            warned += "quarvel-cli: warning: " + dir + warning + "\n";
        }
        const CliRun run = cli({"--limits", row.limits, "install", dir});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, warned) << row.folder;
        EXPECT_EQ(run.out, quarvel::installedMessage(game) + "\n");
        const CliRun checked = cli({"--limits", row.limits, "check", dir});
        EXPECT_TRUE(checked.err.starts_with(row.modFolder ? warned : "")) << checked.err;
    }
}

TEST(Cli, ListsDetectedGamesAndInstallsIntoOneByItsMod) {
    TempFolder steam;
    const auto halfLife = steam.makeDirs("steamapps/common/Half-Life/cstrike").parent_path();
    steam.makeDirs("steamapps/common/Half-Life/dod");
    const std::string root = pathText(steam.path());
    const CliRun games = cli({"--steam-root", root, "games"});
    EXPECT_EQ(games.status, 0) << games.err;
    EXPECT_EQ(games.out, "Counter-Strike\t" + pathText(halfLife / "cstrike") + "\nDay of Defeat\t" +
                             pathText(halfLife / "dod") + "\n");
    EXPECT_EQ(cli({"--steam-root", root, "--preset", "fps", "install", "--game", "dod"}).status, 0);
    EXPECT_TRUE(
        TempFolder::readFile(halfLife / "dod" / "quarvel.cfg").starts_with(expected("fps")));
    const std::string nowhere = pathText(steam.path("nowhere"));
    const CliRun named = cli({"--steam-root", root, "--game-dir", nowhere, "games"});
    EXPECT_EQ(named.out, games.out);
    EXPECT_EQ(named.err, "quarvel-cli: " + nowhere + ": no such folder\n");
    EXPECT_EQ(cli({"--steam-root", root, "install", "--game", "czero"}).status, 2);
}

#ifndef _WIN32
TEST(Cli, OutputThatCannotBeWrittenIsAFailureButADoneInstallStaysDone) {
    TempFolder steam;
    steam.makeDirs("steamapps/common/Half-Life/cstrike");
    for (const char* argument : {"print", "state", "--help", "games"}) {
        const CliRun run = cli({"--steam-root", steam.path().string(), argument}, Output::Full);
        EXPECT_EQ(run.status, 1) << argument;
        EXPECT_EQ(run.err, "quarvel-cli: write error: No space left on device\n") << argument;
    }
    // A reader that is gone ends a filter by SIGPIPE, as it ends every other.
    EXPECT_EQ(cli({"print"}, Output::Gone).status, -SIGPIPE);

    for (const Output output : {Output::Full, Output::Gone}) {
        TempFolder game;
        const CliRun run = cli({"install", game.path().string()}, output);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.err.find("the tweaks were installed, but this could not be said on "
                               "standard output"),
                  std::string::npos)
            << run.err;
        EXPECT_TRUE(game.read("quarvel.cfg").starts_with(expected("default")));
    }
}

TEST(Cli, RunningOutOfMemoryIsAFailureWithAMessage) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit leaves";
#else
    // The least address space in which quarvel-cli runs at all, to within 4 MiB...
    rlim_t base = 4096;
    while (base < (1 << 20) && cli({"print"}, Output::Kept, base).status != 0) {
        base += 4096;
    }
    // ...and an autoexec.cfg of 14 MiB in short lines, none of which may cost memory of its own
    // (and which stays within 16 MiB with CR LF ends): 20 MiB more is too little to add the exec
    // line to it, 38 MiB (about two and a half times its size) enough.
    TempFolder game;
    std::string binds;
    while (binds.size() < (14 << 20)) {
        binds += "bind x y\n";
    }
    game.write("autoexec.cfg", binds);
    const CliRun run = cli({"install", game.path().string()}, Output::Kept, base + 20 * 1024);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("autoexec.cfg\": there is not enough memory."), std::string::npos)
        << run.err;
    EXPECT_EQ(game.read("autoexec.cfg"), binds);
    EXPECT_EQ(cli({"install", game.path().string()}, Output::Kept, base + 38 * 1024).status, 0);
    EXPECT_TRUE(game.read("autoexec.cfg").ends_with("bind x y\r\n\r\n\r\nexec quarvel.cfg\r\n"));
#endif
}
#endif
