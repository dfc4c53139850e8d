// Installing into real directories: the autoexec.cfg rules, and what becomes of the player's files
// and their owner, permissions, ACL, attributes and links in each way a directory can be laid out.

#include "config/install.h"
#include "config/script.h"
#include "support/faulty_io.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

#ifdef _WIN32
#include "support/windows_process.h"
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>
#else
#include <acl/libacl.h>
#include <grp.h>
#include <pwd.h>
#include <sched.h>
#include <sys/acl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

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
        names.push_back(pathText(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

#ifdef _WIN32
// The system's words for an error, as a failure message gives them.
std::string systemWords(int error) {
    return systemReason(std::error_code(error, std::system_category()));
}

// Everything a player could notice about a name in the game folder.
struct Facts {
    std::string kind, content;
    DWORD attributes = 0; // those a player sets: read-only, hidden, system
    DWORD links = 0;
    std::uint64_t index = 0;
    bool operator==(const Facts&) const = default;
};

void PrintTo(const Facts& facts, std::ostream* out) {
    *out << facts.kind << " attributes " << std::hex << facts.attributes << std::dec << " links "
         << facts.links << " index " << facts.index << " " << facts.content.size() << " bytes";
}

Facts factsOf(const fs::path& path) {
    Facts facts;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        facts.kind = "missing";
        return facts;
    }
    facts.attributes = attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                     FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_REPARSE_POINT);
    facts.kind = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? "folder" : "file";
    HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    BY_HANDLE_FILE_INFORMATION information{};
    if (file != INVALID_HANDLE_VALUE && GetFileInformationByHandle(file, &information)) {
        facts.links = information.nNumberOfLinks;
        facts.index = (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
    }
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    if (facts.kind == "file") {
        facts.content = TempFolder::readFile(path);
    }
    return facts;
}
#else
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

#endif

std::map<std::string, Facts> factsOfFolder(const fs::path& folder) {
    std::map<std::string, Facts> all;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        all[pathText(entry.path().lexically_relative(folder))] = factsOf(entry.path());
    }
    return all;
}

struct Installed {
    bool installed = false;
    std::string message;
};

#ifndef _WIN32
struct User {
    uid_t uid;
    gid_t gid;
};

// Debian's unprivileged "nobody" and "nogroup".
User nobody() {
    const passwd* entry = ::getpwnam("nobody");
    return entry ? User{entry->pw_uid, entry->pw_gid} : User{65534, 65534};
}

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

#endif

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
              "Quarvel config tweaks have been installed in " + pathText(game.path()) +
                  "!\r\n\r\nINSTRUCTIONS:\r\nPlay CS, you do not have to start QVL anymore. If "
                  "want to check if the tweaks work, open your Console in CS, it should say "
                  "Quarvel loaded.");
    EXPECT_TRUE(scriptExists(game.path()));
    EXPECT_EQ(entries(game.path()), (std::vector<std::string>{"autoexec.cfg", "quarvel.cfg"}));
}

#ifndef _WIN32
TEST(Install, ALinkWhereTheScriptWouldGoIsAskedAboutLikeAScript) {
    TempFolder game;
    fs::create_symlink("scripts/quarvel.cfg", game.path("quarvel.cfg"));
    EXPECT_TRUE(scriptExists(game.path()));
}
#endif

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

#ifdef _WIN32
constexpr int linkHops = 63; // as many links as Windows follows in one path
#else
constexpr int linkHops = 40; // as many links as Linux follows in one path
#endif

// What a recipe lays out besides files: on Windows the links, which Wine cannot make and the
// file calls are told of instead, and the files another program holds open while an install runs.
struct Laid {
    testing_support::FaultyIo io;
    std::vector<std::pair<std::string, std::string>> held; // name, the sharing the holder allows
};

void makeLink(const TempFolder& game, Laid& laid, const std::string& name, const fs::path& target) {
#ifdef _WIN32
    game.write(name, "");
    laid.io.links[testing_support::FaultyIo::key(game.path(name))] = {target, L""};
#else
    static_cast<void>(laid);
    fs::create_symlink(target, game.path(name));
#endif
}

