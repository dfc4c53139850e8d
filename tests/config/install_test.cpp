// Installing into real directories: the autoexec.cfg rules, and what becomes of the player's files
// and their owner, permissions, ACL, attributes and links in each way a directory can be laid out.

#include "config/install.h"
#include "config/script.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <acl/libacl.h>
#include <algorithm>
#include <functional>
#include <grp.h>
#include <map>
#include <optional>
#include <pwd.h>
#include <sched.h>
#include <sstream>
#include <sys/acl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace quarvel;
namespace fs = std::filesystem;

namespace {

const std::string script = buildScript(Engine().tweakLines());
const std::string installedScript = script + echoBanner() + "\r\n";
const std::string binds = "bind x jump\n";
const std::string bindsRunningScript = "bind x jump\r\n\r\n\r\nexec quarvel.cfg\r\n";

// Names in a folder, temporary files included.
std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Everything a player could notice about a name in the game folder.
struct Facts {
    std::string kind, content, link, acl, attribute;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    nlink_t links = 0;
    ino_t inode = 0;
    bool operator==(const Facts&) const = default;
};

void PrintTo(const Facts& facts, std::ostream* out) {
    *out << facts.kind << " mode " << std::oct << facts.mode << std::dec << " owner " << facts.owner
         << ":" << facts.group << " links " << facts.links << " inode " << facts.inode << " acl \""
         << facts.acl << "\" attribute \"" << facts.attribute << "\" link \"" << facts.link << "\" "
         << facts.content.size() << " bytes";
}

Facts factsOf(const fs::path& path) {
    Facts facts;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        facts.kind = "missing";
        return facts;
    }
    facts.mode = info.st_mode;
    facts.owner = info.st_uid;
    facts.group = info.st_gid;
    facts.links = info.st_nlink;
    facts.inode = info.st_ino;
    if (S_ISLNK(info.st_mode)) {
        facts.kind = "link";
        facts.link = fs::read_symlink(path).string();
        return facts;
    }
    facts.kind = S_ISREG(info.st_mode) ? "file" : "other";
    if (S_ISREG(info.st_mode)) {
        facts.content = TempFolder::readFile(path);
        if (acl_t acl = ::acl_get_file(path.c_str(), ACL_TYPE_ACCESS)) {
            char* text = ::acl_to_any_text(acl, nullptr, ',', 0);
            facts.acl = text ? text : "";
            ::acl_free(text);
            ::acl_free(acl);
        }
        char value[256] = {};
        const ssize_t length = ::getxattr(path.c_str(), "user.origin", value, sizeof value);
        facts.attribute = length > 0 ? std::string(value, static_cast<std::size_t>(length)) : "";
    }
    return facts;
}

std::map<std::string, Facts> factsOfFolder(const fs::path& folder) {
    std::map<std::string, Facts> all;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        all[entry.path().lexically_relative(folder).string()] = factsOf(entry.path());
    }
    return all;
}

struct User {
    uid_t uid;
    gid_t gid;
};

// Debian's unprivileged "nobody" and "nogroup".
User nobody() {
    const passwd* entry = ::getpwnam("nobody");
    return entry ? User{entry->pw_uid, entry->pw_gid} : User{65534, 65534};
}

struct Installed {
    bool installed = false;
    std::string message;
};

