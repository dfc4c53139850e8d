// Remove puts back what the game saved: the record of the settings before the install, read as
// input a player may have edited, and config.cfg changed only where the game saved Quarvel's
// values.

#include "config/console_script.h"
#include "config/install.h"
#include "config/restore_record.h"
#include "config/script.h"
#include "config/start_up.h"
#include "config/uninstall.h"
#include "config/userconfig_hook.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace quarvel;
namespace fs = std::filesystem;

namespace {

const std::string header = "// Quarvel v3\r\n";

std::vector<std::string> texts(const std::vector<Sentence>& sentences) {
    std::vector<std::string> lines;
    for (const Sentence& sentence : sentences) {
        lines.push_back(sentenceText(sentence));
    }
    return lines;
}

// The value of every tweak setting at the end of the game's start-up.
std::map<std::string, std::string> valuesAtStart(const fs::path& game) {
    std::map<std::string, std::string> values;
    for (const auto& [name, set] : readStartUp(game, systemFileIo()).settings) {
        values[name] = set.value;
    }
    return values;
}

// The lines of config.cfg that set none of the tweak settings.
std::vector<std::string> otherLines(const std::string& config) {
    std::vector<std::string> lines;
    std::istringstream in(config);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string first;
        words >> first;
        std::ranges::transform(first, first.begin(),
                               [](unsigned char c) { return std::tolower(c); });
        if (!tweakCvars().contains(first)) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The game quits and saves config.cfg as it does: its two comment lines, the binds, every setting
// it holds (here the tweak settings at the end of the start-up, and the other settings of the
// config.cfg before) in the order of their names, and the line that runs userconfig.cfg.
void saveAsTheGameDoes(const TempFolder& game) {
    std::vector<std::string> binds;
    std::map<std::string, std::string> settings;
    for (const std::string& line : otherLines(game.read("config.cfg"))) {
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (first == "bind") {
            binds.push_back(line);
        } else if (!first.empty() && !first.starts_with("//") && first != "unbindall" &&
                   first != "exec") {
            settings[first] = line;
        }
    }
    for (const auto& [name, value] : valuesAtStart(game.path())) {
        settings[name] = name + " \"" + value + "\"";
    }
    std::string config = "// This file is overwritten whenever you change your user settings in "
                         "the game.\n// Add custom configurations to the file "
                         "\"userconfig.cfg\".\nunbindall\n";
    for (const std::string& bind : binds) {
        config += bind + "\n";
    }
    for (const auto& [name, line] : settings) {
        config += line + "\n";
    }
    game.write("config.cfg", config + "exec userconfig.cfg\n");
}

std::string scriptOf(Preset preset, GameVersion version) {
    Engine engine;
    engine.setGameVersion(version);
    engine.applyPreset(preset);
    return buildScript(engine.tweakLines(), version);
}

// What happens between the game's saving config.cfg after the install and the removal.
enum class Between { Nothing, PlayerChange, SecondInstall };

void writeFiles(const TempFolder& game, const std::map<std::string, std::string>& files) {
    for (const auto& [name, content] : files) {
        game.write(name, content);
    }
}

// Installs the Default preset, has the game save config.cfg, and then makes what comes between.
void installAndPlay(const TempFolder& game, GameVersion version, Between between) {
    const InstallOptions hooks{.userconfig = version == GameVersion::Steam
                                                 ? UserconfigChange::Add
                                                 : UserconfigChange::Leave};
    ASSERT_TRUE(
        installTweaks(game.path(), scriptOf(Preset::Default, version), systemFileIo(), hooks)
            .installed());
    saveAsTheGameDoes(game);
    if (between == Between::PlayerChange) {
        // gl_picmip, changed in the game's own options after quarvel.cfg ran.
        std::string edited = game.read("config.cfg");
        const std::size_t line = edited.find("\ngl_picmip \"") + 1;
        edited.replace(line, edited.find('\n', line) - line, "gl_picmip \"7\"");
        game.write("config.cfg", edited);
    } else if (between == Between::SecondInstall) {
        ASSERT_TRUE(
            installTweaks(game.path(), scriptOf(Preset::DieHardFps, version), systemFileIo(), hooks)
                .installed());
        saveAsTheGameDoes(game);
    }
}

// The player's change is kept and named; what else is kept is his own value.
void expectKeptOnlyHisOwn(const UninstallResult& removed, const TempFolder& game,
                          const std::map<std::string, std::string>& played, Between between) {
    for (const KeptSetting& kept : removed.kept) {
        if (between == Between::PlayerChange && kept.name == "gl_picmip") {
            EXPECT_EQ(kept.value, "7");
            EXPECT_NE(game.read("config.cfg").find("\ngl_picmip \"7\"\n"), std::string::npos);
        } else {
            EXPECT_TRUE(played.contains(kept.name) &&
                        sameConsoleValue(played.at(kept.name), kept.value))
                << kept.name << " " << kept.value;
        }
    }
    EXPECT_EQ(between == Between::PlayerChange,
              std::ranges::any_of(removed.kept, [](const KeptSetting& kept) {
                  return kept.name == "gl_picmip" && kept.value == "7";
              }));
}

// Every other setting as the game would hold it without Quarvel.
void expectSettingsAsPlayed(const TempFolder& game,
                            const std::map<std::string, std::string>& played, Between between) {
    auto endedWith = valuesAtStart(game.path());
    if (between == Between::PlayerChange) {
        endedWith.erase("gl_picmip");
    }
    for (const auto& [name, value] : played) {
        if (between != Between::PlayerChange || name != "gl_picmip") {
            EXPECT_TRUE(endedWith.contains(name) && sameConsoleValue(endedWith[name], value))
                << name << " was " << value << ", is " << endedWith[name];
        }
        endedWith.erase(name);
    }
    EXPECT_TRUE(endedWith.empty()) << endedWith.begin()->first << " is still set";
}

// A game of these files, installed into, played and saved, then removed from: it ends as `played`,
// the settings of the same game never installed into.
void expectRoundTrip(const std::map<std::string, std::string>& files,
                     const std::map<std::string, std::string>& played, GameVersion version,
                     Between between) {
    TempFolder game;
    writeFiles(game, files);
    TempFolder::Snapshot before = game.snapshot();
    ASSERT_NO_FATAL_FAILURE(installAndPlay(game, version, between));
    const std::string savedConfig = game.read("config.cfg");

    const UninstallResult removed = uninstallTweaks(game.path());
    ASSERT_FALSE(removed.failure) << describe(*removed.failure);
    expectKeptOnlyHisOwn(removed, game, played, between);
    expectSettingsAsPlayed(game, played, between);
    // config.cfg changed only where a setting was put back; every other file as it was, and
    // nothing of Quarvel's left.
    TempFolder::Snapshot after = game.snapshot();
    EXPECT_EQ(otherLines(after["config.cfg"]), otherLines(savedConfig));
    after.erase("config.cfg");
    before.erase("config.cfg");
    EXPECT_EQ(after, before);
}

struct SavedCase {
    const char* what;
    std::string script; // quarvel.cfg, after its header
    std::string record;
    std::string config;   // config.cfg as the game saved it
    std::string restored; // config.cfg after Remove
    std::vector<std::string> said;
};

// The plan and the removal say the same of what config.cfg gets back; only the removal changes it.
void expectPutBack(const SavedCase& c) {
    SCOPED_TRACE(c.what);
    TempFolder game;
    game.write("quarvel.cfg", header + c.script);
    game.write("quarvel-restore.cfg", c.record);
    game.write("config.cfg", c.config);
    const UninstallResult plan = planUninstall(game.path());
    ASSERT_FALSE(plan.failure) << describe(*plan.failure);
    EXPECT_EQ(texts(savedSettingsReport(plan)), c.said);
    EXPECT_EQ(game.read("config.cfg"), c.config); // the plan changes nothing

    const UninstallResult removed = uninstallTweaks(game.path());
    ASSERT_FALSE(removed.failure) << describe(*removed.failure);
    EXPECT_EQ(texts(savedSettingsReport(removed)), c.said);
    EXPECT_EQ(game.snapshot(), (TempFolder::Snapshot{{"config.cfg", c.restored}}));
}

struct RemovalCase {
    const char* what;
    bool recorded;
    UninstallOptions options;
    std::string said; // the failure, or what is said of config.cfg
    std::string restored;
};

// A removal from a game whose config.cfg is `config`, with the record `record` if the case has
// one.
void expectRemoval(const RemovalCase& c, const std::string& config, const std::string& record) {
    SCOPED_TRACE(c.what);
    TempFolder game;
    game.write("quarvel.cfg", header + "rate 100000\r\n");
    game.write("autoexec.cfg", "exec quarvel.cfg\r\n");
    game.write("config.cfg", config);
    if (c.recorded) {
        game.write("quarvel-restore.cfg", record);
    }
    const TempFolder::Snapshot before = game.snapshot();
    const UninstallResult removed = uninstallTweaks(game.path(), systemFileIo(), c.options);
    if (c.restored.empty()) {
        ASSERT_TRUE(removed.failure);
        EXPECT_EQ(describe(*removed.failure), c.said);
        EXPECT_EQ(game.snapshot(), before); // the record stays for a later Remove
        return;
    }
    ASSERT_FALSE(removed.failure) << describe(*removed.failure);
    EXPECT_EQ(texts(savedSettingsReport(removed)), std::vector<std::string>{c.said});
    EXPECT_EQ(game.snapshot(),
              (TempFolder::Snapshot{{"autoexec.cfg", ""}, {"config.cfg", c.restored}}));
}

} // namespace

TEST(RoundTrip, InstallPlaySaveAndRemoveGiveBackEverySettingAndEveryOtherByte) {
    const std::string saved =
        "// This file is overwritten whenever you change your user settings in the game.\n"
        "// Add custom configurations to the file \"userconfig.cfg\".\nunbindall\n"
        "bind \"w\" \"+forward\"\nbind \"MOUSE1\" \"+attack\"\ncl_cmdrate \"101\"\n"
        "cl_updaterate \"101\"\nfps_max \"144\"\ngl_picmip \"0\"\nrate \"25000\"\n"
        "sensitivity \"2.5\"\nvoice_scale \"0.75\"\nexec userconfig.cfg\n";
    const struct {
        const char* what;
        std::map<std::string, std::string> files;
    } layouts[] = {
        {"no config.cfg yet", {{"autoexec.cfg", "bind x jump\r\n"}}},
        {"a config.cfg the game saved, with binds", {{"config.cfg", saved}}},
        {"values set in autoexec.cfg and userconfig.cfg only",
         {{"autoexec.cfg", "rate 20000\r\nfps_max 200\r\n"},
          {"userconfig.cfg", "cl_updaterate 80 // mine\ngl_picmip 1\n"}}},
        {"a setting no file sets, beside a saved config.cfg",
         {{"config.cfg", "unbindall\nbind \"x\" \"jump\"\nrate \"25000\"\nexec "
                         "userconfig.cfg\n"},
          {"userconfig.cfg", "name \"Player\"\n"}}},
    };
    for (const auto& layout : layouts) {
        // What the player's game holds without Quarvel, once it has quit and saved config.cfg.
        TempFolder twin;
        writeFiles(twin, layout.files);
        saveAsTheGameDoes(twin);
        const auto played = valuesAtStart(twin.path());
        for (const GameVersion version : {GameVersion::Classic, GameVersion::Steam}) {
            for (const Between between :
                 {Between::Nothing, Between::PlayerChange, Between::SecondInstall}) {
                SCOPED_TRACE(testing::Message()
                             << layout.what << ", version " << static_cast<int>(version)
                             << ", between " << static_cast<int>(between));
                ASSERT_NO_FATAL_FAILURE(expectRoundTrip(layout.files, played, version, between));
            }
        }
    }
}

TEST(RoundTrip, RemovePutsBackOnlyWhatTheGameSavedFromQuarvelCfg) {
    const SavedCase cases[] = {
        {"values put back in the line's own form, line ends kept",
         "rate 100000\r\ncl_updaterate 102\r\ngl_vsync 0\r\n",
         "rate \"25000\" // quarvel.cfg sets \"100000\"\r\n"
         "cl_updaterate \"101\" // quarvel.cfg sets \"102\"\r\n"
         "// gl_vsync was not set; quarvel.cfg sets \"0\"\r\n",
         "unbindall\nbind \"w\" \"+forward\"\ncl_updaterate 102\ngl_vsync \"0\"\nrate "
         "\"100000.000000\"\nexec userconfig.cfg\n",
         "unbindall\nbind \"w\" \"+forward\"\ncl_updaterate 101\nrate \"25000\"\nexec "
         "userconfig.cfg\n",
         {"config.cfg: 2 settings put back as they were before the install (rate 25000, "
          "cl_updaterate 101).",
          "config.cfg no longer sets gl_vsync, which no file set before the install: the game "
          "uses its own default again."}},
        {"only the last line that sets it counts, compared as the game reads numbers",
         "fps_max 100\r\nrate 100000\r\n",
         "fps_max \"144\" // quarvel.cfg sets \"100\"\r\nrate \"30000\" // quarvel.cfg sets "
         "\"100000\"\r\n",
         "fps_max 100\r\nFPS_MAX \" 100 \"\r\nrate \"30000\"\r\n",
         "fps_max 100\r\nFPS_MAX \"144\"\r\nrate \"30000\"\r\n",
         {"config.cfg: 1 setting put back as it was before the install (fps_max 144)."}},
        {"a value the player set since is kept and named",
         "fps_max 100\r\ngl_picmip 1\r\n",
         "fps_max \"144\" // quarvel.cfg sets \"100\"\r\ngl_picmip \"0\" // quarvel.cfg sets "
         "\"1\"\r\n",
         "fps_max \"200\"\r\ngl_picmip \"1\"\r\n",
         "fps_max \"200\"\r\ngl_picmip \"0\"\r\n",
         {"config.cfg: 1 setting put back as it was before the install (gl_picmip 0).",
          "config.cfg: 1 setting kept as you changed it since (fps_max 200)."}},
        {"an earlier install's value counts as quarvel.cfg's too",
         "rate 50000\r\n",
         "rate \"25000\" // quarvel.cfg sets \"50000\", earlier \"100000\"\r\n",
         "rate \"100000\"\r\n",
         "rate \"25000\"\r\n",
         {"config.cfg: 1 setting put back as it was before the install (rate 25000)."}},
        {"a line of several commands loses only its own",
         "gl_vsync 0\r\n",
         "// gl_vsync was not set; quarvel.cfg sets \"0\"\r\n",
         "bind x jump; gl_vsync 0 ; m_rawinput 1\r\n",
         "bind x jump;  ; m_rawinput 1\r\n",
         {"config.cfg no longer sets gl_vsync, which no file set before the install: the game "
          "uses its own default again."}},
    };
    for (const SavedCase& c : cases) {
        ASSERT_NO_FATAL_FAILURE(expectPutBack(c));
    }
}

TEST(RoundTrip, RemoveUsesOnlyWhatIsSafeAndQuarvelCfgsOwnOfARecordAPlayerEdited) {
    expectPutBack(
        {"a record a player edited: only what is safe and quarvel.cfg's own is used",
         "rate 100000\r\ncl_cmdrate 60\r\n",
         "rate \"1;quit\" // quarvel.cfg sets \"100000\"\r\n"
         "sensitivity \"9\" // quarvel.cfg sets \"3\"\r\n"
         "cl_cmdrate 30 40\r\n"
         "// a note of the player's own\r\n"
         "cl_cmdrate \"101\" // quarvel.cfg sets \"60\"\r\n"
         "cl_cmdrate \"30\" // quarvel.cfg sets \"60\"\r\n"
         "rate \"\x1b[2J\" // quarvel.cfg sets \"100000\"\r\n",
         "rate \"100000\"\r\ncl_cmdrate \"60\"\r\nsensitivity \"3\"\r\n",
         "rate \"100000\"\r\ncl_cmdrate \"101\"\r\nsensitivity \"3\"\r\n",
         {"config.cfg: 1 setting put back as it was before the install (cl_cmdrate 101).",
          "quarvel-restore.cfg line 1 was not used: its value cannot stand as one word of "
          "config.cfg (rate \"1;quit\" // quarvel.cfg sets \"100000\").",
          "quarvel-restore.cfg line 2 was not used: Quarvel writes no such setting (sensitivity "
          "\"9\" // quarvel.cfg sets \"3\").",
          "quarvel-restore.cfg line 3 was not used: it is no line Quarvel writes (cl_cmdrate 30 "
          "40).",
          "quarvel-restore.cfg line 6 was not used: an earlier line records that setting already "
          "(cl_cmdrate \"30\" // quarvel.cfg sets \"60\").",
          "quarvel-restore.cfg line 7 was not used: its value cannot stand as one word of "
          "config.cfg (rate \"\\x1b[2J\" // quarvel.cfg sets \"100000\")."}});
}

TEST(RoundTrip, WithoutARecordOrWhenAskedConfigCfgStaysAndARunningGameStopsTheRemoval) {
    const std::string config = "rate \"100000\"\r\nexec userconfig.cfg\r\n";
    const std::string record = "rate \"25000\" // quarvel.cfg sets \"100000\"\r\n";
    const auto running = [] { return true; };
    const RemovalCase cases[] = {
        {"installed by an older Quarvel",
         false,
         {},
         "config.cfg was left as it is: there is no "
         "record of your settings from before the install (quarvel-restore.cfg), so the "
         "settings the game saved from quarvel.cfg could not be put back.",
         config},
        {"keeping the game's settings",
         true,
         {.keepGameSettings = true},
         "config.cfg was left as "
         "it is, with the settings the game saved from quarvel.cfg.",
         config},
        {"keeping them while the game runs",
         true,
         {.keepGameSettings = true, .gameRunning = running},
         "config.cfg was left as it is, with "
         "the settings the game saved from quarvel.cfg.",
         config},
        {"while the game runs",
         true,
         {.gameRunning = running},
         "Close the game first: it saves its settings when it quits",
         ""},
        {"once the game has quit",
         true,
         {.gameRunning = [] { return false; }},
         "config.cfg: 1 setting put back as it was before the install (rate 25000).",
         "rate \"25000\"\r\nexec userconfig.cfg\r\n"},
    };
    for (const RemovalCase& c : cases) {
        ASSERT_NO_FATAL_FAILURE(expectRemoval(c, config, record));
    }
}

TEST(RoundTrip, ConfigsTheInstallCreatedGoOnlyWhenTheyHoldNothingElse) {
    TempFolder game;
    game.write("quarvel.cfg", header + "rate 100000\r\n");
    game.write("autoexec.cfg", "exec quarvel.cfg\r\n");
    game.write("userconfig.cfg", "bind x jump\r\n\r\n\r\nexec quarvel.cfg\r\n");
    // A record may name no other file to delete.
    game.write("quarvel-restore.cfg", "// The install created autoexec.cfg.\r\n// The install "
                                      "created userconfig.cfg.\r\n// The install created "
                                      "config.cfg.\r\n");
    game.write("config.cfg", "\r\n");
    const UninstallResult removed = uninstallTweaks(game.path());
    ASSERT_FALSE(removed.failure) << describe(*removed.failure);
    EXPECT_EQ(game.snapshot(), (TempFolder::Snapshot{{"config.cfg", "\r\n"},
                                                     {"userconfig.cfg", "bind x jump\r\n"}}));
    EXPECT_EQ(texts(uninstallReport(game.path(), removed)),
              (std::vector<std::string>{
                  "The Quarvel tweaks have been removed from " + pathText(game.path()) + ":",
                  "quarvel.cfg has been deleted.", "userconfig.cfg no longer runs quarvel.cfg.",
                  "autoexec.cfg has been deleted: the install created it, and it held nothing "
                  "else."}));
}

TEST(RoundTrip, AUserconfigHookedAfterTheInstallIsGivenBackAsItWas) {
    // The check's remedy adds the line to userconfig.cfg after the install: Remove takes out what
    // it made, whether it made the file or changed its line ends.
    const std::string userconfigs[] = {"", "bind x jump\n", "bind x jump"};
    for (const std::string& userconfig : userconfigs) {
        SCOPED_TRACE(userconfig);
        TempFolder game;
        game.write("autoexec.cfg", "exec other.cfg\n");
        game.write("config.cfg", "rate \"25000\"\n");
        if (!userconfig.empty()) {
            game.write("userconfig.cfg", userconfig);
        }
        const TempFolder::Snapshot before = game.snapshot();
        ASSERT_TRUE(installTweaks(game.path(), scriptOf(Preset::Default, GameVersion::Steam),
                                  systemFileIo(), {.userconfig = UserconfigChange::Leave})
                        .installed());
        const HookResult hooked = hookUserconfig(game.path(), systemFileIo());
        ASSERT_FALSE(hooked.failure) << describe(*hooked.failure);
        ASSERT_TRUE(hooked.added);
        const UninstallResult removed = uninstallTweaks(game.path());
        ASSERT_FALSE(removed.failure) << describe(*removed.failure);
        EXPECT_EQ(game.snapshot(), before);
    }
}

TEST(RoundTrip, TheRecordIsAConsoleScriptThatReadsBackAsWritten) {
    RestoreRecord record{{{"rate", "25000", {"100000"}},
                          {"gl_vsync", std::nullopt, {"0", "1"}},
                          {"cl_updaterate", "", {"102"}}},
                         {"userconfig.cfg"}};
    const std::string text = recordText(record);
    EXPECT_TRUE(text.starts_with("// Quarvel's record of your settings")) << text;
    EXPECT_TRUE(text.ends_with("rate \"25000\" // quarvel.cfg sets \"100000\"\r\n"
                               "// gl_vsync was not set; quarvel.cfg sets \"0\", earlier \"1\"\r\n"
                               "cl_updaterate \"\" // quarvel.cfg sets \"102\"\r\n"
                               "// The install created userconfig.cfg.\r\n"))
        << text;
    const RestoreRecord read =
        readRecord(text, std::vector<std::string>{"rate", "gl_vsync", "cl_updaterate"});
    EXPECT_TRUE(read.unused.empty());
    EXPECT_EQ(recordText(read), text);
}