// A game folder laid out by a recipe of steps separated by ';'. "file A" writes binds to A,
// "dir A", "fifo A", "link A T" and "hard A T" make what they say, "mode A 444" sets A's mode
// (on Windows: read-only or not), "foreign A" gives A to another user, "acl A" gives A an ACL
// entry and an extended attribute, "grow A" makes A larger than any config, "chain" makes a
// chain of one link more than the system follows to autoexec.cfg. On Windows "hidden A" and
// "system A" set those attributes, "held A" has another program hold A open without sharing it
// and "shared A" sharing it with everyone, as the game does.
void lay(const TempFolder& game, std::string_view recipe, Laid& laid) {
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
        } else if (verb == "link") {
            makeLink(game, laid, name,
                     other == "/abs" ? game.path("configs/mine.cfg") : fs::path(other));
        } else if (verb == "hard") {
            fs::create_hard_link(game.path(other), path);
        } else if (verb == "mode") {
            fs::permissions(path, fs::perms(std::stoi(other, nullptr, 8)));
        } else if (verb == "grow") {
            fs::resize_file(path, maxConfigFileSize + 1);
        } else if (verb == "chain") {
            const auto link = [](int i) { return "l" + std::to_string(i); };
            game.write(link(linkHops + 1), binds);
            for (int i = linkHops; i >= 0; --i) {
                makeLink(game, laid, link(i), link(i + 1));
            }
            makeLink(game, laid, "autoexec.cfg", "l0");
#ifdef _WIN32
        } else if (verb == "foreign") {
            ASSERT_EQ(laid.io.links.count(testing_support::FaultyIo::key(path)), 1u) << step;
            laid.io.links[testing_support::FaultyIo::key(path)].owner = testing_support::otherUser;
        } else if (verb == "hidden" || verb == "system") {
            const DWORD attribute =
                verb == "hidden" ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_SYSTEM;
            EXPECT_TRUE(
                SetFileAttributesW(path.c_str(), GetFileAttributesW(path.c_str()) | attribute));
        } else if (verb == "held" || verb == "shared") {
            laid.held.emplace_back(name, verb == "held" ? "none" : "all");
#else
        } else if (verb == "fifo") {
            ::mkfifo(path.c_str(), 0644);
        } else if (verb == "foreign") {
            EXPECT_EQ(::lchown(path.c_str(), nobody().uid, nobody().gid), 0) << path;
        } else if (verb == "acl") {
            const std::string text =
                "u::rw-,g::r--,o::r--,m::rw-,u:" + std::to_string(nobody().uid) + ":rw-";
            acl_t acl = ::acl_from_text(text.c_str());
            EXPECT_EQ(::acl_set_file(path.c_str(), ACL_TYPE_ACCESS, acl), 0);
            ::acl_free(acl);
            EXPECT_EQ(::setxattr(path.c_str(), "user.origin", "steam", 5, 0), 0);
#endif
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
    std::string reason{};
    // An install that goes through: where autoexec.cfg's content and the script land, which
    // names keep all but their content, and of those, which keep their file too.
    const char* autoexecAt = "autoexec.cfg";
    const char* scriptAt = "quarvel.cfg";
    std::vector<const char*> keptFacts = {};
    bool sameFile = false;
    const char* folder = ""; // the game folder, within the test's own
};

#ifdef _WIN32
const std::string tooManyLinks = systemWords(ERROR_CANT_RESOLVE_FILENAME);
const std::string noSuchFolder = systemWords(ERROR_PATH_NOT_FOUND);
const std::string notAFolder = systemWords(ERROR_PATH_NOT_FOUND);
#else
const std::string tooManyLinks = "Too many levels of symbolic links";
const std::string noSuchFolder = "No such file or directory";
const std::string notAFolder = "Not a directory";
#endif

