// Loading config files back into the editors.

#include "config/loader.h"

#include "config/install.h"
#include "config/script.h"
#include "support/editors.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace quarvel;
using testing_support::id;

namespace {

class Loader : public testing::Test {
protected:
    // An engine at start-up that has loaded the text as a file.
    Engine loaded(std::string_view text) {
        Engine engine;
        EXPECT_TRUE(loadConfig(engine, folder.write("test.cfg", text)).ok()) << text;
        return engine;
    }

    TempFolder folder;
};

} // namespace

TEST_F(Loader, SetsEachEditorAsItsLineSays) {
    struct Case {
        std::string file;
        // A field's text, or the item or option another editor selects.
        std::vector<std::pair<const char*, std::string>> expected;
    };
    const Case cases[] = {
        // The value is the text between the first blank and the next; the last line stands.
        {"cl_rate 9999 // fast\r\nmax_shells  7\r\nmax_rubble \r\nhpk_maxsize 1\nhpk_maxsize 2\n",
         {{"txtClRate", "9999"}, {"txtShells", ""}, {"txtRubble", ""}, {"txtHPKMax", "2"}}},
        {"gl_texturemode GL_NEAREST_MIPMAP_LINEAR\ncl_weather 0\ncl_nopred 1\ns_a3d 1\n"
         "gl_round_down 4\ngl_picmip 2\nmax_smokepuffs abc\n",
         {{"cmbTextureq", "2"},
          {"cmbWeather", "3"},
          {"optClPred", "0"},
          {"optA3d", "1"},
          {"cmbRnd", "4"},
          {"cmbMapq", "2"},
          {"txtSmokePuffs", "abc"}}},
        // TruForm takes its level from ati_subdiv; ati_npatch can only switch it off.
        {"ati_subdiv 4\nati_npatch 0\n", {{"cmbTruform", "4"}}},
        {"ati_npatch 0\n", {{"cmbTruform", "0"}}},
        // The client rate derives the command rate, whatever the order of the lines.
        {"cl_cmdrate 30\ncl_rate 7000\n", {{"txtClRate", "7000"}, {"txtCMDRate", "50"}}},
        {"cl_rate 7000\ncl_cmdrate 30\n", {{"txtClRate", "7000"}, {"txtCMDRate", "50"}}},
        // A value in quotes loses one pair of them.
        {"rate \"15000\"\ncl_shadows \"0\"\nmax_shells \"\"\"\n",
         {{"txtRate", "15000"}, {"optShadows", "0"}, {"txtShells", "\""}}},
        // Only one pair: the inner pair of doubled quotes stays, and is no state of a toggle.
        {"max_shells \"\"7\"\"\ncl_lc \"\"0\"\"\n", {{"txtShells", "\"7\""}, {"optLagC", "1"}}},
        // The console keeps 1023 characters of a line: a value within them stands.
        {"max_shells " + std::string(1012, '7') + "\nmax_rubble 6 " + std::string(2000, 'x'),
         {{"txtShells", std::string(1012, '7')}, {"txtRubble", "6"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Engine engine = loaded(c.file);
        for (const auto& [editor, value] : c.expected) {
            EXPECT_EQ(std::string_view(editor).starts_with("txt")
                          ? engine.text(id(editor))
                          : std::to_string(engine.selected(id(editor))),
                      value)
                << editor;
        }
    }
}

TEST_F(Loader, PassesOverWhatIsNoSettingItTakes) {
    // Each file loads as the plain one beside it.
    const std::string longLine = std::string(300, '=') + " ";
    const std::pair<std::string, std::string> cases[] = {
        {"//cl_rate 100\ncl_ratex 100\nCL_RATE 100\n cl_rate 100\ncl_rate\t100\n"
         "bind \"x\" \"jump\"\n\n" +
             longLine + "\n",
         ""},
        {longLine + "\r\nmax_shells 5\r\n" + std::string(5000, 'x') + "\r\nmax_rubble 6",
         "max_shells 5\nmax_rubble 6\n"},
        // A value that the console's cut at 1023 characters ends.
        {"max_shells " + std::string(1013, '7') + "\nmax_rubble 6", "max_rubble 6"},
        // Values that are no item or option of their editor.
        {"gl_max_size 1024\ns_eax yes\nati_npatch 1\ngl_cull \"1\n", ""},
        // Values that could carry a command into the script.
        {"cl_rate 5000\ncl_rate 6000;quit\nmax_shells \"7;exec x.cfg\"\nmax_rubble 5\tx\n"
         "max_smokepuffs 8\x01\nhpk_maxsize 2\n",
         "cl_rate 5000\nhpk_maxsize 2\n"},
        // Every line end, and a byte-order mark.
        {"\xEF\xBB\xBFmax_shells 3\r\nmax_rubble 4\r\n", "max_shells 3\nmax_rubble 4\n"},
        {"\xEF\xBB\xBFmax_shells 3\rmax_rubble 4\r", "max_shells 3\nmax_rubble 4\n"},
    };
    for (const auto& [file, plain] : cases) {
        EXPECT_EQ(loaded(file).tweakLines(), loaded(plain).tweakLines()) << file;
    }
}

TEST_F(Loader, KeepsTheFilesOwnRatesUnderTodaysGameAndSaysWhatItChanged) {
    // A file under a game version: the rates the editors end with, how many settings set their
    // editor, and what quarvel-cli says the load could not take as the file gives it.
    struct Case {
        GameVersion version;
        std::string file;
        const char* rates; // rate cl_updaterate cl_rate cl_cmdrate
        std::size_t applied;
        std::string notes;
    };
    using enum GameVersion;
    const std::string saved = "rate \"25000\"\ncl_updaterate \"101\"\ncl_cmdrate \"128\"\n";
    const std::string reversed = "cl_cmdrate \"128\"\ncl_updaterate \"101\"\nrate \"25000\"\n";
    const Case cases[] = {
        // Today's game: the file's own packet rates, whatever the order of its lines.
        {Steam, saved, "25000 101 9999 128", 3, ""},
        {Steam, reversed, "25000 101 9999 128", 3, ""},
        {Steam, "cl_rate 7000\ncl_cmdrate 30\nrate 200000\n", "100000 102 7000 30", 3,
         "rate 200000 lowered to 100000"},
        {Steam, "gl_ztrick 1\nmax_shells 3\n", "30000 60 9999 60", 1,
         "1 setting of the classic game skipped: choose --limits classic first to keep it"},
        // The classic game as it always loaded: a byte rate derives its packet rate over the
        // file's own, and everything is capped.
        {Classic, saved, "20000 45 9999 100", 3,
         "cl_cmdrate 128 lowered to 100, cl_updaterate 101 lowered to 45, rate 25000 lowered to "
         "20000"},
        {Classic, "cl_cmdrate 30\ncl_rate 7000\n", "7500 20 7000 50", 2, ""},
        {Classic, "cl_updaterate 101\nfps_max 144\ngl_vsync 0\nm_rawinput 1\n", "7500 45 9999 30",
         1,
         "cl_updaterate 101 lowered to 45 and 3 settings of today's game skipped: choose --limits "
         "steam first to keep them"},
        {Classic, "cl_rate 5000\ncl_rate 6000;quit\nbind x jump\n//rate 100\n", "7500 20 5000 36",
         1, ""},
    };
    for (const Case& c : cases) {
        Engine engine;
        engine.setGameVersion(c.version);
        const auto loaded = loadConfig(engine, folder.write("config.cfg", c.file));
        ASSERT_TRUE(loaded.ok()) << c.file;
        EXPECT_EQ(engine.text(id("txtRate")) + " " + engine.text(id("txtURate")) + " " +
                      engine.text(id("txtClRate")) + " " + engine.text(id("txtCMDRate")),
                  c.rates)
            << c.file;
        EXPECT_EQ(loaded->applied, c.applied) << c.file;
        EXPECT_EQ(loadNotes(*loaded, c.version), c.notes) << c.file;
        EXPECT_EQ(engine.handlerDepth(), 0);
    }
}

TEST_F(Loader, ALoadChangesOnlyWhatItsFileContains) {
    Engine engine;
    ASSERT_TRUE(loadConfig(engine, folder.write("shells.cfg", "max_shells 3\n")).ok());
    engine.setText(id("txtShells"), "9");
    ASSERT_TRUE(loadConfig(engine, folder.write("rubble.cfg", "max_rubble 4\n")).ok());
    EXPECT_EQ(engine.text(id("txtShells")), "9"); // the earlier file's value is not applied again
    EXPECT_EQ(engine.text(id("txtRubble")), "4");
}

TEST_F(Loader, OnlyARegularFileLoadsAndAnythingElseIsRefusedAtOnce) {
    struct Case {
        std::filesystem::path file;
        std::string reason;
    };
#ifdef _WIN32
    // A pipe that nobody writes to, and a device.
    const std::wstring pipeName =
        L"\\\\.\\pipe\\quarvel-test-" + std::to_wstring(GetCurrentProcessId());
    HANDLE pipe = CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 4096,
                                   4096, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    const Case cases[] = {
        {pipeName, "it is not a regular file"},
        {"NUL", "it is not a regular file"},
        {folder.makeDirs("a-directory.cfg"), "it is not a regular file"},
        {folder.path("missing.cfg"),
         systemReason(std::error_code(ERROR_FILE_NOT_FOUND, std::system_category()))},
    };
#else
    ASSERT_EQ(::mkfifo(folder.path("fifo.cfg").c_str(), 0644), 0);
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = folder.path("socket.cfg").string();
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const Case cases[] = {
        {folder.path("fifo.cfg"), "it is not a regular file"},
        {"/dev/zero", "it is not a regular file"},
        {folder.path("socket.cfg"), "it is not a regular file"},
        {folder.makeDirs("a-directory.cfg"), "it is not a regular file"},
        {folder.path("missing.cfg"), "No such file or directory"},
    };
#endif
    Engine engine;
    const TweakLines before = engine.tweakLines();
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        const auto loaded = loadConfig(engine, c.file);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.file;
        ASSERT_FALSE(loaded.ok()) << c.file;
        EXPECT_EQ(reasonText(loaded.failure()), c.reason) << c.file;
    }
    EXPECT_EQ(engine.tweakLines(), before);
#ifdef _WIN32
    CloseHandle(pipe);
#else
    ::close(listening);
#endif
}

TEST_F(Loader, AScriptQuarvelWroteLoadsBackToTheSameStatesUnderEachGameVersion) {
    for (const GameVersion version : {GameVersion::Classic, GameVersion::Steam}) {
        for (const auto& [preset, shortName, caption, menuText, menuItem] : presetNames) {
            Engine source;
            source.setGameVersion(version);
            source.applyPreset(preset);
            source.selectOption(id("optClear"), 1); // Fill Texturegaps and Hi Quality Models
            source.selectOption(id("optHimodels"), 0);
            TempFolder game;
            ASSERT_TRUE(
                installTweaks(game.path(), buildScript(source.tweakLines(), version)).installed());

            Engine target;
            target.setGameVersion(version);
            target.applyPreset(preset == Preset::DieHardFps ? Preset::HighQuality
                                                            : Preset::DieHardFps);
            ASSERT_TRUE(loadConfig(target, game.path("quarvel.cfg")).ok());
            for (int slot = 0; slot < slotCount; ++slot) {
                // Lazy precaching and Cheating-Death's level are not among the known cvars, and
                // the script holds only what the game version knows.
                if (slot != id("optLPrecache") && slot != id("cmbCDFPS") &&
                    offered(slot, version)) {
                    EXPECT_EQ(target.slot(slot), source.slot(slot)) << slot << " " << shortName;
                }
            }
        }
    }
}
