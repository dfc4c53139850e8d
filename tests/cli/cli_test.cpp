// quarvel-cli as other tools drive it: its output, bytes and exit status.

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs quarvel-cli with the arguments (already quoted for the shell).
CliRun cli(const std::string& arguments) {
    TempFolder scratch;
    const std::string command = std::string("'") + QUARVEL_CLI + "' " + arguments + " 2>'" +
                                scratch.path("err").string() + "'";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
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

std::string expected(const char* name) {
    return TempFolder::readFile(std::string(QUARVEL_TEST_DATA "/scripts/") + name + ".cfg");
}

} // namespace

TEST(Cli, PrintsTheScriptBytesUnchanged) {
    EXPECT_EQ(cli("").out, expected("default"));
    EXPECT_EQ(cli("print").out, expected("default"));
    EXPECT_EQ(cli("--preset fps print").out, expected("fps"));
    EXPECT_EQ(cli("--preset 'Die Hard FPS'").out, expected("dhfps"));
    EXPECT_EQ(cli("--preset 'High Quality'").out, expected("hiq"));
}

TEST(Cli, RunsStepsInTheOrderGiven) {
    const CliRun fps = cli("--preset fps --set cmbSpeed2=1 --type txtDSpeed=512");
    EXPECT_NE(fps.out.find("\r\nrate 20000\r\ncl_updaterate 45\r\n"), std::string::npos);
    EXPECT_NE(fps.out.find("\r\nmp_decals 20\r\n"), std::string::npos);
    // A preset after a typed rate keeps it; Default after it does not.
    EXPECT_NE(cli("--type txtRate=12000 --preset hiq").out.find("rate 12000\r\ncl_updaterate 43"),
              std::string::npos);
    EXPECT_NE(
        cli("--type txtRate=12000 --preset default").out.find("rate 7500\r\ncl_updaterate 20"),
        std::string::npos);
    const CliRun defaulted = cli("--type txtRate=12000 --default cmdRate state");
    EXPECT_NE(defaulted.out.find("\ntxtRate=7500\ntxtURate=27\n"), std::string::npos);
}

TEST(Cli, TypingGoesThroughTheKeyFilterWhileSetDoesNot) {
    const CliRun run = cli("--type txtCorpsestay=1.5x --type txtHPKMax=0.5 --set txtRubble=a.b "
                           "--type txtURate=50 state");
    EXPECT_NE(run.out.find("\ntxtCorpsestay=15\ntxtHPKMax=0.5\n"), std::string::npos);
    EXPECT_NE(run.out.find("\ntxtRubble=a.b\n"), std::string::npos);
    EXPECT_NE(run.out.find("\ntxtURate=45\n"), std::string::npos);
}

TEST(Cli, StateListsEveryEditorInSlotOrderThenTheSpeedControls) {
    const CliRun run = cli("--set cmbSpeed=2 --set txtUSpeed=10 state");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 59);
    EXPECT_TRUE(run.out.starts_with("optHimodels=0\noptClear=0\noptCull=1\n"));
    EXPECT_NE(run.out.find("\ncmbWeather=2\ncmbCDFPS=5\ntxtCorpsestay=10\n"), std::string::npos);
    EXPECT_TRUE(run.out.ends_with("\ntxtCMDBackup=2\ncmbSpeed=2\ntxtUSpeed=10\nlblUSpeed=KBytes/s\n"
                                  "cmbSpeed2=1\ntxtDSpeed=\nlblDSpeed=KBits/s\n"));
    EXPECT_NE(run.out.find("\ntxtClRate=9216\ntxtCMDRate=66\n"), std::string::npos);
}

TEST(Cli, LoadsAConfigFile) {
    TempFolder folder;
    folder.write("config.cfg", "rate \"25000\"\ncl_shadows \"0\"\n");
    const CliRun run = cli("--load '" + folder.path("config.cfg").string() + "' state");
    EXPECT_NE(run.out.find("\noptShadows=0\n"), std::string::npos);
    EXPECT_NE(run.out.find("\ntxtRate=20000\ntxtURate=45\n"), std::string::npos);
}

TEST(Cli, BadArgumentsExitWithTwoAndOneLine) {
    for (const auto* arguments :
         {"--set nothing=1", "--set optA3d=2", "--set cmbWeather=4", "--set lblUSpeed=x",
          "--set optA3d", "--type cmbWeather=1", "--preset fastest", "--default cmdNothing",
          "--load /nonexistent/file.cfg", "--bogus", "install", "frobnicate"}) {
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_TRUE(run.out.empty()) << arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << run.err;
    }
    const CliRun help = cli("--help");
    EXPECT_EQ(help.status, 0);
    for (const auto* word :
         {"--preset", "--set", "--type", "--default", "--load", "print", "state", "install"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
}

TEST(Cli, InstallsAndAsksBeforeOverwriting) {
    TempFolder game;
    const std::string dir = "'" + game.path().string() + "'";
    const CliRun first = cli("install " + dir);
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_TRUE(first.out.starts_with("Quarvel config tweaks have been installed in " +
                                      game.path().string() + "!"));
    EXPECT_EQ(game.read("autoexec.cfg"), "exec quarvel.cfg\r\n");

    const CliRun again = cli("--preset fps install " + dir);
    EXPECT_EQ(again.status, 3);
    EXPECT_EQ(again.err, "Are you sure you want to overwrite your Quarvel Tweaks ?\n");
    EXPECT_TRUE(game.read("quarvel.cfg").starts_with(expected("default")));

    EXPECT_EQ(cli("--preset fps install " + dir + " --overwrite").status, 0);
    EXPECT_TRUE(game.read("quarvel.cfg").starts_with(expected("fps")));

    const CliRun failed = cli("install '" + game.path("missing").string() + "'");
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("missing/autoexec.cfg"), std::string::npos);
}

TEST(Cli, ListsDetectedGamesAndInstallsIntoOneByItsMod) {
    TempFolder steam;
    steam.makeDirs("Steam/steamapps/common/Half-Life/cstrike");
    steam.makeDirs("Steam/steamapps/common/Half-Life/dod");
    steam.makeDirs("Library/steamapps/common/Half-Life/tfc");
    steam.write("Steam/steamapps/libraryfolders.vdf",
                "\"libraryfolders\"\n{\n \"1\"\n {\n  \"path\" \"" +
                    steam.path("Library").string() + "\"\n }\n}\n");
    const std::string root = "--steam-root '" + steam.path("Steam").string() + "' ";
    const CliRun games = cli(root + "games");
    EXPECT_EQ(games.status, 0) << games.err;
    const auto common = [&](const char* library) {
        return steam.path(library).string() + "/steamapps/common/Half-Life/";
    };
    EXPECT_EQ(games.out, "Counter-Strike\t" + common("Steam") + "cstrike\nDay of Defeat\t" +
                             common("Steam") + "dod\nTeam Fortress Classic\t" + common("Library") +
                             "tfc\n");

    EXPECT_EQ(cli(root + "--preset fps install --game tfc").status, 0);
    EXPECT_TRUE(
        TempFolder::readFile(common("Library") + "tfc/quarvel.cfg").starts_with(expected("fps")));
    const CliRun missing = cli(root + "install --game czero");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("czero"), std::string::npos);
}
