#include "games/app_manifest.h"
#include "games/steam_libraries.h"

#include <gtest/gtest.h>

using namespace quarvel::games;

namespace {

KeyValue parsed(std::string_view text) {
    auto result = parseKeyValues(text);
    EXPECT_TRUE(result.ok()) << result.error->reason;
    return result.root;
}

} // namespace

TEST(LibraryFoldersTest, ReadsTheCurrentAndTheOldForm) {
    auto paths = libraryPathsIn(parsed(R"("libraryfolders"
{
    "contentstatsid" "-123"
    "0" { "path" "/home/u/.local/share/Steam" "label" "" "apps" { "70" "123" } }
    "1" { "label" "no path here" }
    "2" { "Path" "/mnt/games/SteamLibrary" }
})"));
    ASSERT_TRUE(paths);
    EXPECT_EQ(*paths,
              (std::vector<std::string>{"/home/u/.local/share/Steam", "/mnt/games/SteamLibrary"}));

    // The old form, with Windows paths whose backslashes are doubled in the file.
    paths = libraryPathsIn(parsed(R"("LibraryFolders"
{
    "TimeNextStatsReport" "1700000000"
    "ContentStatsID" "-42"
    "1" "G:\\SteamLibrary"
    "2" "D:\\Games\\Steam Library"
})"));
    ASSERT_TRUE(paths);
    EXPECT_EQ(*paths,
              (std::vector<std::string>{R"(G:\SteamLibrary)", R"(D:\Games\Steam Library)"}));
}

TEST(LibraryFoldersTest, OtherDocumentsAreNotLibraryLists) {
    EXPECT_FALSE(libraryPathsIn(parsed(R"("AppState" { "appid" "70" })")));
    EXPECT_FALSE(libraryPathsIn(parsed(R"("libraryfolders" "flat")")));
}

TEST(AppManifestTest, TakesOnlyAPlainInstallFolder) {
    EXPECT_EQ(installDirIn(parsed(R"("AppState" { "appid" "70" "installdir" "Half-Life" })")),
              "Half-Life");
    EXPECT_EQ(installDirIn(parsed(R"("appstate" { "InstallDir" "HL Custom" })")), "HL Custom");
    for (const char* folder : {"", ".", "..", "../escape", "a/b", R"(a\\b)", "C:"}) {
        std::string text = R"("AppState" { "installdir" ")" + std::string(folder) + "\" }";
        EXPECT_EQ(installDirIn(parsed(text)), std::nullopt) << folder;
    }
    EXPECT_EQ(installDirIn(parsed(R"("AppState" { "name" "Half-Life" })")), std::nullopt);
    EXPECT_EQ(installDirIn(parsed(R"("Other" { "installdir" "Half-Life" })")), std::nullopt);
}
