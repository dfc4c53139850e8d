// Every system call of an install or an uninstall failing in turn, in each way a game directory
// can be laid out: nothing is lost, nothing half-written, nothing left behind, and a failure names
// a file.

#include "config/install.h"
#include "config/script.h"
#include "config/uninstall.h"
#include "support/faulty_io.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quarvel;
using testing_support::Call;
using testing_support::FaultyIo;

namespace {

namespace fs = std::filesystem;

const std::string script = buildScript(Engine().tweakLines());
const std::string userAutoexec = "bind x jump\nname \"Player\"\n";
const std::string oldScript = "old script";

struct Layout {
    const char* name;
    std::function<void(const TempFolder&)> make;
    const char* autoexecFile; // where autoexec.cfg's content lives
};

const Layout layouts[] = {
    {"the player's autoexec.cfg, replaced by a new file",
     [](const TempFolder& game) {
         game.write("autoexec.cfg", userAutoexec);
         game.write("quarvel.cfg", oldScript);
     },
     "autoexec.cfg"},
    {"no autoexec.cfg yet", [](const TempFolder& game) { game.write("quarvel.cfg", oldScript); },
     "autoexec.cfg"},
    {"autoexec.cfg linked twice, updated in place",
     [](const TempFolder& game) {
         game.write("other/autoexec.cfg", userAutoexec);
         fs::create_hard_link(game.path("other/autoexec.cfg"), game.path("autoexec.cfg"));
         game.write("quarvel.cfg", oldScript);
     },
     "other/autoexec.cfg"},
    {"autoexec.cfg a link to the player's own file",
     [](const TempFolder& game) {
         game.write("configs/mine.cfg", userAutoexec);
         fs::create_symlink("configs/mine.cfg", game.path("autoexec.cfg"));
         game.write("quarvel.cfg", oldScript);
     },
     "configs/mine.cfg"},
};

// A change of the game folder: an install, or an uninstall of what an install put there.
struct Change {
    const char* name;
    std::function<void(const TempFolder&)> before;
    std::function<Outcome(const fs::path&, FileIo&)> run;
};

const Change changes[] = {
    {"install", [](const TempFolder&) {},
     [](const fs::path& game, FileIo& io) { return InstallTweaks(game, script, io).failure; }},
    {"uninstall",
     [](const TempFolder& game) {
         InstallTweaks(game.path(), script, systemFileIo(), {.userconfig = true});
     },
     [](const fs::path& game, FileIo& io) { return UninstallTweaks(game, io).failure; }},
};

struct Attempt {
    Outcome failure;
    TempFolder::Snapshot files;
    std::vector<FaultyIo::Record> calls;
};

Attempt attempt(const Layout& layout, const Change& change,
                const std::function<void(FaultyIo&)>& arrange) {
    TempFolder game;
    layout.make(game);
    change.before(game);
    FaultyIo io;
    arrange(io);
    Attempt run;
    run.failure = change.run(game.path(), io);
    run.files = game.snapshot();
    run.calls = io.calls;
    return run;
}

Attempt install(const Layout& layout, const std::function<void(FaultyIo&)>& arrange) {
    return attempt(layout, changes[0], arrange);
}

std::string failureText(const Outcome& failure) {
    return failure ? describe(*failure) : "done";
}

} // namespace

TEST(InstallFaults, EveryFailingCallLeavesEachFileWholeAndNothingBehind) {
    int injected = 0;
    for (const Change& change : changes) {
        for (const Layout& layout : layouts) {
            SCOPED_TRACE(testing::Message() << change.name << ", " << layout.name);
            const Attempt plain = attempt(layout, change, [](FaultyIo&) {});
            ASSERT_FALSE(plain.failure) << failureText(plain.failure);
            TempFolder untouched;
            layout.make(untouched);
            change.before(untouched);
            const auto old = untouched.snapshot();

            for (int call = 1; call <= static_cast<int>(plain.calls.size()); ++call) {
                const Attempt run =
                    attempt(layout, change, [&](FaultyIo& io) { io.failNth(call); });
                const auto& failed = plain.calls[static_cast<std::size_t>(call - 1)];
                SCOPED_TRACE(testing::Message()
                             << "call " << call << ", " << testing_support::callName(failed.call)
                             << " " << failed.path << ": " << failureText(run.failure));
                ++injected;
                for (const auto& [name, content] : run.files) {
                    const bool oldContent = old.count(name) != 0 && old.at(name) == content;
                    const bool newContent =
                        plain.files.count(name) != 0 && plain.files.at(name) == content;
                    if (old.count(name) != 0 || plain.files.count(name) != 0) {
                        EXPECT_TRUE(oldContent || newContent) << name;
                    } else if (failed.call != Call::Remove) {
                        // Only a copy kept because the old content could not be put back stays.
                        ASSERT_TRUE(run.failure) << "left behind: " << name;
                        EXPECT_EQ(run.failure->problem, FileProblem::OldContentKept) << name;
                    }
                }
                if (!run.failure) {
                    // Done as without the fault; at most a copy whose removal failed is left.
                    for (const auto& [name, content] : run.files) {
                        EXPECT_TRUE(plain.files.count(name) != 0
                                        ? plain.files.at(name) == content
                                        : failed.call == Call::Remove && old.count(name) == 0)
                            << name;
                    }
                    EXPECT_GE(run.files.size(), plain.files.size());
                } else {
                    const std::string text = describe(*run.failure);
                    EXPECT_TRUE(text.find(".cfg\": ") != std::string::npos) << text;
                }
            }
        }
    }
    EXPECT_GE(injected, 200);
}

