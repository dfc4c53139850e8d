#include "games/steam_roots.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace quarvel::games;

TEST(SteamRootsTest, FindsEachRealSteamFolderOnceInSearchOrder) {
    TempFolder home;
    auto debian = home.makeDirs(".steam/debian-installation/steamapps");
    auto flatpak = home.makeDirs(".var/app/com.valvesoftware.Steam/.local/share/Steam/SteamApps");
    home.makeDirs("snap/steam/common/.local/share/Steam/config");     // no steamapps: not Steam
    home.link(".local/share/Steam", home.path(".local/share/Steam")); // a link loop
    home.link(".steam/steam", home.path(".steam/debian-installation"));

    EXPECT_EQ(findSteamRoots(home.path()),
              (std::vector<std::filesystem::path>{debian.parent_path(), flatpak.parent_path()}));
    EXPECT_TRUE(findSteamRoots(std::filesystem::path()).empty());
}

TEST(SteamRootsTest, HomeComesFromTheEnvironment) {
    const char* saved = std::getenv("HOME");
    std::string before = saved ? saved : "";
    TempFolder home;
    auto native = home.makeDirs(".local/share/Steam/steamapps").parent_path();
    setenv("HOME", home.path().c_str(), 1);
    EXPECT_EQ(homeDirectory(), home.path());
    EXPECT_EQ(findSteamRoots(), std::vector<std::filesystem::path>{native});
    setenv("HOME", "", 1);
    EXPECT_EQ(homeDirectory(), std::nullopt);
    setenv("HOME", before.c_str(), 1);
}
