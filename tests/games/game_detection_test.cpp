#include "games/game_detection.h"

#include "games/game_folder.h"
#include "games/game_process.h"
#include "games/key_values.h"
#include "support/game_printer.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <initializer_list>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace quarvel;
using namespace quarvel::games;
namespace fs = std::filesystem;

namespace {

class GameDetectionTest : public testing::Test {
protected:
    TempFolder tmp;

    // A Half-Life folder at `relative` with the given mod folders in it.
    fs::path halfLife(const std::string& relative, std::initializer_list<const char*> mods) {
        for (const char* mod : mods) {
            tmp.makeDirs(relative + "/" + mod);
        }
        return tmp.path(relative);
    }
};

DetectedGame game(const char* name, const fs::path& halfLife, const char* mod) {
    return {name, halfLife / mod, mod};
}

} // namespace

TEST_F(GameDetectionTest, ListsModsOfEveryLibraryInOrder) {
    const auto steam = tmp.path("home/.steam/steam");
    auto hl = halfLife("home/.steam/steam/steamapps/common/Half-Life",
                       {"valve", "ricochet", "czero", "dod", "cstrike"});
    tmp.makeDirs("home/.steam/steam/SteamApps/common/Half-Life"); // exact spelling wins
    tmp.write("lib2/SteamApps/appmanifest_70.acf", R"("AppState" { "installdir" "HL Custom Ł" })");
    auto custom = halfLife("lib2/SteamApps/common/HL Custom Ł", {"czero", "cstrike"});
    halfLife("lib2/SteamApps/common/Half-Life", {"cstrike"}); // not the installed one
    std::vector expected{
        game("Counter-Strike", hl, "cstrike"),     game("Day of Defeat", hl, "dod"),
        game("Condition Zero", hl, "czero"),       game("Half-Life", hl, "valve"),
        game("Counter-Strike", custom, "cstrike"), game("Condition Zero", custom, "czero")};
    // Each library as written in libraryfolders.vdf; Steam lists its own folder too.
    std::vector<std::string> paths{vdfText(steam), vdfText(tmp.path("lib2")),
                                   vdfText(tmp.path("nowhere"))};
    DetectOptions options{tmp.path("home")};
#ifdef _WIN32
    // A library on another drive letter, named as Steam writes it and in Steam's own spelling.
    // Wine takes drive letters from its prefix only; scripts/windows.sh maps Q: there.
    const wchar_t* drive = _wgetenv(L"QUARVEL_TEST_DRIVE");
    if (drive == nullptr || *drive == 0) {
        GTEST_SKIP() << "no second drive letter in QUARVEL_TEST_DRIVE (scripts/windows.sh sets Q:)";
    }
    const fs::path other = std::wstring(drive) + L"\\quarvel-test-" +
                           std::to_wstring(GetCurrentProcessId()) + L"\\Biblioteca Ł";
    fs::create_directories(other / "steamapps/common/Half-Life/dod");
    paths.insert(paths.end(), {vdfText(other), pathText(steamSpelling(other)) + "/"});
    expected.push_back(game("Day of Defeat", other / "steamapps/common/Half-Life", "dod"));
    options.steamRoots = std::vector{steam}; // Windows' own search: steam_roots_test.cpp
#else
    paths.push_back(vdfText(tmp.link("link", steam)));
#endif
    std::string text = "\"libraryfolders\"\n{\n";
    for (std::size_t i = 0; i < paths.size(); ++i) {
        text += "\t\"" + std::to_string(i) + (i == 1 ? "\" { \"Path\" \"" : "\" { \"path\" \"") +
                paths[i] + "\" }\n";
    }
    tmp.write("home/.steam/steam/steamapps/libraryfolders.vdf", text + "}\n");

    auto result = detectGames(options);
#ifdef _WIN32
    fs::remove_all(other.parent_path());
#endif
    EXPECT_EQ(described(result.warnings), std::vector<std::string>{}) << text;
    EXPECT_EQ(result.games, expected);
    EXPECT_EQ(firstGameForMod(result.games, "czero"), &result.games[2]);
    EXPECT_EQ(firstGameForMod(result.games, "ricochet"), nullptr);
}

