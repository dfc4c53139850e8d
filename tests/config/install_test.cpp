// Installing into real directories: the autoexec.cfg rules and the failures a player can run into.

#include "config/install.h"
#include "config/script.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quarvel;

namespace {

const std::string script = buildScript(Engine().tweakLines());

// Files in a folder, temporary files included.
std::vector<std::string> entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(Install, IntoAnEmptyDirectoryCreatesBothFiles) {
    TempFolder game;
    EXPECT_FALSE(scriptExists(game.path()));
    const auto result = InstallTweaks(game.path(), script);
    ASSERT_TRUE(result.installed) << result.message;
    EXPECT_EQ(game.read("autoexec.cfg"), "exec quarvel.cfg\r\n");
    const std::string written = game.read("quarvel.cfg");
    EXPECT_EQ(written, script + echoBanner() + "\r\n");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 79);
    EXPECT_TRUE(written.ends_with("\r\necho \"\"\r\n"));
    EXPECT_EQ(result.installedText, script + echoBanner());
    EXPECT_EQ(result.message, "Quarvel config tweaks have been installed in " +
                                  game.path().string() +
                                  "!\r\n\r\nINSTRUCTIONS:\r\nPlay CS, you do not have to start "
                                  "QVL anymore. If want to check if the tweaks work, open your "
                                  "Console in CS, it should say Quarvel loaded.");
    EXPECT_TRUE(scriptExists(game.path()));
    EXPECT_EQ(entries(game.path()), (std::vector<std::string>{"autoexec.cfg", "quarvel.cfg"}));
}

TEST(Install, AppendsTheExecLineToAutoexecUnlessAWholeLineHasIt) {
    struct Case {
        std::string before;
        std::string after;
    };
    const std::string exec = "\r\n\r\nexec quarvel.cfg\r\n";
    const Case cases[] = {
        {"bind x jump\r\n", "bind x jump\r\n" + exec},
        {"", exec},
        {"bind x jump", "bind x jump\r\n" + exec},
        {"a\nb\n", "a\r\nb\r\n" + exec}, // Linux line ends
        {"a\rb", "a\r\nb\r\n" + exec},   // old Mac line ends
        {"exec quarvel.cfg \r\n", "exec quarvel.cfg \r\n" + exec},
        {"Exec quarvel.cfg\r\n", "Exec quarvel.cfg\r\n" + exec},
        {"exec quarvel.cfg // tweaks\n", "exec quarvel.cfg // tweaks\r\n" + exec},
        {"bind x jump\nexec quarvel.cfg\n", "bind x jump\nexec quarvel.cfg\n"},
        {"exec quarvel.cfg\r\nexec quarvel.cfg\r\n", "exec quarvel.cfg\r\nexec quarvel.cfg\r\n"},
        {std::string("a\0b\n", 4), std::string("a\0b\r\n", 5) + exec},
    };
    for (const auto& c : cases) {
        TempFolder game;
        game.write("autoexec.cfg", c.before);
        ASSERT_TRUE(InstallTweaks(game.path(), script).installed);
        EXPECT_EQ(game.read("autoexec.cfg"), c.after) << c.before;
    }
}

TEST(Install, KeepsLinksAndPermissionBits) {
    TempFolder game;
    game.write("configs/my-autoexec.cfg", "bind x jump\n");
    std::filesystem::create_symlink("configs/my-autoexec.cfg", game.path("autoexec.cfg"));
    game.write("quarvel.cfg", "old");
    ::chmod(game.path("quarvel.cfg").c_str(), 0640);
    ASSERT_TRUE(InstallTweaks(game.path(), script).installed);
    EXPECT_TRUE(std::filesystem::is_symlink(game.path("autoexec.cfg")));
    EXPECT_EQ(game.read("configs/my-autoexec.cfg"), "bind x jump\r\n\r\n\r\nexec quarvel.cfg\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(game.path("quarvel.cfg").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(Install, FailuresNameTheFileAndChangeNothing) {
    TempFolder game;
    game.makeDirs("dir-named-autoexec/autoexec.cfg");
    game.makeDirs("dir-named-script/quarvel.cfg");
    game.write("dir-named-script/autoexec.cfg", "bind x jump\n");
    game.write("plain-file", "x");
    ASSERT_EQ(::mkfifo(game.path("fifo").c_str(), 0644), 0);
    game.makeDirs("with-fifo");
    std::filesystem::rename(game.path("fifo"), game.path("with-fifo/autoexec.cfg"));

    struct Case {
        std::filesystem::path directory;
        std::string file;
    };
    const Case cases[] = {
        {game.path("missing"), "autoexec.cfg"},
        {game.path("plain-file"), "autoexec.cfg"},
        {game.path("dir-named-autoexec"), "autoexec.cfg"},
        {game.path("dir-named-script"), "quarvel.cfg"},
        {game.path("with-fifo"), "autoexec.cfg"},
    };
    for (const auto& c : cases) {
        const auto result = InstallTweaks(c.directory, script);
        EXPECT_FALSE(result.installed) << c.directory;
        EXPECT_NE(result.message.find((c.directory / c.file).string()), std::string::npos)
            << result.message;
        EXPECT_TRUE(result.installedText.empty());
    }
    EXPECT_EQ(game.read("dir-named-script/autoexec.cfg"), "bind x jump\n");
    EXPECT_EQ(entries(game.path("with-fifo")), std::vector<std::string>{"autoexec.cfg"});
}

TEST(Install, AWriteCutShortByTheFileSizeLimitIsAFailure) {
    TempFolder game;
    game.write("autoexec.cfg", "bind x jump\n");
    game.write("quarvel.cfg", "old script");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100; // room for autoexec.cfg, not for the script
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = InstallTweaks(game.path(), script);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);

    EXPECT_FALSE(result.installed);
    EXPECT_NE(result.message.find("quarvel.cfg\": File too large"), std::string::npos)
        << result.message;
    EXPECT_EQ(game.read("quarvel.cfg"), "old script");
    EXPECT_EQ(game.read("autoexec.cfg"), "bind x jump\r\n\r\n\r\nexec quarvel.cfg\r\n");
    EXPECT_EQ(entries(game.path()), (std::vector<std::string>{"autoexec.cfg", "quarvel.cfg"}));
}

TEST(Install, AFullDiskIsAFailure) {
    // A 64 KiB file system of its own, in a mount namespace of a child process.
    TempFolder game;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", game.path().c_str(), "tmpfs", 0, "size=64k") != 0) {
            ::_exit(77);
        }
        std::string filler(60 * 1024, 'x');
        std::ofstream(game.path("filler"), std::ios::binary) << filler;
        std::ofstream(game.path("autoexec.cfg"), std::ios::binary) << "bind x jump\n";
        const auto result = InstallTweaks(game.path(), script);
        const bool ok = !result.installed &&
                        result.message.find("No space left on device") != std::string::npos &&
                        TempFolder::readFile(game.path("autoexec.cfg")) == "bind x jump\n" &&
                        !std::filesystem::exists(game.path("quarvel.cfg")) &&
                        entries(game.path()).size() == 2;
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) {
        GTEST_SKIP() << "this machine does not allow a private tmpfs mount";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
