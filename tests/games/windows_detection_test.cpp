// Finding Steam and the games on Windows: the registry's SteamPath, Program Files, libraries on
// other drive letters written with doubled backslashes, and folder names in any language.
#include "games/file_lookup.h"
#include "games/game_detection.h"
#include "games/steam_roots.h"
#include "support/game_printer.h"
#include "support/temp_folder.h"
#include "support/vdf_text.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <tuple>

#include <windows.h>

using namespace quarvel;
using namespace quarvel::games;
namespace fs = std::filesystem;
using Paths = std::vector<fs::path>;

namespace {

// Sets an environment variable for this process and puts back the old value afterwards.
class EnvironmentVariable {
public:
    EnvironmentVariable(const wchar_t* name, const std::wstring& value) : name_(name) {
        if (const wchar_t* old = _wgetenv(name)) {
            saved_ = old;
        }
        _wputenv_s(name, value.c_str()); // an empty value removes the variable
    }
    ~EnvironmentVariable() { _wputenv_s(name_, saved_.value_or(L"").c_str()); }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    const wchar_t* name_;
    std::optional<std::wstring> saved_;
};

// HKEY_CURRENT_USER of this process is a fresh key of its own while the object lives, so the
// player's real Steam entry is neither read nor changed.
class PrivateCurrentUser {
public:
    PrivateCurrentUser() {
        name_ = L"Software\\Quarvel tests\\" + std::to_wstring(std::random_device()());
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, name_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, key_), ERROR_SUCCESS);
    }
    ~PrivateCurrentUser() {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegDeleteTreeW(key_, nullptr);
        RegCloseKey(key_);
        RegDeleteKeyW(HKEY_CURRENT_USER, name_.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Quarvel tests"); // if no other test uses it
    }
    PrivateCurrentUser(const PrivateCurrentUser&) = delete;
    PrivateCurrentUser& operator=(const PrivateCurrentUser&) = delete;

    // HKEY_CURRENT_USER\Software\Valve\Steam's SteamPath as Steam would write it; REG_NONE
    // removes it.
    void setSteamPath(DWORD type, const std::wstring& text) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath");
        if (type == REG_NONE) {
            return;
        }
        DWORD number = 1;
        const void* data = type == REG_DWORD ? static_cast<const void*>(&number) : text.c_str();
        DWORD size = type == REG_DWORD ? sizeof number : DWORD((text.size() + 1) * sizeof(wchar_t));
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath", type,
                                  data, size),
                  ERROR_SUCCESS);
    }

private:
    std::wstring name_;
    HKEY key_ = nullptr;
};

// A folder of its own on the second drive letter named in QUARVEL_TEST_DRIVE, removed afterwards.
// Wine takes its drive letters from the prefix's dosdevices folder only, and scripts/windows.sh
// maps one there ("Q:"); on Windows any drive but the temporary folder's will do.
class SecondDrive {
public:
    SecondDrive() {
        const wchar_t* drive = _wgetenv(L"QUARVEL_TEST_DRIVE");
        std::error_code ec;
        std::random_device random;
        while (drive && *drive && root_.empty() && !ec) {
            const fs::path folder =
                std::wstring(drive) + L"\\quarvel-test-" + std::to_wstring(random());
            if (fs::create_directory(folder, ec)) {
                root_ = folder;
            }
        }
    }
    ~SecondDrive() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    SecondDrive(const SecondDrive&) = delete;
    SecondDrive& operator=(const SecondDrive&) = delete;

    bool usable() const { return !root_.empty(); }
    fs::path path(const std::string& relative) const {
        return (root_ / std::u8string(relative.begin(), relative.end())).make_preferred();
    }

private:
    fs::path root_;
};

// The spelling Steam itself stores in the registry: lower case, forward slashes.
std::wstring steamSpelling(const fs::path& path) {
    std::wstring text = path.generic_wstring();
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z') {
            c = wchar_t(c - L'A' + L'a');
        }
    }
    return text;
}

class WindowsDetectionTest : public testing::Test {
protected:
    TempFolder tmp;
    PrivateCurrentUser registry;
    // Not in the code page of most players' Windows (1252), so only UTF-16 keeps it.
    const std::string programFiles = "Arquivos de Programas (x86) Łódź";
    EnvironmentVariable programFilesVariable{L"ProgramFiles(x86)", tmp.path(programFiles)};
};

} // namespace

