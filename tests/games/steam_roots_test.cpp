#include "games/steam_roots.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace quarvel::games;
using Paths = std::vector<std::filesystem::path>;

TEST(SteamRootsTest, FindsEachRealSteamFolderOnceInSearchOrderUnderHome) {
    TempFolder home;
    home.link(".local/share/Steam", home.path(".local/share/Steam")); // a link loop
    home.link(".steam/steam", home.path(".steam/debian-installation"));
    auto debian = home.makeDirs(".steam/debian-installation/steamapps").parent_path();
    auto flatpak = home.makeDirs(".var/app/com.valvesoftware.Steam/.local/share/Steam/SteamApps");
    auto snap = home.makeDirs("snap/steam/common/.local/share/Steam/config").parent_path();
    EXPECT_EQ(findSteamRoots(home.path()), (Paths{debian, flatpak.parent_path()})); // no steamapps
    home.makeDirs("snap/steam/common/.local/share/Steam/steamapps");
    const Paths all{debian, flatpak.parent_path(), snap};
    EXPECT_EQ(findSteamRoots(home.path()), all);

    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const auto workingFolder = std::filesystem::current_path();
    std::filesystem::current_path(home.path()); // an empty home must not search here
    setenv("HOME", home.path().c_str(), 1);
    EXPECT_EQ(findSteamRoots(), all);
    setenv("HOME", "", 1);
    EXPECT_EQ(homeDirectory(), std::nullopt);
    EXPECT_EQ(findSteamRoots(), Paths{});
    setenv("HOME", savedHome.c_str(), 1);
    std::filesystem::current_path(workingFolder);
}
