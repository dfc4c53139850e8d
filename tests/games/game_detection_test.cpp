#include "games/game_detection.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <initializer_list>

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

    DetectionResult detectFromRoots(std::vector<fs::path> roots) {
        DetectOptions options;
        options.steamRoots = std::move(roots);
        return detectGames(options);
    }
};

DetectedGame game(const char* name, const fs::path& directory, const char* mod) {
    return {name, directory, mod};
}

} // namespace

TEST_F(GameDetectionTest, ListsModsOfEveryLibraryInOrder) {
    auto hl = halfLife("home/.local/share/Steam/steamapps/common/Half-Life",
                       {"valve", "ricochet", "czero", "tfc", "dod", "cstrike"});
    tmp.write("home/.local/share/Steam/steamapps/libraryfolders.vdf",
              R"("libraryfolders" { "0" { "path" ")" + tmp.path("home/.steam/steam").string() +
                  R"(" } "1" { "path" ")" + tmp.path("lib2").string() + R"(" } })");
    tmp.link("home/.steam/steam", tmp.path("home/.local/share/Steam"));
    tmp.write("lib2/SteamApps/appmanifest_70.acf", R"("AppState" { "installdir" "HL Custom" })");
    auto custom = halfLife("lib2/SteamApps/common/HL Custom", {"czero", "cstrike"});
    halfLife("lib2/SteamApps/common/Half-Life", {"cstrike"});           // not the installed one
    tmp.makeDirs("home/.local/share/Steam/SteamApps/common/Half-Life"); // exact spelling wins

    DetectOptions options;
    options.home = tmp.path("home");
    auto result = detectGames(options);
    EXPECT_TRUE(result.warnings.empty()) << result.warnings.front();
    EXPECT_EQ(result.games, (std::vector<DetectedGame>{
                                game("Counter-Strike", hl / "cstrike", "cstrike"),
                                game("Day of Defeat", hl / "dod", "dod"),
                                game("Team Fortress Classic", hl / "tfc", "tfc"),
                                game("Condition Zero", hl / "czero", "czero"),
                                game("Half-Life", hl / "valve", "valve"),
                                game("Counter-Strike", custom / "cstrike", "cstrike"),
                                game("Condition Zero", custom / "czero", "czero"),
                            }));
    ASSERT_NE(firstGameForMod(result.games, "czero"), nullptr);
    EXPECT_EQ(firstGameForMod(result.games, "czero")->directory, hl / "czero");
    EXPECT_EQ(firstGameForMod(result.games, "ricochet"), nullptr);
}

TEST_F(GameDetectionTest, ReadsTheOldLibraryListInTheConfigFolder) {
    tmp.makeDirs("steam/steamapps");
    tmp.write("steam/config/libraryfolders.vdf",
              R"("LibraryFolders" { "TimeNextStatsReport" "1" "1" "G:\\SteamLibrary" "2" ")" +
                  tmp.path("lib2").string() + "\" \"3\" \"lib3\" }");
    auto hl = halfLife("lib2/steamapps/common/Half-Life", {"cstrike"});
    halfLife("lib3/steamapps/common/Half-Life", {"dod"}); // relative: not a library
    auto workingFolder = fs::current_path();
    fs::current_path(tmp.path());
    auto result = detectFromRoots({tmp.path("steam")});
    fs::current_path(workingFolder);
    EXPECT_TRUE(result.warnings.empty()) << result.warnings.front();
    EXPECT_EQ(result.games, std::vector{game("Counter-Strike", hl / "cstrike", "cstrike")});
}

