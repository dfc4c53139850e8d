#include "games/app_manifest.h"
#include "games/steam_libraries.h"

#include <gtest/gtest.h>

using namespace quarvel::games;

static KeyValue parsed(std::string_view text) {
    auto result = parseKeyValues(text);
    EXPECT_TRUE(result.ok()) << text;
    return result.root;
}

TEST(SteamFilesTest, LibraryListsInTheCurrentAndTheOldForm) {
    using Strings = std::vector<std::string>;
    const std::pair<const char*, std::optional<Strings>> cases[] = {
        {R"("libraryfolders" { "contentstatsid" "-1" "0" { "path" "/home/u/Steam" "label" "" }
            "1" { "label" "no path here" } "2" { "Path" "/mnt/games/SteamLibrary" } })",
         Strings{"/home/u/Steam", "/mnt/games/SteamLibrary"}},
        // Windows paths, whose backslashes are doubled in the file.
        {R"("LibraryFolders" { "TimeNextStatsReport" "1" "1" "G:\\SteamLibrary"
            "2" "D:\\Games\\Steam Library" })",
         Strings{R"(G:\SteamLibrary)", R"(D:\Games\Steam Library)"}},
        {R"("libraryfolders" "flat")", std::nullopt},
    };
    for (const auto& [text, paths] : cases) {
        EXPECT_EQ(libraryPathsIn(parsed(text)), paths) << text;
    }
}

TEST(SteamFilesTest, ManifestWithoutAPlainInstallFolderNamesNone) {
    std::vector<std::string> texts{R"("AppState" { "name" "Half-Life" })",
                                   R"("Other" { "installdir" "Half-Life" })"};
    for (const char* folder : {"", ".", "..", "a/b", R"(a\\b)", "C:"}) {
        texts.push_back(R"("AppState" { "installdir" ")" + std::string(folder) + "\" }");
    }
    for (const std::string& text : texts) {
        EXPECT_EQ(installDirIn(parsed(text)), std::nullopt) << text;
    }
}