// Installs in a child process with the umask and folder for temporary files given, as another
// user if one is given.
Installed installAs(const fs::path& directory, std::optional<User> user, mode_t mask,
                    const fs::path& temporaryFiles) {
    int pipe[2];
    if (::pipe(pipe) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        ::umask(mask);
        ::setenv("TMPDIR", temporaryFiles.c_str(), 1);
        if (user && (::setgroups(0, nullptr) != 0 || ::setgid(user->gid) != 0 ||
                     ::setuid(user->uid) != 0)) {
            ::_exit(3);
        }
        const InstallResult result = InstallTweaks(directory, script);
        const std::string said =
            (result.installed() ? "1" : "0") + (result.failure ? describe(*result.failure) : "");
        const bool written =
            ::write(pipe[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
        ::_exit(written ? 0 : 4);
    }
    ::close(pipe[1]);
    std::string said;
    char buffer[512];
    for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
        said.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (said.empty()) {
        return {false, "the install did not run: status " + std::to_string(status)};
    }
    return {said[0] == '1', said.substr(1)};
}

} // namespace

TEST(Install, IntoAnEmptyDirectoryCreatesBothFiles) {
    TempFolder game;
    EXPECT_FALSE(scriptExists(game.path()));
    const auto result = InstallTweaks(game.path(), script);
    ASSERT_TRUE(result.installed()) << describe(*result.failure);
    EXPECT_EQ(game.read("autoexec.cfg"), "exec quarvel.cfg\r\n");
    const std::string written = game.read("quarvel.cfg");
    EXPECT_EQ(written, installedScript);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 79);
    EXPECT_TRUE(written.ends_with("\r\necho \"\"\r\n"));
    EXPECT_EQ(result.installedText, script + echoBanner());
    EXPECT_EQ(installedMessage(game.path()),
              "Quarvel config tweaks have been installed in " + game.path().string() +
                  "!\r\n\r\nINSTRUCTIONS:\r\nPlay CS, you do not have to start QVL anymore. If "
                  "want to check if the tweaks work, open your Console in CS, it should say "
                  "Quarvel loaded.");
    EXPECT_TRUE(scriptExists(game.path()));
    EXPECT_EQ(entries(game.path()), (std::vector<std::string>{"autoexec.cfg", "quarvel.cfg"}));
}

TEST(Install, ALinkWhereTheScriptWouldGoIsAskedAboutLikeAScript) {
    TempFolder game;
    fs::create_symlink("scripts/quarvel.cfg", game.path("quarvel.cfg"));
    EXPECT_TRUE(scriptExists(game.path()));
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
        ASSERT_TRUE(InstallTweaks(game.path(), script).installed());
        EXPECT_EQ(game.read("autoexec.cfg"), c.after) << c.before;
    }
}