// clang-format off
const Layout layouts[] = {
    {"a link loop", "link autoexec.cfg a.cfg; link a.cfg autoexec.cfg", false,
     "autoexec.cfg", tooManyLinks},
    {"a chain of links longer than the system follows", "chain", false, "autoexec.cfg",
     tooManyLinks},
    {"a directory in autoexec.cfg's place", "dir autoexec.cfg", false, "autoexec.cfg",
     "it is not a regular file"},
    {"a directory in quarvel.cfg's place", "file autoexec.cfg; dir quarvel.cfg", false,
     "quarvel.cfg", "it is not a regular file"},
    {"a game folder that is not there", "", false, "missing/autoexec.cfg", noSuchFolder, {}, {},
     {}, false, "missing"},
    {"a game folder that is a file", "file plain", false, "plain/autoexec.cfg", notAFolder,
     {}, {}, {}, false, "plain"},
    {"an autoexec.cfg larger than any config", "file autoexec.cfg; grow autoexec.cfg", false,
     "autoexec.cfg", "it is larger than 16 MiB"},
    {"a read-only autoexec.cfg", "file autoexec.cfg; mode autoexec.cfg 444", false, "autoexec.cfg",
     "it is write-protected"},
    {"a read-only quarvel.cfg", "file autoexec.cfg; file quarvel.cfg; mode quarvel.cfg 444", false,
     "quarvel.cfg", "it is write-protected"},
    {"an autoexec.cfg link planted by another user",
     "mode . 775; file mine.cfg; link autoexec.cfg mine.cfg; foreign autoexec.cfg", false,
     "autoexec.cfg", "it is a symbolic link that belongs to another user"},
    {"a quarvel.cfg link planted by another user",
     "file autoexec.cfg; link quarvel.cfg /nonexistent/x.cfg; foreign quarvel.cfg", false,
     "quarvel.cfg", "it is a symbolic link that belongs to another user"},

    {"the player's own relative link", "file configs/mine.cfg; link autoexec.cfg configs/mine.cfg",
     false, nullptr, {}, "configs/mine.cfg", "quarvel.cfg", {"autoexec.cfg"}, true},
    {"the player's own absolute link", "file configs/mine.cfg; link autoexec.cfg /abs", false,
     nullptr, {}, "configs/mine.cfg", "quarvel.cfg", {"autoexec.cfg"}, true},
    {"a link to where quarvel.cfg will be",
     "file autoexec.cfg; dir scripts; link quarvel.cfg scripts/quarvel.cfg", false, nullptr,
     {}, "autoexec.cfg", "scripts/quarvel.cfg", {"quarvel.cfg"}, true},
    {"autoexec.cfg shared with Condition Zero by a hard link",
     "file czero/autoexec.cfg; hard autoexec.cfg czero/autoexec.cfg", false, nullptr, {},
     "czero/autoexec.cfg", "quarvel.cfg", {"autoexec.cfg"}, true},
    {"a game folder named in another language",
     "file Jogos-Çà/Counter-Strike-Łódź/cstrike/autoexec.cfg", false, nullptr, {},
     "Jogos-Çà/Counter-Strike-Łódź/cstrike/autoexec.cfg",
     "Jogos-Çà/Counter-Strike-Łódź/cstrike/quarvel.cfg", {}, false,
     "Jogos-Çà/Counter-Strike-Łódź/cstrike"},
#ifdef _WIN32
    {"an autoexec.cfg another program holds without sharing",
     "file autoexec.cfg; file quarvel.cfg; held autoexec.cfg", false, "autoexec.cfg",
     "it is in use by another program"},
    {"a quarvel.cfg another program holds without sharing",
     "file autoexec.cfg; file quarvel.cfg; held quarvel.cfg", false, "quarvel.cfg",
     "it is in use by another program"},
    {"files the game holds open, sharing them",
     "file autoexec.cfg; file quarvel.cfg; shared autoexec.cfg; shared quarvel.cfg", false,
     nullptr, {}, "autoexec.cfg", "quarvel.cfg"},
    {"a hidden autoexec.cfg and a system quarvel.cfg",
     "file autoexec.cfg; hidden autoexec.cfg; file quarvel.cfg; system quarvel.cfg", false,
     nullptr, {}, "autoexec.cfg", "quarvel.cfg", {"autoexec.cfg", "quarvel.cfg"}},
#else
    {"a FIFO in autoexec.cfg's place", "fifo autoexec.cfg", false, "autoexec.cfg",
     "it is not a regular file"},
    {"a read-only autoexec.cfg of a player without root",
     "foreign .; file autoexec.cfg; mode autoexec.cfg 444; foreign autoexec.cfg", true,
     "autoexec.cfg", "it is write-protected"},
    {"files of another owner and group",
     "file autoexec.cfg; file quarvel.cfg; mode autoexec.cfg 664; mode quarvel.cfg 604; "
     "foreign autoexec.cfg; foreign quarvel.cfg", false, nullptr, {}, "autoexec.cfg",
     "quarvel.cfg", {"autoexec.cfg", "quarvel.cfg"}},
    {"an ACL entry and an extended attribute",
     "file autoexec.cfg; file quarvel.cfg; acl autoexec.cfg; acl quarvel.cfg", false, nullptr,
     {}, "autoexec.cfg", "quarvel.cfg", {"autoexec.cfg", "quarvel.cfg"}},
    {"a player who may write a file he does not own",
     "foreign .; file autoexec.cfg; mode autoexec.cfg 666", true, nullptr, {},
     "autoexec.cfg", "quarvel.cfg", {"autoexec.cfg"}, true},
    {"a sticky folder", "file autoexec.cfg; file quarvel.cfg; mode . 1777", false, nullptr, {},
     "autoexec.cfg", "quarvel.cfg", {"autoexec.cfg", "quarvel.cfg"}, true},
    {"a folder the player may not write, with files he may",
     "file autoexec.cfg; file quarvel.cfg; foreign .; foreign autoexec.cfg; foreign quarvel.cfg; "
     "mode . 555", true, nullptr, {}, "autoexec.cfg", "quarvel.cfg",
     {"autoexec.cfg", "quarvel.cfg"}, true},
#endif
};
// clang-format on

