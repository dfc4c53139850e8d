// Where Steam is found: under the home folder on Linux; on Windows from the registry's SteamPath,
// then Program Files. Libraries on other drive letters: game_detection_test.cpp.
#include "games/steam_roots.h"

#include "support/game_printer.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <tuple>

#include <windows.h>
#endif

using namespace quarvel::games;
using Paths = std::vector<std::filesystem::path>;

#ifndef _WIN32
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
#else

TEST(SteamRootsTest, FromTheRegistryThenFromProgramFiles) {
    TempFolder tmp;
    // Not in the code page of most players' Windows (1252), so only UTF-16 keeps it.
    const std::string programFiles = "Arquivos de Programas (x86) Łódź";
    const auto programFilesSteam = tmp.makeDirs(programFiles + "/Steam/steamapps").parent_path();
    const auto jogos = tmp.makeDirs("Jogos Çà/Steam/SteamApps").parent_path();
    const auto notSteam = tmp.makeDirs("Outro/Steam");
    const std::wstring savedProgramFiles = _wgetenv(L"ProgramFiles(x86)");
    _wputenv_s(L"ProgramFiles(x86)", tmp.path(programFiles).c_str());
    // HKEY_CURRENT_USER of this process is a fresh key of its own meanwhile, so the player's real
    // Steam entry is neither read nor changed.
    const std::wstring ownKey = L"Software\\Quarvel test " + std::to_wstring(GetCurrentProcessId());
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, ownKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, key), ERROR_SUCCESS);
    EXPECT_EQ(findSteamRoots(), Paths{programFilesSteam}); // no SteamPath at all

    // SteamPath's type and text as Steam would write them, and the Steam folders found.
    const std::tuple<DWORD, std::wstring, Paths> cases[] = {
        // Steam's own spelling of the Program Files folder: the same folder, listed once.
        {REG_SZ, steamSpelling(programFilesSteam), {programFilesSteam}},
        {REG_SZ, jogos, {jogos, programFilesSteam}},
        {REG_EXPAND_SZ, L"%ProgramFiles(x86)%\\..\\Jogos Çà\\Steam", {jogos, programFilesSteam}},
        // Longer than MAX_PATH as written, not once "." is taken out.
        {REG_SZ,
         jogos.wstring() + std::wstring(2 * MAX_PATH, L'/') + L".",
         {jogos, programFilesSteam}},
        {REG_SZ, notSteam, {programFilesSteam}}, // no steamapps folder
        {REG_DWORD, L"1", {programFilesSteam}},  // not a text: four bytes
    };
    for (const auto& [type, steamPath, roots] : cases) {
        EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath", type,
                                  steamPath.c_str(), DWORD((steamPath.size() + 1) * 2)),
                  ERROR_SUCCESS);
        EXPECT_EQ(findSteamRoots(), roots) << quarvel::pathText(steamPath) << " of type " << type;
    }
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(key);
    RegDeleteTreeW(HKEY_CURRENT_USER, ownKey.c_str());
    _wputenv_s(L"ProgramFiles(x86)", savedProgramFiles.c_str());
}
#endif
