// quarvel-cli as other tools drive it: its output, bytes and exit status.

#include "config/install.h"
#include "config/script.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

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

namespace {

using Arguments = std::vector<std::string>;

#ifdef _WIN32
using CliRun = quarvel::testing_support::ProcessRun;
const char* const nullDevice = "NUL";

CliRun cli(const Arguments& arguments) {
    return quarvel::testing_support::runProcess(QUARVEL_CLI, arguments);
}
#else
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};
const char* const nullDevice = "/dev/zero";

// Where quarvel-cli's standard output goes: into the run's `out`, into /dev/full, or into a pipe
// whose reader has already gone.
enum class Output { Kept, Full, Gone };

// Runs quarvel-cli with the arguments, in at most `kibibytes` of address space if that is given.
CliRun cli(const Arguments& arguments, Output output = Output::Kept, rlim_t kibibytes = 0) {
    TempFolder scratch;
    int out[2];
    if (::pipe(out) != 0) {
        return {};
    }
    if (output == Output::Gone) {
        ::close(out[0]);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(output == Output::Full ? ::open("/dev/full", O_WRONLY) : out[1], 1);
        ::dup2(::open(scratch.path("err").c_str(), O_WRONLY | O_CREAT, 0600), 2);
        const rlimit limit{kibibytes << 10, kibibytes << 10};
        if (kibibytes > 0) {
            ::setrlimit(RLIMIT_AS, &limit);
        }
        std::vector<char*> argv{const_cast<char*>(QUARVEL_CLI)};
        for (const auto& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(QUARVEL_CLI, argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    CliRun run;
    char buffer[4096];
    for (ssize_t got = 0;
         output == Output::Kept && (got = ::read(out[0], buffer, sizeof buffer)) > 0;) {
        run.out.append(buffer, static_cast<std::size_t>(got));
    }
    if (output != Output::Gone) {
        ::close(out[0]);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    run.err = scratch.read("err");
    return run;
}
#endif

std::string expected(const char* name) {
    return TempFolder::readFile(std::string(QUARVEL_TEST_DATA "/scripts/") + name + ".cfg");
}

} // namespace

TEST(Cli, PrintsTheScriptBytesUnchanged) {
    // The same bytes on every system: the script's CR LF, and nothing added.
    EXPECT_EQ(cli({}).out, expected("default"));
    EXPECT_EQ(cli({"--preset", "fps", "print"}).out, expected("fps"));
    EXPECT_EQ(cli({"--preset", "Die Hard FPS"}).out, expected("dhfps"));
    // With a 10 Mbit/s download under the rate limits of today's Steam build.
    std::string steam = expected("dhfps");
    steam.replace(steam.find("rate 7500\r\n"), 11, "rate 100000\r\n");
    steam.replace(steam.find("cl_updaterate 20\r\n"), 18, "cl_updaterate 102\r\n");
    EXPECT_EQ(
        cli({"--limits", "steam", "--preset", "dhfps", "--type", "txtDSpeed=10240", "print"}).out,
        steam);
}

TEST(Cli, RunsEachKindOfStepInTheOrderGivenAndReportsTheState) {
    // A preset after a typed rate keeps it; --type goes through the key filter, --set does not;
    // a loaded file's quoted values count.
    TempFolder folder;
    folder.write("Configs Çà/config.cfg", "cl_shadows \"0\"\n");
    const CliRun run =
        cli({"--type", "txtRate=12000", "--preset", "hiq", "--type", "txtCorpsestay=1.5x", "--set",
             "txtRubble=a.b", "--set", "txtDecals=7", "--set", "cmbSpeed=2", "--set",
             "txtUSpeed=10", "--load", pathText(folder.path("Configs Çà/config.cfg")), "--default",
             "cmdDecals", "state"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 59);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\r'), 0);
    EXPECT_TRUE(run.out.starts_with("optHimodels=1\noptClear=1\noptCull=1\n"));
    for (const char* line :
         {"\noptShadows=0\n", "\ntxtCorpsestay=15\n", "\ntxtRubble=a.b\n",
          "\ntxtRate=12000\ntxtURate=43\ntxtDecals=300\n", "\ntxtClRate=9216\ntxtCMDRate=66\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
    EXPECT_TRUE(run.out.ends_with("\ntxtCMDBackup=2\ncmbSpeed=2\ntxtUSpeed=10\nlblUSpeed=KBytes/s\n"
                                  "cmbSpeed2=1\ntxtDSpeed=\nlblDSpeed=KBits/s\n"));
}

TEST(Cli, BadArgumentsExitWithTwoAndOneLine) {
    TempFolder folder;
#ifndef _WIN32
    // A FIFO is refused at once, not waited on.
    ASSERT_EQ(::mkfifo(folder.path("fifo.cfg").c_str(), 0644), 0);
#endif
    // Values each option refuses; the last ones smuggle a second command into a value.
    const std::pair<std::string, Arguments> refused[] = {
        {"--set",
         {"nothing=1", "optA3d=2", "cmbWeather=4", "lblUSpeed=x", "optA3d", "txtDecals=1;quit",
          "txtDecals=1\t2", "txtDecals=1\n2"}},
        {"--type", {"cmbWeather=1", "txtRate=1;2"}},
        {"--preset", {"fastest"}},
        {"--default", {"cmdNothing"}},
        {"--limits", {"modern"}},
        {"--load", {"/nonexistent/file.cfg", nullDevice, pathText(folder.path("fifo.cfg"))}}};
    std::vector<Arguments> cases{{"--bogus"}, {"install"}, {"frobnicate"}};
    for (const auto& [option, values] : refused) {
        for (const std::string& value : values) {
            cases.push_back({option, value});
        }
    }
    for (const Arguments& arguments : cases) {
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments.back();
        EXPECT_TRUE(run.out.empty()) << arguments.back();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1)
            << arguments.back() << run.err;
    }
    const CliRun help = cli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const auto* word :
         {"--preset", "--set", "--type", "--default", "--load", "print", "state", "install"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
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
    EXPECT_TRUE(read("autoexec.cfg").ends_with("\nexec quarvel.cfg\r\n"));
    EXPECT_EQ(read("userconfig.cfg"), "exec quarvel.cfg\r\n");
    const std::string fps = expected("fps") + quarvel::echoBanner() + "\r\n";
    EXPECT_EQ(read("quarvel.cfg"), fps);

    const CliRun again = cli({"install", dir});
    EXPECT_EQ(again.status, 3);
    EXPECT_EQ(again.err, "Are you sure you want to overwrite your Quarvel Tweaks ?\n");
    EXPECT_EQ(read("quarvel.cfg"), fps);
    EXPECT_EQ(cli({"install", dir, "--overwrite"}).status, 0);
    EXPECT_TRUE(read("quarvel.cfg").starts_with(expected("default")));

    games.write("Jogos Çà/Counter-Strike Łódź/cstrike/config.cfg", "cl_himodels \"0\"\n");
    const CliRun held = cli({"check", dir});
    EXPECT_EQ(held.status, 0) << held.out;
    EXPECT_EQ(held.out, "autoexec.cfg runs quarvel.cfg.\nuserconfig.cfg runs quarvel.cfg.\n"
                        "Every setting of quarvel.cfg held.\n");
    games.write("Jogos Çà/Counter-Strike Łódź/cstrike/config.cfg", "cl_himodels \"1\"\n");
    EXPECT_EQ(cli({"check", dir}).status, 4);

    const CliRun removed = cli({"uninstall", dir});
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_TRUE(removed.out.starts_with("The Quarvel tweaks have been removed from "));
    EXPECT_EQ(read("autoexec.cfg"), "bind x jump\r\n");
    EXPECT_FALSE(std::filesystem::exists(game / "quarvel.cfg"));
    EXPECT_NE(cli({"uninstall", dir}).out.find("No Quarvel tweaks were installed"),
              std::string::npos);

    std::filesystem::permissions(game / "autoexec.cfg", std::filesystem::perms(0444));
    EXPECT_EQ(cli({"install", dir}).status, 1);
    std::filesystem::permissions(game / "autoexec.cfg", std::filesystem::perms(0644));
    const CliRun failed = cli({"install", pathText(game / "missing")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("\"" + pathText(game / "missing" / "autoexec.cfg") + "\": "),
              std::string::npos)
        << failed.err;
    EXPECT_EQ(cli({"uninstall", pathText(game / "missing")}).status, 1);
    EXPECT_EQ(cli({"check", pathText(game / "missing")}).status, 1);
}

TEST(Cli, ListsDetectedGamesAndInstallsIntoOneByItsMod) {
    TempFolder steam;
    const auto halfLife = steam.makeDirs("Steam/steamapps/common/Half-Life");
    steam.makeDirs("Steam/steamapps/common/Half-Life/cstrike");
    steam.makeDirs("Steam/steamapps/common/Half-Life/dod");
    const Arguments root = {"--steam-root", pathText(steam.path("Steam"))};
    const auto with = [&](Arguments arguments) {
        arguments.insert(arguments.begin(), root.begin(), root.end());
        return cli(arguments);
    };
    const CliRun games = with({"games"});
    EXPECT_EQ(games.status, 0) << games.err;
    EXPECT_EQ(games.out, "Counter-Strike\t" + pathText(halfLife / "cstrike") + "\nDay of Defeat\t" +
                             pathText(halfLife / "dod") + "\n");
    EXPECT_EQ(with({"--preset", "fps", "install", "--game", "dod"}).status, 0);
    EXPECT_TRUE(
        TempFolder::readFile(halfLife / "dod" / "quarvel.cfg").starts_with(expected("fps")));
    steam.makeDirs("Sierra/Half-Life/czero");
    steam.write("Sierra/Half-Life/hl.exe", "");
    const CliRun retail = with({"--game-dir", pathText(steam.path("Sierra/Half-Life")),
                                "--game-dir", pathText(steam.path("nowhere")), "games"});
    EXPECT_TRUE(retail.out.ends_with("Condition Zero\t" +
                                     pathText(steam.path("Sierra/Half-Life/czero")) + "\n"))
        << retail.out;
    EXPECT_EQ(retail.err, "quarvel-cli: " + pathText(steam.path("nowhere")) + ": no such folder\n");
    const CliRun missing = with({"install", "--game", "czero"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("czero"), std::string::npos);
}

#ifndef _WIN32
TEST(Cli, OutputThatCannotBeWrittenIsAFailureButADoneInstallStaysDone) {
    TempFolder steam;
    steam.makeDirs("steamapps/common/Half-Life/cstrike");
    for (const Arguments& arguments : {Arguments{"print"}, Arguments{"state"}, Arguments{"--help"},
                                       Arguments{"--steam-root", steam.path().string(), "games"}}) {
        const CliRun run = cli(arguments, Output::Full);
        EXPECT_EQ(run.status, 1) << arguments.front();
        EXPECT_EQ(run.err, "quarvel-cli: write error: No space left on device\n")
            << arguments.front();
    }
    // A reader that is gone ends a filter by SIGPIPE, as it ends every other.
    EXPECT_EQ(cli({"print"}, Output::Gone).status, -SIGPIPE);

    TempFolder full, closed;
    for (const CliRun& run : {cli({"install", full.path().string()}, Output::Full),
                              cli({"install", closed.path().string()}, Output::Gone)}) {
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.err.find("the tweaks were installed, but this could not be said on "
                               "standard output"),
                  std::string::npos)
            << run.err;
    }
    EXPECT_TRUE(full.read("quarvel.cfg").starts_with(expected("default")));
    EXPECT_TRUE(closed.read("quarvel.cfg").starts_with(expected("default")));
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
    // ...and an autoexec.cfg of 15 MiB in short lines, none of which may cost memory of its own:
    // 20 MiB more is too little to add the exec line to it, 38 MiB (two and a half times its size)
    // enough.
    TempFolder game;
    std::string binds;
    while (binds.size() < (15 << 20)) {
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