TEST_F(WindowsDetectionTest, SteamFolderFromTheRegistryThenFromProgramFiles) {
    auto programFilesSteam = tmp.makeDirs(programFiles + "/Steam/steamapps").parent_path();
    auto jogos = tmp.makeDirs("Jogos Çà/Steam/SteamApps").parent_path();
    auto notSteam = tmp.makeDirs("Outro/Steam");
    EnvironmentVariable games(L"QUARVEL_TEST_GAMES", tmp.path("Jogos Çà"));

    // SteamPath's type and text, and the Steam folders found.
    const std::tuple<DWORD, std::wstring, Paths> cases[] = {
        {REG_NONE, L"", {programFilesSteam}},
        // Steam's own spelling of the Program Files folder: the same folder, listed once.
        {REG_SZ, steamSpelling(programFilesSteam), {programFilesSteam}},
        {REG_SZ, jogos, {jogos, programFilesSteam}},
        {REG_EXPAND_SZ, L"%QUARVEL_TEST_GAMES%\\Steam", {jogos, programFilesSteam}},
        // Longer than MAX_PATH as written, not once "." is taken out.
        {REG_SZ,
         jogos.wstring() + std::wstring(2 * MAX_PATH, L'/') + L".",
         {jogos, programFilesSteam}},
        {REG_SZ, notSteam, {programFilesSteam}}, // no steamapps folder
        {REG_SZ, L"", {programFilesSteam}},
        {REG_DWORD, L"", {programFilesSteam}}, // not a text
    };
    for (const auto& [type, steamPath, roots] : cases) {
        registry.setSteamPath(type, steamPath);
        EXPECT_EQ(findSteamRoots(), roots) << pathText(steamPath) << " of type " << type;
    }
}

TEST_F(WindowsDetectionTest, LibrariesOnOtherDrivesAsSteamWritesThem) {
    SecondDrive drive;
    if (!drive.usable()) {
        GTEST_SKIP() << "no second drive letter in QUARVEL_TEST_DRIVE (scripts/windows.sh sets Q:)";
    }
    const std::string halfLife = "/steamapps/common/Half-Life";
    tmp.makeDirs(programFiles + "/Steam" + halfLife + "/cstrike");
    const auto steam = tmp.path(programFiles + "/Steam");
    fs::create_directories(drive.path("SteamLibrary" + halfLife + "/dod"));
    fs::create_directories(drive.path("OtherLibrary" + halfLife + "/tfc"));
    tmp.makeDirs("Jogos Çà/Biblioteca/steamapps/common/Half-Life Ł/valve");
    const auto jogos = tmp.path("Jogos Çà/Biblioteca");
    tmp.write("Jogos Çà/Biblioteca/steamapps/appmanifest_70.acf",
              R"("AppState" { "installdir" "Half-Life Ł" })");
    // OtherLibrary, named from the drive's working folder or from the working folder's drive.
    const auto other = drive.path("OtherLibrary");
    const auto workingFolder = fs::current_path();
    fs::current_path(other.root_path());

    // Each path as written in libraryfolders.vdf: only SteamLibrary and Biblioteca are libraries
    // of their own.
    const std::string entries[] = {
        vdfText(steam), // Steam lists its own folder too
        other.root_name().string() + vdfText(other.relative_path()),
        "\\\\" + vdfText(other.relative_path()),
        vdfText(drive.path("SteamLibrary")),
        pathText(steamSpelling(drive.path("SteamLibrary"))) + "/", // the same
        vdfText(jogos),
        vdfText(tmp.path("Jogos Çà/nowhere")),
    };
    std::string text = "\"libraryfolders\"\n{\n";
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        text +=
            "\t\"" + std::to_string(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" + entries[i] + "\"\n\t}\n";
    }
    tmp.write(programFiles + "/Steam/steamapps/libraryfolders.vdf", text + "}\n");

    auto result = detectGames({{}, std::vector{steam}, {}});
    fs::current_path(workingFolder);

    EXPECT_EQ(described(result.warnings), std::vector<std::string>{}) << text;
    EXPECT_EQ(result.games,
              (std::vector<DetectedGame>{
                  {"Counter-Strike", tmp.path(programFiles + "/Steam" + halfLife + "/cstrike"),
                   "cstrike"},
                  {"Day of Defeat", drive.path("SteamLibrary" + halfLife + "/dod"), "dod"},
                  {"Half-Life", tmp.path("Jogos Çà/Biblioteca/steamapps/common/Half-Life Ł/valve"),
                   "valve"}}));
}
