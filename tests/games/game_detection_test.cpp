#include "games/game_detection.h"

#include "games/file_lookup.h"
#include "games/key_values.h"
#include "support/game_printer.h"
#include "support/temp_folder.h"
#include "support/vdf_text.h"

#include <gtest/gtest.h>

#include <initializer_list>

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

// Windows finds Steam through the registry instead of the home folder: windows_detection_test.cpp.
#ifndef _WIN32
TEST_F(GameDetectionTest, ListsModsOfEveryLibraryInOrder) {
    auto hl = halfLife("home/.local/share/Steam/steamapps/common/Half-Life",
                       {"valve", "ricochet", "czero", "tfc", "dod", "cstrike"});
    tmp.makeDirs("home/.local/share/Steam/SteamApps/common/Half-Life"); // exact spelling wins
    tmp.link("home/.steam/steam", tmp.path("home/.local/share/Steam"));
    tmp.write("home/.local/share/Steam/steamapps/libraryfolders.vdf",
              R"("libraryfolders" { "0" { "path" ")" + tmp.path("home/.steam/steam").string() +
                  R"(" "label" "" } "1" { "Path" ")" + tmp.path("lib2").string() + R"(" } })");
    tmp.write("lib2/SteamApps/appmanifest_70.acf", R"("AppState" { "installdir" "HL Custom" })");
    auto custom = halfLife("lib2/SteamApps/common/HL Custom", {"czero", "cstrike"});
    halfLife("lib2/SteamApps/common/Half-Life", {"cstrike"}); // not the installed one

    auto result = detectGames({tmp.path("home"), std::nullopt, {}});
    EXPECT_EQ(described(result.warnings), std::vector<std::string>{});
    EXPECT_EQ(
        result.games,
        (std::vector{game("Counter-Strike", hl, "cstrike"), game("Day of Defeat", hl, "dod"),
                     game("Team Fortress Classic", hl, "tfc"), game("Condition Zero", hl, "czero"),
                     game("Half-Life", hl, "valve"), game("Counter-Strike", custom, "cstrike"),
                     game("Condition Zero", custom, "czero")}));
    EXPECT_EQ(firstGameForMod(result.games, "czero"), &result.games[3]);
    EXPECT_EQ(firstGameForMod(result.games, "ricochet"), nullptr);
}
#endif

TEST_F(GameDetectionTest, BrokenLibraryFileIsReportedAndTheOtherLibrariesStillFound) {
    auto hl = halfLife("steam/steamapps/common/Half-Life", {"cstrike"});
    auto lib2Hl = halfLife("lib2/steamapps/common/Half-Life", {"dod"});
    halfLife("lib3/steamapps/common/Half-Life", {"tfc"}); // named relatively: not a library
    // The old form, whose Windows path names no library here.
    tmp.write("steam/config/libraryfolders.vdf",
              R"("LibraryFolders" { "TimeNextStatsReport" "1" "1" "G:\\SteamLibrary" "2" ")" +
                  vdfText(tmp.path("lib2")) + R"(" "3" "lib3" })");
    // File text, and what the warning says after the file name; the parser's tests have the
    // other ways in which a file is broken.
    const std::pair<std::string, std::string> brokenFiles[] = {
        {"\"libraryfolders\"\n{\n  \"1\" { \"path\" \"/x", ":3:16: string is never closed"},
        {"\"AppState\" { }", ": no \"libraryfolders\" block"},
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
#ifdef _WIN32
    // Two other spellings of the folder, as the registry and Steam's files may give it: making
    // links on Windows takes a right that few players have.
    const fs::path link1 = tmp.path("STEAM"), link2 = tmp.path("steam").generic_wstring() + L"/";
    const char* ownSpelling = "Jogos Çà/OWN"; // a folder name in any case
#else
    const fs::path link1 = tmp.link("link1", tmp.path("steam"));
    const fs::path link2 = tmp.link("link2", tmp.path("steam"));
    const char* ownSpelling = "Jogos Çà/Own";
#endif
    // Folders named in any language; the messages about them are UTF-8 on every system.
    auto own = halfLife("Jogos Çà/Own", {"valve", "cstrike"});
    tmp.write("Jogos Çà/Own/HL.EXE", "");
    auto plain = tmp.makeDirs("Jogos Çà/Ninguém/cstrike").parent_path();

    auto usual = halfLife("wine/Sierra/Half-Life", {"tfc"});
    tmp.write("wine/Sierra/Half-Life/hl.exe", "");
    auto result = detectGames({tmp.path("home"),
                               std::vector{link1, link2, tmp.path("missing"), plain},
                               {tmp.path(ownSpelling), steamHl, plain},
                               {tmp.path("nowhere"), plain, usual}}); // usual ones: in silence
    EXPECT_EQ(result.games,
              (std::vector{game("Day of Defeat", steamHl, "dod"),
                           game("Counter-Strike", own, "cstrike"), game("Half-Life", own, "valve"),
                           game("Team Fortress Classic", usual, "tfc")}));
    EXPECT_EQ(
        described(result.warnings),
        (std::vector<std::string>{
            pathText(manifest) + ":1:13: missing '}' for the block opened at line 1, column 12",
            pathText(tmp.path("missing")) + ": no such folder",
            pathText(plain) + ": not a Steam folder (it has no steamapps folder)",
            pathText(plain) + ": not a Half-Life folder (it has neither hl.exe nor hl_linux)"}));
}