TEST_F(GameDetectionTest, BrokenLibraryFileIsReportedAndTheOtherLibrariesStillFound) {
    std::string deep;
    for (int i = 0; i < 100; ++i) {
        deep += "\"k\" {\n";
    }
    // File text, and what the warning says after the file name.
    const std::pair<std::string, std::string> brokenFiles[] = {
        {"\"libraryfolders\"\n{\n  \"1\" { \"path\" \"/x", ":3:16: string is never closed"},
        {"\"libraryfolders\"\n{\n  \"1\" { \"path\" \"/x\" }\n", ":4:1: missing '}'"},
        {"\177ELF\x02\x01\x01", ":1:1: unexpected character 0x7F"},
        {deep, ":33:5: blocks nested deeper"},
        {"\"AppState\" { }", ": no \"libraryfolders\" block"},
    };
    for (const auto& [text, reason] : brokenFiles) {
        TempFolder folder;
        auto hl = folder.makeDirs("steam/steamapps/common/Half-Life/cstrike").parent_path();
        auto broken = folder.write("steam/steamapps/libraryfolders.vdf", text);
        folder.write("steam/config/libraryfolders.vdf", R"("libraryfolders" { "1" { "path" ")" +
                                                            folder.path("lib2").string() +
                                                            "\" } }");
        auto lib2Hl = folder.makeDirs("lib2/steamapps/common/Half-Life/dod").parent_path();

        auto result = detectFromRoots({folder.path("steam")});
        ASSERT_EQ(result.warnings.size(), 1u) << text;
        EXPECT_EQ(result.warnings[0].rfind(broken.string() + reason, 0), 0u) << result.warnings[0];
        EXPECT_EQ(result.games, (std::vector{game("Counter-Strike", hl / "cstrike", "cstrike"),
                                             game("Day of Defeat", lib2Hl / "dod", "dod")}));
    }
}

TEST_F(GameDetectionTest, BrokenManifestFallsBackToTheUsualFolder) {
    auto manifest = tmp.write("steam/steamapps/appmanifest_70.acf", "\"AppState\" {");
    auto hl = halfLife("steam/steamapps/common/Half-Life", {"cstrike"});
    auto result = detectFromRoots({tmp.path("steam"), tmp.path("steam")});
    EXPECT_EQ(result.games, std::vector{game("Counter-Strike", hl / "cstrike", "cstrike")});
    ASSERT_EQ(result.warnings.size(), 1u); // the same library is looked at once
    EXPECT_EQ(result.warnings[0].rfind(manifest.string() + ":1:13:", 0), 0u) << result.warnings[0];
}

TEST_F(GameDetectionTest, GivenFoldersReplaceTheSearchAndEachGameIsListedOnce) {
    halfLife("home/.local/share/Steam/steamapps/common/Half-Life", {"cstrike"}); // not searched
    auto steamHl = halfLife("steam/steamapps/common/Half-Life", {"dod"});
    tmp.write("steam/steamapps/common/Half-Life/hl_linux", "");
    tmp.link("link1", tmp.path("steam"));
    tmp.link("link2", tmp.path("steam"));
    auto own = halfLife("own", {"valve", "cstrike"});
    tmp.write("own/hl.exe", "");
    tmp.makeDirs("plain/cstrike");

    DetectOptions options;
    options.home = tmp.path("home");
    options.steamRoots = {tmp.path("link1"), tmp.path("link2"), tmp.path("missing"),
                          tmp.path("plain")};
    options.installDirectories = {steamHl, own, tmp.path("plain")};
    auto result = detectGames(options);
    EXPECT_EQ(result.games, (std::vector<DetectedGame>{
                                game("Day of Defeat", steamHl / "dod", "dod"),
                                game("Counter-Strike", own / "cstrike", "cstrike"),
                                game("Half-Life", own / "valve", "valve"),
                            }));
    auto missing = tmp.path("missing").string(), plain = tmp.path("plain").string();
    EXPECT_EQ(result.warnings,
              (std::vector<std::string>{
                  missing + ": no such folder",
                  plain + ": not a Steam folder (it has no steamapps folder)",
                  plain + ": not a Half-Life folder (it has neither hl.exe nor hl_linux)"}));
}