namespace {

// A game folder laid out by a recipe of steps separated by ';'. "file A" writes binds to A,
// "dir A", "fifo A", "link A T" and "hard A T" make what they say, "mode A 444" sets A's mode,
// "foreign A" gives A to another user, "acl A" gives A an ACL entry and an extended attribute,
// "grow A" makes A larger than any config, "chain" makes a chain of 41 links to autoexec.cfg.
void lay(const TempFolder& game, std::string_view recipe) {
    std::istringstream steps{std::string(recipe)};
    for (std::string step; std::getline(steps, step, ';');) {
        std::istringstream words(step);
        std::string verb, name, other;
        words >> verb >> name >> other;
        const fs::path path = game.path(name);
        if (verb == "file") {
            game.write(name, binds);
        } else if (verb == "dir") {
            fs::create_directories(path);
        } else if (verb == "fifo") {
            ::mkfifo(path.c_str(), 0644);
        } else if (verb == "link") {
            fs::create_symlink(other == "/abs" ? game.path("configs/mine.cfg") : fs::path(other),
                               path);
        } else if (verb == "hard") {
            fs::create_hard_link(game.path(other), path);
        } else if (verb == "mode") {
            fs::permissions(path, fs::perms(std::stoi(other, nullptr, 8)));
        } else if (verb == "foreign") {
            EXPECT_EQ(::lchown(path.c_str(), nobody().uid, nobody().gid), 0) << path;
        } else if (verb == "acl") {
            const std::string text =
                "u::rw-,g::r--,o::r--,m::rw-,u:" + std::to_string(nobody().uid) + ":rw-";
            acl_t acl = ::acl_from_text(text.c_str());
            EXPECT_EQ(::acl_set_file(path.c_str(), ACL_TYPE_ACCESS, acl), 0);
            ::acl_free(acl);
            EXPECT_EQ(::setxattr(path.c_str(), "user.origin", "steam", 5, 0), 0);
        } else if (verb == "grow") {
            fs::resize_file(path, maxConfigFileSize + 1);
        } else if (verb == "chain") {
            game.write("l41", binds);
            for (int i = 40; i >= 0; --i) {
                fs::create_symlink("l" + std::to_string(i + 1), game.path("l" + std::to_string(i)));
            }
            fs::create_symlink("l0", game.path("autoexec.cfg"));
        } else {
            ADD_FAILURE() << "no such step: " << step;
        }
    }
}

struct Layout {
    const char* name;
    const char* recipe;
    bool asNobody = false; // the install runs as another user than root
    // A refused install names this file, gives this reason and changes nothing.
    const char* refusedFile = nullptr;
    const char* reason = nullptr;
    // An install that goes through: where autoexec.cfg's content and the script land, which
    // names keep all but their content, and of those, which keep their file too.
    const char* autoexecAt = "autoexec.cfg";
    const char* scriptAt = "quarvel.cfg";
    std::vector<const char*> keptFacts = {};
    bool sameFile = false;
    const char* folder = ""; // the game folder, within the test's own
};

// clang-format off
const Layout layouts[] = {
    {"a link loop", "link autoexec.cfg a.cfg; link a.cfg autoexec.cfg", false,
     "autoexec.cfg", "Too many levels of symbolic links"},
    {"a chain of 41 links", "chain", false, "autoexec.cfg", "Too many levels of symbolic links"},
    {"a directory in autoexec.cfg's place", "dir autoexec.cfg", false, "autoexec.cfg",
     "it is not a regular file"},
    {"a FIFO in autoexec.cfg's place", "fifo autoexec.cfg", false, "autoexec.cfg",
     "it is not a regular file"},
    {"a directory in quarvel.cfg's place", "file autoexec.cfg; dir quarvel.cfg", false,
     "quarvel.cfg", "it is not a regular file"},
    {"a game folder that is not there", "", false, "missing/autoexec.cfg",
     "No such file or directory", {}, {}, {}, false, "missing"},
    {"a game folder that is a file", "file plain", false, "plain/autoexec.cfg", "Not a directory",
     {}, {}, {}, false, "plain"},
    {"an autoexec.cfg larger than any config", "file autoexec.cfg; grow autoexec.cfg", false,
     "autoexec.cfg", "it is larger than 16 MiB"},
    {"a read-only autoexec.cfg", "file autoexec.cfg; mode autoexec.cfg 444", false, "autoexec.cfg",
     "it is write-protected"},
    {"a read-only autoexec.cfg of a player without root",
     "foreign .; file autoexec.cfg; mode autoexec.cfg 444; foreign autoexec.cfg", true,
     "autoexec.cfg", "it is write-protected"},
    {"a read-only quarvel.cfg", "file autoexec.cfg; file quarvel.cfg; mode quarvel.cfg 444", false,
     "quarvel.cfg", "it is write-protected"},
    {"an autoexec.cfg link planted by another user",
     "mode . 775; file mine.cfg; link autoexec.cfg mine.cfg; foreign autoexec.cfg", false,
     "autoexec.cfg", "it is a symbolic link that belongs to another user"},
    {"a quarvel.cfg link planted by another user",
     "file autoexec.cfg; link quarvel.cfg /nonexistent/x.cfg; foreign quarvel.cfg", false,
     "quarvel.cfg", "it is a symbolic link that belongs to another user"},

    {"the player's own relative link", "file configs/mine.cfg; link autoexec.cfg configs/mine.cfg",
     false, nullptr, nullptr, "configs/mine.cfg", "quarvel.cfg", {"autoexec.cfg"}, true},
    {"the player's own absolute link", "file configs/mine.cfg; link autoexec.cfg /abs", false,
     nullptr, nullptr, "configs/mine.cfg", "quarvel.cfg", {"autoexec.cfg"}, true},
    {"a link to where quarvel.cfg will be",
     "file autoexec.cfg; dir scripts; link quarvel.cfg scripts/quarvel.cfg", false, nullptr,
     nullptr, "autoexec.cfg", "scripts/quarvel.cfg", {"quarvel.cfg"}, true},
    {"autoexec.cfg shared with Condition Zero by a hard link",
     "file czero/autoexec.cfg; hard autoexec.cfg czero/autoexec.cfg", false, nullptr, nullptr,
     "czero/autoexec.cfg", "quarvel.cfg", {"autoexec.cfg"}, true},
    {"files of another owner and group",
     "file autoexec.cfg; file quarvel.cfg; mode autoexec.cfg 664; mode quarvel.cfg 604; "
     "foreign autoexec.cfg; foreign quarvel.cfg", false, nullptr, nullptr, "autoexec.cfg",
     "quarvel.cfg", {"autoexec.cfg", "quarvel.cfg"}},
    {"an ACL entry and an extended attribute",
     "file autoexec.cfg; file quarvel.cfg; acl autoexec.cfg; acl quarvel.cfg", false, nullptr,
     nullptr, "autoexec.cfg", "quarvel.cfg", {"autoexec.cfg", "quarvel.cfg"}},
    {"a player who may write a file he does not own",
     "foreign .; file autoexec.cfg; mode autoexec.cfg 666", true, nullptr, nullptr,
     "autoexec.cfg", "quarvel.cfg", {"autoexec.cfg"}, true},
    {"a sticky folder", "file autoexec.cfg; file quarvel.cfg; mode . 1777", false, nullptr, nullptr,
     "autoexec.cfg", "quarvel.cfg", {"autoexec.cfg", "quarvel.cfg"}, true},
    {"a folder the player may not write, with files he may",
     "file autoexec.cfg; file quarvel.cfg; foreign .; foreign autoexec.cfg; foreign quarvel.cfg; "
     "mode . 555", true, nullptr, nullptr, "autoexec.cfg", "quarvel.cfg",
     {"autoexec.cfg", "quarvel.cfg"}, true},
};
// clang-format on

} // namespace