#ifdef _WIN32
// Installs while other programs hold the files the recipe named open.
Installed installHolding(const TempFolder& game, const Layout& layout, Laid& laid) {
    std::vector<std::unique_ptr<testing_support::Process>> holders;
    for (const auto& [name, sharing] : laid.held) {
        holders.push_back(std::make_unique<testing_support::Process>(
            QUARVEL_HOLD_FILE, std::vector<std::string>{pathText(game.path(name)), sharing}));
        if (const std::string said = holders.back()->readLine(); said != "holding\n") {
            return {false, "the file could not be held: " + name + ": " +
                               (holders.back()->started() ? said : "the holder did not start")};
        }
    }
    const InstallResult result = InstallTweaks(game.path(layout.folder), script, laid.io);
    return {result.installed(), result.failure ? describe(*result.failure) : ""};
}
#endif

} // namespace

TEST(Install, KeepsOrRefusesThePlayersFilesAsTheyAreLaidOut) {
#ifndef _WIN32
    // Giving files to another user, and being him, takes root; CI runs as root.
    const bool root = ::geteuid() == 0;
#endif
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        TempFolder game;
        Laid laid;
#ifdef _WIN32
        lay(game, layout.recipe, laid);
        const auto before = factsOfFolder(game.path());
        const Installed result = installHolding(game, layout, laid);
#else
        if (!root && std::string_view(layout.recipe).find("foreign") != std::string_view::npos) {
            continue;
        }
        TempFolder temporaryFiles;
        fs::permissions(temporaryFiles.path(), fs::perms(01777));
        lay(game, layout.recipe, laid);
        const auto before = factsOfFolder(game.path());
        const Installed result = installAs(game.path(layout.folder),
                                           layout.asNobody ? std::optional(nobody()) : std::nullopt,
                                           022, temporaryFiles.path());
#endif
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
#ifdef _WIN32
                if (!layout.sameFile) {
                    now.index = then.index = 0;
                }
#else
                if (!layout.sameFile) {
                    now.inode = then.inode = 0;
                }
#endif
                EXPECT_EQ(now, then) << name;
            }
            auto names = entries(game.path());
            std::erase_if(names, [&](const std::string& name) {
                return before.count(name) != 0 || name == "autoexec.cfg" || name == "quarvel.cfg";
            });
            EXPECT_TRUE(names.empty()) << "left behind: " << names.front();
        }
#ifndef _WIN32
        EXPECT_TRUE(entries(temporaryFiles.path()).empty()) << "a copy was left behind";
        fs::permissions(game.path(), fs::perms(0755)); // so that it can be removed
#endif
    }
}

#ifdef _WIN32
namespace {

// The file's ACL in the security descriptor language, "D:(A;;FA;;;SY)...".
std::wstring aclOf(const fs::path& file) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(file.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return {};
    }
    LPWSTR text = nullptr;
    std::wstring acl;
    if (ConvertSecurityDescriptorToStringSecurityDescriptorW(
            descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr)) {
        acl = text;
        LocalFree(text);
    }
    LocalFree(descriptor);
    return acl;
}

} // namespace

TEST(Install, AReplacedFileKeepsItsAclEntries) {
    // An entry the player gave his Users group with icacls, as Windows' own tools do.
    TempFolder game;
    game.write("autoexec.cfg", binds);
    game.write("quarvel.cfg", "old script");
    for (const char* name : {"autoexec.cfg", "quarvel.cfg"}) {
        const auto run = testing_support::runProcess(
            "icacls.exe", {pathText(game.path(name)), "/grant", "*S-1-5-32-545:(W)"});
        ASSERT_EQ(run.status, 0) << run.out << run.err;
    }
    const std::wstring usersMayWrite = L";;;BU)";
    if (aclOf(game.path("autoexec.cfg")).find(usersMayWrite) == std::wstring::npos) {
        GTEST_SKIP() << "icacls on this system stores no ACL entries (Wine's does not)";
    }
    ASSERT_TRUE(InstallTweaks(game.path(), script).installed());
    EXPECT_EQ(game.read("autoexec.cfg"), bindsRunningScript);
    for (const char* name : {"autoexec.cfg", "quarvel.cfg"}) {
        EXPECT_NE(aclOf(game.path(name)).find(usersMayWrite), std::wstring::npos) << name;
    }
}
#else
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
#endif
