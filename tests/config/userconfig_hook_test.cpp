// userconfig.cfg and the script: telling from a folder whether it runs quarvel.cfg, adding the
// line there alone, and an install that takes it out again or leaves the file as it is.

#include "config/userconfig_hook.h"

#include "config/exec_line.h"
#include "config/install.h"
#include "config/script.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace quarvel;
namespace fs = std::filesystem;

namespace {

const std::string script = buildScript(Engine().tweakLines());
const std::string hookLine = "exec quarvel.cfg\r\n";
const std::string playersBinds = "bind x jump\r\n";

// Lays out files, "NAME=CONTENT" separated by '|'; "NAME/" makes a folder.
void lay(const TempFolder& game, const std::string& files) {
    std::istringstream items(files);
    for (std::string item; std::getline(items, item, '|');) {
        if (item.ends_with('/')) {
            game.makeDirs(item);
            continue;
        }
        const auto equals = item.find('=');
        game.write(item.substr(0, equals), item.substr(equals + 1));
    }
}

} // namespace

TEST(UserconfigHook, TheStateIsReadFromTheFolder) {
    struct Row {
        const char* name;
        std::string files;
        UserconfigHookState state;
    };
    const Row rows[] = {
        {"nothing there", "", UserconfigHookState::NothingInstalled},
        {"a userconfig.cfg without quarvel.cfg", "userconfig.cfg=exec quarvel.cfg",
         UserconfigHookState::NothingInstalled},
        {"quarvel.cfg alone", "quarvel.cfg=x", UserconfigHookState::NotHooked},
        {"userconfig.cfg of the player's own", "quarvel.cfg=x|userconfig.cfg=" + playersBinds,
         UserconfigHookState::NotHooked},
        {"Quarvel's line", "quarvel.cfg=x|userconfig.cfg=" + playersBinds + hookLine,
         UserconfigHookState::Hooked},
        {"a line of the player's form", "quarvel.cfg=x|userconfig.cfg=EXEC \"quarvel.cfg\" // mine",
         UserconfigHookState::Hooked},
        {"a folder in userconfig.cfg's place", "quarvel.cfg=x|userconfig.cfg/",
         UserconfigHookState::NotHooked},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder game;
        lay(game, row.files);
        EXPECT_EQ(userconfigHookState(game.path()), row.state);
    }
    TempFolder game;
    EXPECT_EQ(userconfigHookState(game.path("not there")), UserconfigHookState::NothingInstalled);
}

TEST(UserconfigHook, AddsOnlyTheLineToUserconfigAndRefusesWhatAnInstallRefuses) {
    struct Row {
        const char* name;
        std::string files;
        std::string userconfigAfter; // empty: every file as it was
        std::string failure;         // the start of what it says, when it refuses
    };
    const std::string installed = "quarvel.cfg=" + script + "|autoexec.cfg=" + playersBinds;
    const Row rows[] = {
        {"no userconfig.cfg yet", installed, hookLine, ""},
        {"the player's userconfig.cfg", installed + "|userconfig.cfg=" + playersBinds,
         playersBinds + "\r\n\r\n" + hookLine, ""},
        {"one that runs the script already", installed + "|userconfig.cfg=exec \"quarvel.cfg\"", "",
         ""},
        {"no quarvel.cfg", "autoexec.cfg=" + playersBinds, "", "Could not read \""},
        {"a folder in userconfig.cfg's place", installed + "|userconfig.cfg/", "",
         "Could not update \""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder game;
        lay(game, row.files);
        const auto before = game.snapshot();
        const HookResult result = hookUserconfig(game.path());
        auto expected = before;
        if (!row.userconfigAfter.empty()) {
            expected["userconfig.cfg"] = row.userconfigAfter;
        }
        EXPECT_EQ(game.snapshot(), expected);
        EXPECT_EQ(result.added, !row.userconfigAfter.empty());
        EXPECT_EQ(result.failure ? describe(*result.failure).substr(0, row.failure.size()) : "",
                  row.failure);
        EXPECT_EQ(userconfigHookState(game.path()),
                  row.files.starts_with("quarvel.cfg") && row.failure.empty()
                      ? UserconfigHookState::Hooked
                  : row.files.starts_with("quarvel.cfg") ? UserconfigHookState::NotHooked
                                                         : UserconfigHookState::NothingInstalled);
    }
}

TEST(UserconfigHook, AnInstallTakesQuarvelsLineOutOnlyWhenAskedAndSaysSo) {
    struct Row {
        const char* name;
        UserconfigChange change;
        std::string userconfig; // before; empty: none
        std::string after;      // empty: as before
        bool unhooked;
    };
    const std::string hooked = playersBinds + "\r\n\r\n" + hookLine;
    const Row rows[] = {
        {"left as it is", UserconfigChange::Leave, hooked, "", false},
        {"left as it is, without the line", UserconfigChange::Leave, playersBinds, "", false},
        {"taken out", UserconfigChange::TakeOut, hooked, playersBinds, true},
        {"the player's own line stays", UserconfigChange::TakeOut, "exec \"quarvel.cfg\"\r\n", "",
         false},
        {"nothing to take out", UserconfigChange::TakeOut, "", "", false},
        {"added", UserconfigChange::Add, playersBinds, hooked, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder game;
        if (!row.userconfig.empty()) {
            game.write("userconfig.cfg", row.userconfig);
        }
        const InstallResult result =
            installTweaks(game.path(), script, systemFileIo(), {.userconfig = row.change});
        ASSERT_TRUE(result.installed()) << describe(*result.failure);
        EXPECT_EQ(result.unhooked, row.unhooked);
        EXPECT_EQ(fs::exists(game.path("userconfig.cfg")) ? game.read("userconfig.cfg") : "",
                  row.after.empty() ? row.userconfig : row.after);
    }
    EXPECT_EQ(sentenceText(unhookedSentence()), "userconfig.cfg no longer runs quarvel.cfg.");
}