TEST(InstallFaults, EveryRenameIsFollowedBySyncingItsFolder) {
    const Attempt run = install(layouts[0], [](FaultyIo&) {});
    int renames = 0;
    for (std::size_t i = 0; i < run.calls.size(); ++i) {
        if (run.calls[i].call != Call::Rename) {
            continue;
        }
        ++renames;
        ASSERT_LT(i + 2, run.calls.size());
        EXPECT_EQ(run.calls[i + 1].call, Call::Open);
        EXPECT_EQ(fs::path(run.calls[i + 1].path), fs::path(run.calls[i].path).parent_path());
        EXPECT_EQ(run.calls[i + 2].call, Call::Sync);
    }
    EXPECT_EQ(renames, 2);
}

TEST(InstallFaults, ALookThatFailsForAnyReasonButAbsenceStopsTheInstall) {
    // The first looks fall on autoexec.cfg, then on quarvel.cfg; none of these errors means
    // "missing", so nothing may be written over a file that is there but could not be seen.
    struct Look {
        Call call;
        int occurrence;
        const char* file;
    };
    const Look looks[] = {{Call::LookAt, 1, "autoexec.cfg"},
                          {Call::LookAt, 2, "quarvel.cfg"},
                          {Call::MayWrite, 1, "autoexec.cfg"},
                          {Call::MayWrite, 2, "quarvel.cfg"},
                          {Call::Stat, 1, "autoexec.cfg"}};
    for (const Look& look : looks) {
        for (const int error : {ELOOP, EIO, EACCES, EINTR, ENAMETOOLONG}) {
            const Attempt run = install(
                layouts[0], [&](FaultyIo& io) { io.failCall(look.call, look.occurrence, error); });
            SCOPED_TRACE(testing::Message() << testing_support::callName(look.call) << " "
                                            << look.occurrence << ": " << std::strerror(error));
            ASSERT_TRUE(run.failure);
            EXPECT_EQ(run.files.at("autoexec.cfg"), userAutoexec);
            EXPECT_EQ(run.files.at("quarvel.cfg"), oldScript);
            EXPECT_EQ(run.files.size(), 2u);
            const std::string text = describe(*run.failure);
            EXPECT_NE(text.find(std::string(look.file) + "\": "), std::string::npos) << text;
            if (look.call != Call::MayWrite || (error != EACCES)) {
                EXPECT_NE(text.find(std::strerror(error)), std::string::npos) << text;
            }
        }
    }
}

TEST(InstallFaults, AnUpdateInPlaceThatCannotBeUndoneSaysWhereTheOldContentIs) {
    // The new content fails half-way and so does every write after it: the old content cannot
    // be put back, so its synced copy stays and the message names it.
    const Layout& linked = layouts[2];
    TempFolder game;
    linked.make(game);
    FaultyIo io;
    int writes = 0;
    io.onCall = [&](const FaultyIo::Record& record) {
        if (record.call == Call::Write && ++writes == 2) {
            io.failCall(Call::Write, 1, ENOSPC, true);
        }
    };
    const InstallResult result = InstallTweaks(game.path(), script, io);
    ASSERT_FALSE(result.installed());
    ASSERT_EQ(result.failure->problem, FileProblem::OldContentKept);
    const std::string text = describe(*result.failure);
    EXPECT_NE(text.find("autoexec.cfg\": No space left on device. Its old content is kept in \"" +
                        pathText(result.failure->copy) + "\"."),
              std::string::npos)
        << text;
    EXPECT_EQ(TempFolder::readFile(result.failure->copy), userAutoexec);
    EXPECT_EQ(game.read("quarvel.cfg"), oldScript);
}

TEST(InstallFaults, AnInterruptWaitsUntilTheFilesAreWhole) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        TempFolder game;
        layouts[0].make(game);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FaultyIo io;
            io.onCall = [&](const FaultyIo::Record& record) {
                if (record.call == Call::Write) {
                    ::raise(signal); // as if the player pressed Ctrl-C right now
                }
            };
            InstallTweaks(game.path(), script, io);
            ::_exit(0); // not reached: the signal ends the program once the files are whole
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        const auto files = game.snapshot();
        EXPECT_EQ(files.size(), 2u) << "a temporary file was left behind";
        EXPECT_TRUE(files.at("quarvel.cfg") == oldScript ||
                    files.at("quarvel.cfg") == script + echoBanner() + "\r\n");
    }
}