TEST(Install, KeepsOrRefusesThePlayersFilesAsTheyAreLaidOut) {
    // Giving files to another user, and being him, takes root; CI runs as root.
    const bool root = ::geteuid() == 0;
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        if (!root && std::string_view(layout.recipe).find("foreign") != std::string_view::npos) {
            continue;
        }
        TempFolder game, temporaryFiles;
        fs::permissions(temporaryFiles.path(), fs::perms(01777));
        lay(game, layout.recipe);
        const auto before = factsOfFolder(game.path());
        const Installed result = installAs(game.path(layout.folder),
                                           layout.asNobody ? std::optional(nobody()) : std::nullopt,
                                           022, temporaryFiles.path());
        if (layout.refusedFile) {
            EXPECT_FALSE(result.installed);
            EXPECT_NE(result.message.find(pathText(game.path(layout.refusedFile)) +
                                          "\": " + layout.reason),
                      std::string::npos)
                << result.message;
            EXPECT_EQ(factsOfFolder(game.path()), before);
        } else {
            ASSERT_TRUE(result.installed) << result.message;
            EXPECT_EQ(game.read(layout.autoexecAt), bindsRunningScript);
            EXPECT_EQ(game.read(layout.scriptAt), installedScript);
            for (const char* name : layout.keptFacts) {
                Facts now = factsOf(game.path(name)), then = before.at(name);
                now.content = then.content = "";
                if (!layout.sameFile) {
                    now.inode = then.inode = 0;
                }
                EXPECT_EQ(now, then) << name;
            }
            auto names = entries(game.path());
            std::erase_if(names, [&](const std::string& name) {
                return before.count(name) != 0 || name == "autoexec.cfg" || name == "quarvel.cfg";
            });
            EXPECT_TRUE(names.empty()) << "left behind: " << names.front();
        }
        EXPECT_TRUE(entries(temporaryFiles.path()).empty()) << "a copy was left behind";
        fs::permissions(game.path(), fs::perms(0755)); // so that it can be removed
    }
}

TEST(Install, NewFilesFollowThePlayersUmask) {
    TempFolder game, temporaryFiles;
    ASSERT_TRUE(installAs(game.path(), std::nullopt, 027, temporaryFiles.path()).installed);
    EXPECT_EQ(factsOf(game.path("autoexec.cfg")).mode & 07777, 0640u);
    EXPECT_EQ(factsOf(game.path("quarvel.cfg")).mode & 07777, 0640u);
}

TEST(Install, AWriteCutShortByTheFileSizeLimitIsAFailure) {
    TempFolder game;
    game.write("autoexec.cfg", binds);
    game.write("quarvel.cfg", "old script");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100; // room for autoexec.cfg, not for the script
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = InstallTweaks(game.path(), script);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);

    ASSERT_FALSE(result.installed());
    EXPECT_NE(describe(*result.failure).find("quarvel.cfg\": File too large"), std::string::npos)
        << describe(*result.failure);
    EXPECT_EQ(game.read("quarvel.cfg"), "old script");
    EXPECT_EQ(game.read("autoexec.cfg"), bindsRunningScript);
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
        std::ofstream(game.path("autoexec.cfg"), std::ios::binary) << binds;
        const auto result = InstallTweaks(game.path(), script);
        const bool ok =
            !result.installed() &&
            describe(*result.failure).find("No space left on device") != std::string::npos &&
            TempFolder::readFile(game.path("autoexec.cfg")) == binds &&
            !fs::exists(game.path("quarvel.cfg")) && entries(game.path()).size() == 2;
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
