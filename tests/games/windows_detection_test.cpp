// Finding Steam and the games on Windows: the registry's SteamPath, Program Files, libraries on
// other drive letters written with doubled backslashes, and folder names in any language.
#include "games/file_lookup.h"
#include "games/game_detection.h"
#include "games/steam_libraries.h"
#include "games/steam_roots.h"
#include "support/game_printer.h"
#include "support/temp_folder.h"
#include "support/vdf_text.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <random>
#include <string>

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

// A folder of its own on another drive letter, removed afterwards. Wine takes its drive letters
// from the prefix's dosdevices folder and ignores DefineDosDevice, so under Wine it is the drive
// that scripts/windows.sh maps and names in QUARVEL_TEST_DRIVE ("Q:"); on Windows a free letter
// is mapped to a folder of the test, as subst does.
class SecondDrive {
public:
    explicit SecondDrive(const fs::path& backing) {
        std::error_code ec;
        if (const wchar_t* drive = _wgetenv(L"QUARVEL_TEST_DRIVE"); drive && *drive) {
            std::random_device random;
            do {
                root_ = std::wstring(drive) + L"\\quarvel-test-" + std::to_wstring(random());
            } while (!fs::create_directory(root_, ec) && !ec);
            if (ec) {
                root_.clear();
            }
            real_ = root_;
            return;
        }
        fs::create_directories(backing, ec);
        for (wchar_t letter = L'Z'; letter >= L'D' && mapped_.empty(); --letter) {
            std::wstring drive{letter, L':'};
            if (!(GetLogicalDrives() & (1u << (letter - L'A'))) &&
                DefineDosDeviceW(0, drive.c_str(), backing.c_str())) {
                mapped_ = drive;
            }
        }
        if (!mapped_.empty() &&
            GetFileAttributesW((mapped_ + L"\\").c_str()) != INVALID_FILE_ATTRIBUTES) {
            root_ = mapped_ + L"\\";
            real_ = backing;
        }
    }
    ~SecondDrive() {
        std::error_code ignored;
        if (mapped_.empty()) {
            fs::remove_all(root_, ignored);
        } else {
            DefineDosDeviceW(DDD_REMOVE_DEFINITION, mapped_.c_str(), nullptr);
        }
    }
    SecondDrive(const SecondDrive&) = delete;
    SecondDrive& operator=(const SecondDrive&) = delete;

    bool usable() const { return !root_.empty(); }
    // The folder as named on the drive letter, and its real path: under subst that is the
    // folder mapped.
    fs::path path(const std::string& relative) const { return pathIn(root_, relative); }
    fs::path realPath(const std::string& relative) const { return pathIn(real_, relative); }

private:
    fs::path root_, real_;
    std::wstring mapped_;

    static fs::path pathIn(const fs::path& base, const std::string& relative) {
        return (base / std::u8string(relative.begin(), relative.end())).make_preferred();
    }
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

    struct Case {
        DWORD type;
        std::wstring steamPath;
        Paths roots;
    };
    const Case cases[] = {
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

TEST_F(WindowsDetectionTest, HomeFolderFromUserProfileInAnyLanguage) {
    const std::pair<std::wstring, std::optional<fs::path>> cases[] = {
        {L"C:\\Users\\Łukasz Çà", fs::path(L"C:\\Users\\Łukasz Çà")},
        {L"", std::nullopt},
    };
    for (const auto& [userProfile, home] : cases) {
        EnvironmentVariable variable(L"USERPROFILE", userProfile);
        EXPECT_EQ(homeDirectory(), home) << pathText(userProfile);
    }
}

TEST_F(WindowsDetectionTest, LibrariesOnOtherDrivesAsSteamWritesThem) {
    SecondDrive drive(tmp.path("second drive"));
    if (!drive.usable()) {
        GTEST_SKIP() << "no second drive letter: under Wine, scripts/windows.sh maps one";
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

    // Each path as written in libraryfolders.vdf, and whether it names a library of its own.
    const std::pair<std::string, bool> entries[] = {
        {vdfText(steam), false}, // Steam lists its own folder too
        {other.root_name().string() + vdfText(other.relative_path()), false},
        {"\\\\" + vdfText(other.relative_path()), false},
        {vdfText(drive.path("SteamLibrary")), true},
        {pathText(steamSpelling(drive.path("SteamLibrary"))) + "/", false}, // the same
        {vdfText(jogos), true},
        {vdfText(tmp.path("Jogos Çà/nowhere")), false},
    };
    std::string text = "\"libraryfolders\"\n{\n";
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        text += "\t\"" + std::to_string(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" + entries[i].first +
                "\"\n\t}\n";
    }
    tmp.write(programFiles + "/Steam/steamapps/libraryfolders.vdf", text + "}\n");

    std::vector<Failure> warnings;
    auto libraries = findSteamLibraries(steam, warnings);
    auto result = detectGames({{}, std::vector{steam}, {}});
    fs::current_path(workingFolder);

    EXPECT_EQ(libraries, (Paths{steam, drive.realPath("SteamLibrary"), jogos})) << text;
    EXPECT_EQ(described(warnings), std::vector<std::string>{});
    EXPECT_EQ(described(result.warnings), std::vector<std::string>{});
    EXPECT_EQ(result.games,
              (std::vector<DetectedGame>{
                  {"Counter-Strike", tmp.path(programFiles + "/Steam" + halfLife + "/cstrike"),
                   "cstrike"},
                  {"Day of Defeat", drive.realPath("SteamLibrary" + halfLife + "/dod"), "dod"},
                  {"Half-Life", tmp.path("Jogos Çà/Biblioteca/steamapps/common/Half-Life Ł/valve"),
                   "valve"}}));
}

TEST_F(WindowsDetectionTest, GameFoldersNamedInAnyLanguage) {
    auto counterStrike = tmp.makeDirs("Jogos Çà/Counter-Strike/cstrike").parent_path();
    tmp.write("Jogos Çà/Counter-Strike/HL.EXE", "");
    auto noGame = tmp.makeDirs("Jogos Çà/Ninguém");

    auto result = detectGames({{}, Paths{}, {tmp.path("Jogos Çà/COUNTER-STRIKE"), noGame}});
    EXPECT_EQ(result.games, (std::vector<DetectedGame>{
                                {"Counter-Strike", counterStrike / "cstrike", "cstrike"}}));
    // Messages are UTF-8, whatever the Windows code page.
    EXPECT_EQ(described(result.warnings),
              std::vector<std::string>{pathText(tmp.path("Jogos Çà").parent_path()) +
                                       "\\Jogos Çà\\Ninguém: not a Half-Life folder (it has "
                                       "neither hl.exe nor hl_linux)"});
}
