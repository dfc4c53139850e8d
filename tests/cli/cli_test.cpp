// quarvel-cli as other tools drive it: its output, bytes and exit status.

#include "config/install.h"
#include "config/script.h"
#include "support/temp_folder.h"
#include "support/vdf_text.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include "support/windows_process.h"
#else
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using quarvel::pathText;

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

using Arguments = std::vector<std::string>;

#ifdef _WIN32
const char* const nullDevice = "NUL";

CliRun cli(const Arguments& arguments) {
    const auto run = quarvel::testing_support::runProcess(QUARVEL_CLI, arguments);
    return {run.status, run.out, run.err};
}
#else
const char* const nullDevice = "/dev/zero";

// Runs a shell command line; its standard error is kept apart.
CliRun shell(const std::string& command) {
    TempFolder scratch;
    CliRun run;
    FILE* pipe = ::popen((command + " 2>'" + scratch.path("err").string() + "'").c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 4096> buffer{};
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
        run.out.append(buffer.data(), got);
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = scratch.read("err");
    return run;
}

std::string quoted(const std::string& argument) {
    std::string text = "'";
    for (const char c : argument) {
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return text + "'";
}

// Runs quarvel-cli with the arguments; `redirect` follows them on the shell's command line.
CliRun cli(const Arguments& arguments, const std::string& redirect = {}) {
    std::string command = quoted(QUARVEL_CLI);
    for (const std::string& argument : arguments) {
        command += " " + quoted(argument);
    }
    return shell(command + " " + redirect);
}

// Runs quarvel-cli with its standard output a pipe whose reader has already gone.
CliRun cliIntoClosedPipe(const std::vector<std::string>& arguments) {
    TempFolder scratch;
    int out[2];
    if (::pipe(out) != 0) {
        return {};
    }
    ::close(out[0]);
    const pid_t child = ::fork();
    if (child == 0) {
        const int err = ::open(scratch.path("err").c_str(), O_WRONLY | O_CREAT, 0600);
        ::dup2(out[1], 1);
        ::dup2(err, 2);
        std::vector<char*> argv{const_cast<char*>(QUARVEL_CLI)};
        for (const auto& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(QUARVEL_CLI, argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    CliRun run;
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
    EXPECT_EQ(cli({"print"}).out, expected("default"));
    EXPECT_EQ(cli({"--preset", "fps", "print"}).out, expected("fps"));
    EXPECT_EQ(cli({"--preset", "Die Hard FPS"}).out, expected("dhfps"));
    EXPECT_EQ(cli({"--preset", "High Quality"}).out, expected("hiq"));
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
    const Arguments cases[] = {{"--set", "nothing=1"},
                               {"--set", "optA3d=2"},
                               {"--set", "cmbWeather=4"},
                               {"--set", "lblUSpeed=x"},
                               {"--set", "optA3d"},
                               {"--type", "cmbWeather=1"},
                               {"--preset", "fastest"},
                               {"--default", "cmdNothing"},
                               {"--load", "/nonexistent/file.cfg"},
                               {"--load", nullDevice},
                               {"--bogus"},
                               {"install"},
                               {"frobnicate"},
                               // a second command smuggled into a value
                               {"--set", "txtDecals=1;quit"},
                               {"--type", "txtRate=1;2"},
                               {"--set", "txtDecals=1\t2"},
                               {"--set", "txtDecals=1\n2"}};
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

TEST(Cli, InstallsAndAsksBeforeOverwriting) {
    // A folder named in another language arrives whole: on Windows only the UTF-16 command line
    // has all of its letters.
    TempFolder games;
    const auto game = games.makeDirs("Jogos Çà/Counter-Strike Łódź/cstrike");
    const std::string dir = pathText(game);
    const CliRun first = cli({"--preset", "fps", "install", dir});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, quarvel::installedMessage(game) + "\n");
    EXPECT_EQ(TempFolder::readFile(game / "autoexec.cfg"), "exec quarvel.cfg\r\n");
    const std::string fps = expected("fps") + quarvel::echoBanner() + "\r\n";
    EXPECT_EQ(TempFolder::readFile(game / "quarvel.cfg"), fps);

    const CliRun again = cli({"install", dir});
    EXPECT_EQ(again.status, 3);
    EXPECT_EQ(again.err, "Are you sure you want to overwrite your Quarvel Tweaks ?\n");
    EXPECT_EQ(TempFolder::readFile(game / "quarvel.cfg"), fps);

    EXPECT_EQ(cli({"install", dir, "--overwrite"}).status, 0);
    EXPECT_TRUE(TempFolder::readFile(game / "quarvel.cfg").starts_with(expected("default")));

    const CliRun failed = cli({"install", pathText(game / "missing")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("\"" + pathText(game / "missing" / "autoexec.cfg") + "\": "),
              std::string::npos)
        << failed.err;
}

TEST(Cli, ListsDetectedGamesAndInstallsIntoOneByItsMod) {
    TempFolder steam;
    const auto common = [&](const char* library) {
        return steam.path(std::string(library) + "/steamapps/common/Half-Life");
    };
    steam.makeDirs("Steam/steamapps/common/Half-Life/cstrike");
    steam.makeDirs("Steam/steamapps/common/Half-Life/dod");
    steam.makeDirs("Library/steamapps/common/Half-Life/tfc");
    steam.write("Steam/steamapps/libraryfolders.vdf",
                "\"libraryfolders\"\n{\n \"1\"\n {\n  \"path\" \"" +
                    vdfText(steam.path("Library")) + "\"\n }\n}\n");
    const Arguments root = {"--steam-root", pathText(steam.path("Steam"))};
    const auto with = [&](Arguments arguments) {
        arguments.insert(arguments.begin(), root.begin(), root.end());
        return cli(arguments);
    };
    const CliRun games = with({"games"});
    EXPECT_EQ(games.status, 0) << games.err;
    EXPECT_EQ(games.out, "Counter-Strike\t" + pathText(common("Steam") / "cstrike") +
                             "\nDay of Defeat\t" + pathText(common("Steam") / "dod") +
                             "\nTeam Fortress Classic\t" + pathText(common("Library") / "tfc") +
                             "\n");

    EXPECT_EQ(with({"--preset", "fps", "install", "--game", "tfc"}).status, 0);
    EXPECT_TRUE(TempFolder::readFile(common("Library") / "tfc" / "quarvel.cfg")
                    .starts_with(expected("fps")));
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

TEST(Cli, CapsRatesForTheChosenGameBuild) {
    // The Die Hard FPS script with a 10 Mbit/s download, byte for byte, under each build's limits.
    const auto withRates = [](const std::string& rate, const std::string& update) {
        std::string text = expected("dhfps");
        text.replace(text.find("rate 7500\r\n"), 11, "rate " + rate + "\r\n");
        text.replace(text.find("cl_updaterate 20\r\n"), 18, "cl_updaterate " + update + "\r\n");
        return text;
    };
    const auto download = [](const char* limits) {
        return cli({"--limits", limits, "--preset", "dhfps", "--type", "txtDSpeed=10240", "print"});
    };
    EXPECT_EQ(download("steam").out, withRates("100000", "102"));
    EXPECT_EQ(download("classic").out, withRates("20000", "45"));
    // Going back to classic limits caps what Steam's let through, and derives again.
    EXPECT_NE(
        cli({"--limits", "steam", "--type", "txtDSpeed=10240", "--limits", "classic", "state"})
            .out.find("\ntxtRate=20000\ntxtURate=45\n"),
        std::string::npos);
    EXPECT_EQ(cli({"--limits", "modern"}).status, 2);
}

TEST(Cli, UninstallsAndChecksWhatItInstalled) {
    TempFolder game;
    const std::string dir = pathText(game.path());
    game.write("autoexec.cfg", "bind x jump\r\n");
    EXPECT_EQ(cli({"check", dir}).status, 4);
    ASSERT_EQ(cli({"install", "--userconfig", dir}).status, 0);
    EXPECT_EQ(game.read("userconfig.cfg"), "exec quarvel.cfg\r\n");
    game.write("config.cfg", "cl_himodels \"0\"\n");
    const CliRun held = cli({"check", dir});
    EXPECT_EQ(held.status, 0) << held.out;
    EXPECT_EQ(held.out, "autoexec.cfg runs quarvel.cfg.\nuserconfig.cfg runs quarvel.cfg.\n"
                        "Every setting of quarvel.cfg held.\n");
    game.write("config.cfg", "cl_himodels \"1\"\n");
    EXPECT_EQ(cli({"check", dir}).status, 4);

    const CliRun removed = cli({"uninstall", dir});
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_TRUE(removed.out.starts_with("The Quarvel tweaks have been removed from "));
    EXPECT_EQ(game.read("autoexec.cfg"), "bind x jump\r\n");
    EXPECT_FALSE(std::filesystem::exists(game.path("quarvel.cfg")));
    EXPECT_NE(cli({"uninstall", dir}).out.find("No Quarvel tweaks were installed"),
              std::string::npos);

    std::filesystem::permissions(game.path("autoexec.cfg"), std::filesystem::perms(0444));
    EXPECT_EQ(cli({"install", "--overwrite", dir}).status, 1);
    EXPECT_EQ(cli({"uninstall", pathText(game.path("missing"))}).status, 1);
    EXPECT_EQ(cli({"check", pathText(game.path("missing"))}).status, 1);
    std::filesystem::permissions(game.path("autoexec.cfg"), std::filesystem::perms(0644));
}

#ifndef _WIN32
TEST(Cli, RefusesToLoadAFifoAtOnce) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.path("fifo.cfg").c_str(), 0644), 0);
    const CliRun run = cli({"--load", folder.path("fifo.cfg").string(), "state"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("it is not a regular file"), std::string::npos) << run.err;
}

TEST(Cli, OutputThatCannotBeWrittenIsAFailureButADoneInstallStaysDone) {
    TempFolder steam;
    steam.makeDirs("steamapps/common/Half-Life/cstrike");
    for (const Arguments& arguments : {Arguments{"print"}, Arguments{"state"}, Arguments{"--help"},
                                       Arguments{"--steam-root", steam.path().string(), "games"}}) {
        const CliRun run = cli(arguments, ">/dev/full");
        EXPECT_EQ(run.status, 1) << arguments.front();
        EXPECT_EQ(run.err, "quarvel-cli: write error: No space left on device\n")
            << arguments.front();
    }
    // A reader that is gone ends a filter by SIGPIPE, as it ends every other.
    EXPECT_EQ(cliIntoClosedPipe({"print"}).status, -SIGPIPE);

    TempFolder full, closed;
    for (const CliRun& run : {cli({"install", full.path().string()}, ">/dev/full"),
                              cliIntoClosedPipe({"install", closed.path().string()})}) {
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
    const auto limited = [](int kib, const std::string& arguments) {
        return shell("sh -c 'ulimit -v " + std::to_string(kib) + " && exec \"$0\" \"$@\"' " +
                     arguments);
    };
    int base = 4096;
    while (base < (1 << 20) && limited(base, "'" QUARVEL_CLI "' print").status != 0) {
        base += 4096;
    }
    // ...and 20 MiB more: too little to add a line to an autoexec.cfg of 15 MiB.
    TempFolder game;
    const std::string binds(15 << 20, 'x');
    game.write("autoexec.cfg", binds);
    const CliRun run =
        limited(base + 20 * 1024, "'" QUARVEL_CLI "' install '" + game.path().string() + "'");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("autoexec.cfg\": there is not enough memory."), std::string::npos)
        << run.err;
    EXPECT_EQ(game.read("autoexec.cfg"), binds);
#endif
}
#endif