TEST_F(GameDetectionTest, BrokenLibraryFileIsReportedAndTheOtherLibrariesStillFound) {
    auto hl = halfLife("steam/steamapps/common/Half-Life", {"cstrike"});
    auto lib2Hl = halfLife("lib2/steamapps/common/Half-Life", {"dod"});
    // Named relatively: not a library, whatever the working folder.
    halfLife("lib3/steamapps/common/Half-Life", {"tfc"});
    // The old form, whose Windows path names no library on Linux.
    tmp.write("steam/config/libraryfolders.vdf",
              R"("LibraryFolders" { "TimeNextStatsReport" "1" "1" "G:\\SteamLibrary" "2" ")" +
                  vdfText(tmp.path("lib2")) + R"(" "3" "lib3" })");
    // File text, and what the warning says after the file name; the parser's tests have the
    // other ways in which a file is broken.
    const std::pair<std::string, std::string> brokenFiles[] = {
        {"\"libraryfolders\"\n{\n  \"1\" { \"path\" \"/x", ":3:16: string is never closed"},
        {"\"libraryfolders\" \"flat\"", ": no \"libraryfolders\" block"},
        // Steam writes a few kilobytes; a larger file is not read into memory at all.
        {std::string(maxKeyValuesFileSize + 1, '{'),
         ": file is too large (" + std::to_string(maxKeyValuesFileSize + 1) + " bytes)"},
        {"", ": cannot read the file: "}, // a folder in the file's place
    };
    const auto broken = tmp.path("steam/steamapps/libraryfolders.vdf");
    const auto workingFolder = fs::current_path();
    for (const auto& [text, reason] : brokenFiles) {
        fs::remove(broken);
        if (text.empty()) {
            fs::create_directory(broken);
        } else {
            tmp.write("steam/steamapps/libraryfolders.vdf", text);
        }
        fs::current_path(tmp.path());
        auto result = detectGames({{}, std::vector{tmp.path("steam")}, {}});
        fs::current_path(workingFolder);
        ASSERT_EQ(result.warnings.size(), 1u) << text;
        const std::string warning = describe(result.warnings[0]);
        EXPECT_EQ(warning.rfind(pathText(broken) + reason, 0), 0u) << warning;
        EXPECT_EQ(result.games, (std::vector{game("Counter-Strike", hl, "cstrike"),
                                             game("Day of Defeat", lib2Hl, "dod")}));
    }
}

TEST_F(GameDetectionTest, GivenFoldersReplaceTheSearchAndEachIsLookedAtOnce) {
    halfLife("home/.local/share/Steam/steamapps/common/Half-Life", {"cstrike"}); // not searched
    auto manifest = tmp.write("steam/steamapps/appmanifest_70.acf", "\"AppState\" {");
    auto steamHl = halfLife("steam/steamapps/common/Half-Life", {"dod"}); // the usual folder
    tmp.write("steam/steamapps/common/Half-Life/hl_linux", "");
    // Folders named in any language; the messages about them are UTF-8 on every system.
    auto own = halfLife("Jogos Çà/Own", {"valve", "cstrike"});
    tmp.write("Jogos Çà/Own/HL.EXE", "");
    auto plain = tmp.makeDirs("Jogos Çà/Ninguém/cstrike").parent_path();
    auto result = detectGames(
        {tmp.path("home"),
         std::vector{tmp.path("steam"), tmp.path("Jogos Çà/../steam/"), tmp.path("missing"), plain},
         {own, steamHl, plain},
         {tmp.path("nowhere"), plain}}); // usual ones: in silence
    EXPECT_EQ(result.games, (std::vector{game("Day of Defeat", steamHl, "dod"),
                                         game("Counter-Strike", own, "cstrike"),
                                         game("Half-Life", own, "valve")}));
    EXPECT_EQ(
        described(result.warnings),
        (std::vector<std::string>{
            pathText(manifest) + ":1:13: missing '}' for the block opened at line 1, column 12",
            pathText(tmp.path("missing")) + ": no such folder",
            pathText(plain) + ": not a Steam folder (it has no steamapps folder)",
            pathText(plain) + ": not a Half-Life folder (it has neither hl.exe nor hl_linux)"}));
}

TEST_F(GameDetectionTest, AFolderWithoutLiblistGamLooksUnlikeAGameFolder) {
    tmp.write("cstrike/liblist.gam", "game \"Counter-Strike\"\n");
    tmp.write("copied/LIBLIST.GAM", ""); // a Windows install copied over keeps its capitals
    tmp.makeDirs("home/Documents");
    tmp.makeDirs("odd/liblist.gam");
    const struct {
        const char* folder;
        bool unlike;
    } rows[] = {{"cstrike", false},
                {"copied", false},
                {"home", true},
                {"odd", true},
                {"missing", false}}; // the install says what is missing
    for (const auto& row : rows) {
        EXPECT_EQ(looksUnlikeGameFolder(tmp.path(row.folder)), row.unlike) << row.folder;
    }
}

TEST(SteamLibrary, AFolderUnderSteamappsCommonInAnyCaseIsInASteamLibrary) {
    const struct {
        const char* folder;
        bool steam;
    } rows[] = {{"/home/p/.local/share/Steam/steamapps/common/Half-Life/cstrike", true},
                {"D:/Games/SteamLibrary/SteamApps/Common/Half-Life/valve", true},
                {"/mnt/lib/steamapps/common/../common/Half-Life/dod", true},
                {"/home/p/steamapps/Half-Life/cstrike", false},        // no common folder
                {"/home/p/common/steamapps/Half-Life/cstrike", false}, // the other way round
                {"C:/Sierra/Half-Life/cstrike", false}};
    for (const auto& row : rows) {
        EXPECT_EQ(inSteamLibrary(row.folder), row.steam) << row.folder;
    }
}

TEST(GameProcess, TheGameRunsWhenItsProgramIsListedUnderAnySystemsName) {
    const struct {
        std::vector<std::string> programs;
        bool running;
    } rows[] = {{{"bash", "steam", "hl_linux"}, true},
                {{"wineserver", "HL.EXE"}, true}, // Wine and Proton run the Windows program
                {{"hl", "hl_linux.sh", "hlds_linux", "steam"}, false},
                {{}, false}};
    for (const auto& row : rows) {
        EXPECT_EQ(gameIsRunning([&] { return row.programs; }), row.running)
            << testing::PrintToString(row.programs);
    }
    // The system's own list holds this very program, whatever it is called.
    EXPECT_FALSE(runningPrograms().empty());
}
