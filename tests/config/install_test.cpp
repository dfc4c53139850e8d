// Installing into real directories: the autoexec.cfg rules, and what becomes of the player's files
// and their owner, permissions, ACL, attributes and links in each way a directory can be laid out;
// then every system call of an install or an uninstall failing in turn.

#include "config/install.h"

#include "config/check.h"
#include "config/script.h"
#include "config/uninstall.h"
#include "config/userconfig_hook.h"
#include "process/held_signals.h"
#include "process/start_up.h"
#include "support/faulty_io.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
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
#include <sys/acl.h>
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

// What a player could notice about a name in the game folder but its content, ending in which
// file it is: " file " and its number on the disk.
#ifdef _WIN32
std::string factsOf(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return "missing";
    }
    std::ostringstream facts;
    facts << "attributes " << std::hex
          << (attributes &
              (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
               FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY))
          << std::dec;
    HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    BY_HANDLE_FILE_INFORMATION information{};
    if (file != INVALID_HANDLE_VALUE && GetFileInformationByHandle(file, &information)) {
        facts << " links " << information.nNumberOfLinks << " file "
              << ((std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow);
    }
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    return facts.str();
}
#else
std::string factsOf(const fs::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return "missing";
    }
    std::ostringstream facts;
    facts << "mode " << std::oct << info.st_mode << std::dec << " owner " << info.st_uid << ':'
          << info.st_gid << " links " << info.st_nlink;
    if (S_ISREG(info.st_mode)) {
        if (acl_t acl = ::acl_get_file(path.c_str(), ACL_TYPE_ACCESS)) {
            char* text = ::acl_to_any_text(acl, nullptr, ',', 0);
            facts << " acl " << (text ? text : "");
            ::acl_free(text);
            ::acl_free(acl);
        }
        char value[256] = {};
        const ssize_t length = ::getxattr(path.c_str(), "user.origin", value, sizeof value);
        facts << " attribute "
              << std::string(value, static_cast<std::size_t>(std::max(length, 0L)));
    }
    facts << " file " << info.st_ino;
    return facts.str();
}
#endif

// Every name below the folder, with its facts and a digest of its content.
std::map<std::string, std::string> stateOf(const TempFolder& game) {
    TempFolder::Snapshot state = game.snapshot();
    for (auto& [name, content] : state) {
        content = factsOf(game.path(name)) + " content " +
                  std::to_string(std::hash<std::string>{}(content));
    }
    return state;
}

// An install, or with `uninstall` an uninstall.
std::optional<Failure> change(const fs::path& folder, bool uninstall, FileIo& io) {
    return uninstall ? uninstallTweaks(folder, io).failure
                     : installTweaks(folder, script, io).failure;
}

// What a change said when it failed; nothing when it was done.
using Said = std::optional<std::string>;
} // namespace

TEST(Install, IntoAnEmptyDirectoryCreatesBothFiles) {
    TempFolder game;
    const auto result = installTweaks(game.path(), script, systemFileIo(), {.overwrite = false});
    ASSERT_TRUE(result.installed()) << describe(*result.failure);
    TempFolder::Snapshot files = game.snapshot();
    // Beside them, the record of what the install changed: here, only what it created.
    const std::string record = files["quarvel-restore.cfg"];
    EXPECT_TRUE(record.starts_with("// Quarvel's record") &&
                record.ends_with("\r\n// rate was not set; quarvel.cfg sets \"7500\"\r\n"
                                 "// cl_updaterate was not set; quarvel.cfg sets \"20\"\r\n"
                                 "// mp_decals was not set; quarvel.cfg sets \"300\"\r\n"
                                 "// cl_rate was not set; quarvel.cfg sets \"9999\"\r\n"
                                 "// cl_cmdrate was not set; quarvel.cfg sets \"30\"\r\n"
                                 "// cl_cmdbackup was not set; quarvel.cfg sets \"2\"\r\n"
                                 "// The install created autoexec.cfg.\r\n"))
        << record;
    files.erase("quarvel-restore.cfg");
    EXPECT_EQ(files, (TempFolder::Snapshot{{"autoexec.cfg", "exec quarvel.cfg\r\n"},
                                           {"quarvel.cfg", installedScript}}));
    EXPECT_EQ(result.installedText, script + echoBanner());

    // Asked about before anything is written, with the folder held: no other run can slip in
    // between the question and the install.
    const auto installed = game.snapshot();
    testing_support::FaultyIo io;
    const InstallResult again =
        installTweaks(game.path(), "bind x y\r\n", io, {.overwrite = false});
    EXPECT_TRUE(again.wouldOverwrite && !again.installed());
    EXPECT_EQ(io.calls.front().call, testing_support::Call::Lock);
    EXPECT_EQ(game.snapshot(), installed);
#ifndef _WIN32
    // A link where the script would go is asked about like a script, even one that leads nowhere.
    TempFolder linked;
    fs::create_symlink("scripts/quarvel.cfg", linked.path("quarvel.cfg"));
    EXPECT_TRUE(
        installTweaks(linked.path(), script, systemFileIo(), {.overwrite = false}).wouldOverwrite);
    EXPECT_EQ(linked.snapshot(), (TempFolder::Snapshot{{"quarvel.cfg", "-> scripts/quarvel.cfg"}}));
#endif
}

namespace {

#ifdef _WIN32
constexpr int linkHops = 63; // as many links as Windows follows in one path
#else
constexpr int linkHops = 40; // as many links as Linux follows in one path
#endif

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
#endif

// What a recipe lays out besides files: on Windows the links, which Wine cannot make and the
// file calls are told of instead, and the files another program holds open while an install runs;
// and the change to make.
struct Laid {
    testing_support::FaultyIo io;
    std::vector<std::pair<std::string, std::string>> held; // name, the sharing the holder allows
    bool uninstall = false;
    std::string then;      // after "installed": "take-out" installs again taking userconfig.cfg's
                           // line out, "hook" only adds it there
    std::string folder;    // the game folder, within the test's own
    bool asNobody = false; // the change is made as another user than root
#ifndef _WIN32
    rlim_t sizeLimit = RLIM_INFINITY; // the largest file the change may write
    bool noTemporaryFolder = false;   // TMPDIR names a folder that is not there
#endif
};

void makeLink(const TempFolder& game, Laid& laid, const std::string& name, const fs::path& target) {
#ifdef _WIN32
    game.write(name, "");
    laid.io.links[testing_support::FaultyIo::key(game.path(name))] = {target, ""};
#else
    static_cast<void>(laid);
    fs::create_symlink(target, game.path(name));
#endif
}

// The content at a name, through its link.
std::string contentAt(const TempFolder& game, const Laid& laid, const std::string& name) {
#ifdef _WIN32
    const auto link = laid.io.links.find(testing_support::FaultyIo::key(game.path(name)));
    if (link != laid.io.links.end()) {
        return TempFolder::readFile(game.path(name).parent_path() / link->second.target);
    }
#else
    static_cast<void>(laid);
#endif
    return game.read(name);
}

#ifndef _WIN32
// Makes the change the recipe laid out in a child process, with the umask and folder for
// temporary files given.
Said changeAs(const TempFolder& game, const Laid& laid, mode_t mask,
              const fs::path& temporaryFiles) {
    int pipe[2];
    if (::pipe(pipe) != 0) {
        return "no pipe to the change";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        setUpProcess();
        ::umask(mask);
        ::setenv("TMPDIR", (temporaryFiles / (laid.noTemporaryFolder ? "gone" : "")).c_str(), 1);
        const rlimit limit{laid.sizeLimit, laid.sizeLimit};
        if ((laid.asNobody && (::setgroups(0, nullptr) != 0 || ::setgid(nobody().gid) != 0 ||
                               ::setuid(nobody().uid) != 0)) ||
            (laid.sizeLimit != RLIM_INFINITY && ::setrlimit(RLIMIT_FSIZE, &limit) != 0)) {
            ::_exit(3);
        }
        const std::optional<Failure> failure =
            change(game.path(laid.folder), laid.uninstall, systemFileIo());
        const std::string said = failure ? "0" + describe(*failure) : "1";
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
        return "the change did not run: status " + std::to_string(status);
    }
    return said[0] == '1' ? Said() : said.substr(1);
}
#endif

// Short lines of binds, `size` bytes in all, with LF or CR LF ends.
std::string linesOf(std::size_t size, bool lf) {
    const std::string line = lf ? "bind x y\n" : "bind x y\r\n";
    std::string text;
    text.reserve(size);
    while (text.size() + 2 * line.size() <= size) {
        text += line;
    }
    // A last comment line makes up the size, so that the file ends as a line does.
    const std::string end = lf ? "\n" : "\r\n";
    return text.append("//").append(size - text.size() - 2 - end.size(), ' ').append(end);
}

// One step of a recipe: its verb, the name it acts on and what else it takes.
struct Step {
    explicit Step(const std::string& step) : text(step) {
        std::istringstream words(step);
        words >> verb >> name >> other;
    }
    std::string text, verb, name, other;
};

// The steps that make files, folders and links; false for any other.
bool layFiles(const TempFolder& game, const Step& step, Laid& laid) {
    const fs::path path = game.path(step.name);
    if (step.verb == "file") {
        game.write(step.name, binds);
    } else if (step.verb == "dir") {
        fs::create_directories(path);
    } else if (step.verb == "link") {
        makeLink(game, laid, step.name, step.other);
    } else if (step.verb == "hard") {
        fs::create_hard_link(game.path(step.other), path);
    } else if (step.verb == "mode") {
        fs::permissions(path, fs::perms(std::stoi(step.other, nullptr, 8)));
    } else if (step.verb == "grow") {
        fs::resize_file(path, maxConfigFileSize + 1);
    } else if (step.verb == "lf" || step.verb == "full") {
        const bool lf = step.verb == "lf";
        game.write(step.name, linesOf(lf ? 15'300'000 : maxConfigFileSize, lf));
    } else if (step.verb == "chain") {
        const auto link = [](int i) { return "l" + std::to_string(i); };
        // autoexec.cfg and l0 ... to the file: one link more than the system follows.
        game.write(link(linkHops), binds);
        for (int i = linkHops - 1; i >= 0; --i) {
            makeLink(game, laid, link(i), link(i + 1));
        }
        makeLink(game, laid, "autoexec.cfg", "l0");
    } else {
        return false;
    }
    return true;
}

// The tweaks installed, with `userconfig` adding the line to userconfig.cfg too; the change to
// make is then an uninstall.
void installFirst(const TempFolder& game, const std::string& userconfig, Laid& laid) {
    const InstallOptions options{
        .userconfig = userconfig == "userconfig" ? UserconfigChange::Add : UserconfigChange::Leave};
    ASSERT_TRUE(installTweaks(game.path(), script, laid.io, options).installed());
    laid.uninstall = true;
}

// The steps that say what comes before the change and how it is made; false for any other.
bool layChange(const TempFolder& game, const Step& step, Laid& laid) {
    if (step.verb == "installed") {
        installFirst(game, step.name, laid);
    } else if (step.verb == "saved") {
        game.write("config.cfg", "unbindall\r\nbind \"x\" \"jump\"\r\ncl_cmdrate \"30\"\r\n"
                                 "fps_max \"100\"\r\nrate \"7500\"\r\nexec userconfig.cfg\r\n");
    } else if (step.verb == "then") {
        laid.then = step.name;
    } else if (step.verb == "in") {
        laid.folder = step.name;
    } else if (step.verb == "nobody") {
        laid.asNobody = true;
#ifndef _WIN32
    } else if (step.verb == "limit") {
        laid.sizeLimit = std::stoul(step.name);
    } else if (step.verb == "notemp") {
        laid.noTemporaryFolder = true;
#endif
    } else {
        return false;
    }
    return true;
}

#ifdef _WIN32
// The link at `path` made another user's, as the file calls are told.
void giveToOtherUser(const fs::path& path, Laid& laid, const std::string& step) {
    ASSERT_EQ(laid.io.links.count(testing_support::FaultyIo::key(path)), 1u) << step;
    laid.io.links[testing_support::FaultyIo::key(path)].owner = testing_support::otherUser;
}

// The steps of owners, attributes and other programs, as Windows has them; false for any other.
bool laySystemsOwn(const TempFolder& game, const Step& step, Laid& laid) {
    const fs::path path = game.path(step.name);
    if (step.verb == "foreign") {
        giveToOtherUser(path, laid, step.text);
    } else if (step.verb == "hidden" || step.verb == "system") {
        const DWORD attribute =
            step.verb == "hidden" ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_SYSTEM;
        EXPECT_TRUE(SetFileAttributesW(path.c_str(), GetFileAttributesW(path.c_str()) | attribute));
    } else if (step.verb == "held" || step.verb == "shared") {
        laid.held.emplace_back(step.name, step.verb == "held" ? "none" : "all");
    } else {
        return false;
    }
    return true;
}
#else
// The steps of owners, ACLs, attributes and FIFOs, as Linux has them; false for any other.
bool laySystemsOwn(const TempFolder& game, const Step& step, Laid&) {
    const fs::path path = game.path(step.name);
    if (step.verb == "fifo") {
        EXPECT_EQ(::mkfifo(path.c_str(), 0644), 0) << path;
    } else if (step.verb == "foreign") {
        EXPECT_EQ(::lchown(path.c_str(), nobody().uid, nobody().gid), 0) << path;
    } else if (step.verb == "acl") {
        const std::string text =
            "u::rw-,g::r--,o::r--,m::rw-,u:" + std::to_string(nobody().uid) + ":rw-";
        acl_t acl = ::acl_from_text(text.c_str());
        EXPECT_EQ(::acl_set_file(path.c_str(), ACL_TYPE_ACCESS, acl), 0);
        ::acl_free(acl);
        EXPECT_EQ(::setxattr(path.c_str(), "user.origin", "steam", 5, 0), 0);
    } else {
        return false;
    }
    return true;
}
#endif

// A game folder laid out by a recipe of steps separated by ';'. "file A" writes binds to A,
// "dir A", "link A T" and "hard A T" make what they say, "mode A 444" sets A's mode (on Windows:
// read-only or not), "foreign A" gives A to another user, "acl A" gives A an ACL entry and an
// extended attribute, "grow A" makes A larger than any config, "lf A" one of 15,300,000 bytes with
// LF ends that grows past the limit with CR LF, "full A" one of the limit exactly, "chain" makes a
// chain of more links than the system follows to autoexec.cfg. "installed" (or "installed
// userconfig") installs the tweaks, after which the change made is an uninstall, or with "then
// take-out" an install of another script taking userconfig.cfg's line out, with "then hook" adding
// the line to userconfig.cfg alone; "saved" has the game save quarvel.cfg's settings into
// config.cfg, for the uninstall to put back; "in A" makes it in
// the folder A, "nobody" as another user than root, "limit N" with files of at most N bytes,
// "notemp" with TMPDIR naming no folder. On Windows "hidden A" and "system A" set those attributes,
// "held A" has another program hold A open without sharing it and "shared A" sharing it with
// everyone, as the game does.
void lay(const TempFolder& game, std::string_view recipe, Laid& laid) {
    std::istringstream steps{std::string(recipe)};
    for (std::string text; std::getline(steps, text, ';');) {
        const Step step(text);
        bool known = false;
        // A step that cannot be made ends the recipe there.
        ASSERT_NO_FATAL_FAILURE(known = layFiles(game, step, laid) || layChange(game, step, laid) ||
                                        laySystemsOwn(game, step, laid));
        if (!known) {
            ADD_FAILURE() << "no such step: " << text;
        }
    }
}

struct Layout {
    const char* name;
    const char* recipe;
    // A change that goes through keeps all but the content of autoexec.cfg and quarvel.cfg, and
    // with `sameFile` the file itself. A refused one names this file, gives this reason and
    // changes nothing.
    bool sameFile = false;
    const char* refusedFile = nullptr;
    std::string reason{};
};

#ifdef _WIN32
const std::string tooManyLinks =
    systemReason(std::error_code(ERROR_CANT_RESOLVE_FILENAME, std::system_category()));
#else
const std::string tooManyLinks = "Too many levels of symbolic links";
#endif
// The game folder is looked at before anything in it, in the same words on every system.
const std::string noSuchFolder =
    systemReason(std::make_error_code(std::errc::no_such_file_or_directory));

// clang-format off
const Layout layouts[] = {
    {"a link loop", "link autoexec.cfg a.cfg; link a.cfg autoexec.cfg", false,
     "autoexec.cfg", tooManyLinks},
    {"a chain of links longer than the system follows", "chain", false, "autoexec.cfg",
     tooManyLinks},
    {"a directory in quarvel.cfg's place", "file autoexec.cfg; dir quarvel.cfg", false,
     "quarvel.cfg", "it is not a regular file"},
    {"a game folder that is not there", "in missing", false, "missing", noSuchFolder},
    {"an autoexec.cfg larger than any config", "file autoexec.cfg; grow autoexec.cfg", false,
     "autoexec.cfg", "it is larger than 16 MiB"},
    {"an autoexec.cfg that CR LF ends make larger than any config", "lf autoexec.cfg", false,
     "autoexec.cfg", "it would be larger than 16 MiB after the change"},
    {"an autoexec.cfg the exec line makes larger than any config", "full autoexec.cfg", false,
     "autoexec.cfg", "it would be larger than 16 MiB after the change"},
    {"a read-only quarvel.cfg", "file autoexec.cfg; file quarvel.cfg; mode quarvel.cfg 444", false,
     "quarvel.cfg", "it is write-protected"},
    {"a quarvel.cfg link planted by another user",
     "file autoexec.cfg; link quarvel.cfg /nonexistent/x.cfg; foreign quarvel.cfg", false,
     "quarvel.cfg", "it is a symbolic link that belongs to another user"},
    {"an uninstall from a read-only autoexec.cfg",
     "file autoexec.cfg; installed; mode autoexec.cfg 444", false, "autoexec.cfg",
     "it is write-protected"},
    {"an uninstall of a read-only quarvel.cfg", "file autoexec.cfg; installed; mode quarvel.cfg 444",
     false, "quarvel.cfg", "it is write-protected"},

    {"the player's own link", "file configs/mine.cfg; link autoexec.cfg configs/mine.cfg", true},
    {"a link to where quarvel.cfg will be",
     "file autoexec.cfg; dir scripts; link quarvel.cfg scripts/quarvel.cfg"},
    {"autoexec.cfg shared with Condition Zero by a hard link",
     "file czero/autoexec.cfg; hard autoexec.cfg czero/autoexec.cfg", true},
#ifdef _WIN32
    {"a quarvel.cfg another program holds without sharing",
     "file autoexec.cfg; file quarvel.cfg; held quarvel.cfg", false, "quarvel.cfg",
     "it is in use by another program"},
    {"files the game holds open, sharing them",
     "file autoexec.cfg; file quarvel.cfg; shared autoexec.cfg; shared quarvel.cfg"},
    {"a hidden autoexec.cfg and a system quarvel.cfg",
     "file autoexec.cfg; hidden autoexec.cfg; file quarvel.cfg; system quarvel.cfg"},
#else
    {"a read-only autoexec.cfg of a player without root",
     "foreign .; file autoexec.cfg; mode autoexec.cfg 444; foreign autoexec.cfg; nobody", false,
     "autoexec.cfg", "it is write-protected"},
    {"files of another owner and group",
     "file autoexec.cfg; file quarvel.cfg; mode autoexec.cfg 664; mode quarvel.cfg 604; "
     "foreign autoexec.cfg; foreign quarvel.cfg"},
    {"an ACL entry and an extended attribute",
     "file autoexec.cfg; file quarvel.cfg; acl autoexec.cfg; acl quarvel.cfg"},
    {"a write cut short by the file size limit", "file autoexec.cfg; file quarvel.cfg; limit 20",
     false, "quarvel-restore.cfg", "File too large"},
    {"a player who may write a file he does not own",
     "foreign .; file autoexec.cfg; mode autoexec.cfg 666; nobody", true},
    {"a sticky folder", "file autoexec.cfg; file quarvel.cfg; mode . 1777", true},
    {"a folder the player may not write, with files he may",
     "file autoexec.cfg; file quarvel.cfg; foreign .; foreign autoexec.cfg; foreign quarvel.cfg; "
     "mode . 555; nobody", true},
    {"a hard-linked autoexec.cfg, and TMPDIR naming no folder",
     "file other/autoexec.cfg; hard autoexec.cfg other/autoexec.cfg; notemp", true},
    {"a folder the player may not write, and TMPDIR naming no folder",
     "file autoexec.cfg; file quarvel.cfg; foreign .; foreign autoexec.cfg; foreign quarvel.cfg; "
     "mode . 555; nobody; notemp", false, "quarvel.cfg", "Permission denied"},
#endif
};
// clang-format on

#ifdef _WIN32
// Makes the change while other programs hold the files the recipe named open.
Said changeHolding(const TempFolder& game, Laid& laid) {
    std::vector<std::unique_ptr<testing_support::Process>> holders;
    for (const auto& [name, sharing] : laid.held) {
        holders.push_back(std::make_unique<testing_support::Process>(
            QUARVEL_HOLD_FILE, std::vector<std::string>{pathText(game.path(name)), sharing}));
        if (const std::string said = holders.back()->readLine(); said != "holding\n") {
            return "the file could not be held: " + name + ": " +
                   (holders.back()->started() ? said : "the holder did not start");
        }
    }
    const std::optional<Failure> failure = change(game.path(laid.folder), laid.uninstall, laid.io);
    return failure ? Said(describe(*failure)) : Said();
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
#ifndef _WIN32
        if (!root && std::string_view(layout.recipe).find("foreign") != std::string_view::npos) {
            continue;
        }
        TempFolder temporaryFiles;
        fs::permissions(temporaryFiles.path(), fs::perms(01777));
#endif
        lay(game, layout.recipe, laid);
        const auto before = stateOf(game);
#ifdef _WIN32
        const Said said = changeHolding(game, laid);
#else
        const Said said = changeAs(game, laid, 022, temporaryFiles.path());
#endif
        if (layout.refusedFile) {
            ASSERT_TRUE(said);
            EXPECT_NE(said->find(pathText(game.path(layout.refusedFile)) + "\": " + layout.reason),
                      std::string::npos)
                << *said;
            EXPECT_EQ(stateOf(game), before);
        } else {
            ASSERT_FALSE(said) << *said;
            EXPECT_EQ(contentAt(game, laid, "autoexec.cfg"), bindsRunningScript);
            EXPECT_EQ(contentAt(game, laid, "quarvel.cfg"), installedScript);
            const auto after = stateOf(game);
            const auto kept = [&](const std::string& state) {
                return state.substr(0, state.rfind(layout.sameFile ? " content " : " file "));
            };
            for (const char* name : {"autoexec.cfg", "quarvel.cfg"}) {
                if (before.count(name) != 0) {
                    EXPECT_EQ(kept(after.at(name)), kept(before.at(name))) << name;
                }
            }
            for (const auto& [name, state] : after) {
                const fs::path file = fs::path(name).filename();
                EXPECT_TRUE(before.count(name) != 0 || file == "autoexec.cfg" ||
                            file == "quarvel.cfg" || file == "quarvel-restore.cfg")
                    << "left behind: " << name;
            }
        }
#ifndef _WIN32
        EXPECT_TRUE(fs::is_empty(temporaryFiles.path())) << "a copy was left behind";
        fs::permissions(game.path(), fs::perms(0755)); // so that it can be removed
#endif
    }
}

TEST(Install, AUserconfigThatCannotRunTheScriptIsLeftAloneByAllButAnInstallIntoIt) {
    // A plain install never looks at userconfig.cfg, so what stands there must not keep the tweaks
    // from being checked and taken out again; an install told to use it refuses it as ever.
    const std::pair<const char*, const char*> layouts[] = {
        {"a directory", "dir userconfig.cfg"},
        {"a link loop", "link userconfig.cfg u.cfg; link u.cfg userconfig.cfg"},
        {"another user's link",
         "file mine.cfg; link userconfig.cfg mine.cfg; foreign userconfig.cfg"},
#ifndef _WIN32
        {"a FIFO", "fifo userconfig.cfg"},
#endif
    };
    for (const auto& [what, recipe] : layouts) {
        SCOPED_TRACE(what);
#ifndef _WIN32
        if (::geteuid() != 0 && std::string_view(recipe).find("foreign") != std::string::npos) {
            continue;
        }
#endif
        TempFolder game;
        Laid laid;
        lay(game, std::string("file autoexec.cfg; ") + recipe, laid);
        game.write("config.cfg", "exec userconfig.cfg\n");
        const auto kind = [&] { return fs::symlink_status(game.path("userconfig.cfg")).type(); };
        const fs::file_type laidKind = kind();

        const InstallResult refused =
            installTweaks(game.path(), script, laid.io, {.userconfig = UserconfigChange::Add});
        ASSERT_FALSE(refused.installed());
        EXPECT_EQ(refused.failure->file.filename(), "userconfig.cfg");
        EXPECT_FALSE(fs::exists(game.path("quarvel.cfg")));

        ASSERT_TRUE(installTweaks(game.path(), script, laid.io).installed());
        const CheckReport checked =
            checkTweaks(game.path(), {.version = GameVersion::Steam}, laid.io);
        EXPECT_FALSE(checked.failure) << describe(*checked.failure);
        EXPECT_TRUE(checked.findings);

        const UninstallResult removed = uninstallTweaks(game.path(), laid.io);
        ASSERT_FALSE(removed.failure) << describe(*removed.failure);
        std::vector<std::string> said;
        for (const Sentence& line : uninstallReport(game.path(), removed)) {
            said.push_back(sentenceText(line));
        }
        EXPECT_EQ(said.back(), "userconfig.cfg was left alone: it is not a regular file Quarvel "
                               "may change, so no install put a line into it.");
        EXPECT_EQ(game.read("autoexec.cfg"), binds); // its own line ends again
        EXPECT_FALSE(fs::exists(game.path("quarvel.cfg")));
        EXPECT_EQ(kind(), laidKind);
    }
}

TEST(Install, WhatAnInstallWritesCanBeCheckedAndUninstalled) {
    // Just within the limit once the exec line is added: installed, checked and taken out again.
    TempFolder game;
    const std::string large = linesOf(maxConfigFileSize - 64, false);
    game.write("autoexec.cfg", large);
    const InstallResult installed = installTweaks(game.path(), script);
    ASSERT_TRUE(installed.installed()) << describe(*installed.failure);
    const auto written = fs::file_size(game.path("autoexec.cfg"));
    EXPECT_TRUE(written > maxConfigFileSize - 64 && written <= maxConfigFileSize) << written;
    const CheckReport checked = checkTweaks(game.path(), {});
    EXPECT_FALSE(checked.failure) << describe(*checked.failure);
    const UninstallResult removed = uninstallTweaks(game.path());
    ASSERT_FALSE(removed.failure) << describe(*removed.failure);
    // Compared whole, not printed: a diff of 16 MiB takes minutes.
    EXPECT_TRUE(game.snapshot() == (TempFolder::Snapshot{{"autoexec.cfg", large}}));

    // A script that would itself be larger than any config is refused before anything is written.
    TempFolder other;
    other.write("autoexec.cfg", binds);
    const InstallResult refused = installTweaks(other.path(), std::string(maxConfigFileSize, 'x'));
    ASSERT_FALSE(refused.installed());
    EXPECT_EQ(describe(*refused.failure),
              "Could not write \"" + pathText(other.path("quarvel.cfg")) +
                  "\": it would be larger than 16 MiB after the change, more than any config the "
                  "game runs.");
    EXPECT_EQ(other.snapshot(), (TempFolder::Snapshot{{"autoexec.cfg", binds}}));
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
    ASSERT_TRUE(installTweaks(game.path(), script).installed());
    EXPECT_EQ(game.read("autoexec.cfg"), bindsRunningScript);
    for (const char* name : {"autoexec.cfg", "quarvel.cfg"}) {
        EXPECT_NE(aclOf(game.path(name)).find(usersMayWrite), std::wstring::npos) << name;
    }
}
#else
TEST(Install, NewFilesFollowThePlayersUmask) {
    TempFolder game, temporaryFiles;
    ASSERT_FALSE(changeAs(game, Laid(), 027, temporaryFiles.path()));
    EXPECT_EQ(fs::status(game.path("autoexec.cfg")).permissions(), fs::perms(0640));
    EXPECT_EQ(fs::status(game.path("quarvel.cfg")).permissions(), fs::perms(0640));
}
#endif

namespace {

using testing_support::Call;
using testing_support::FaultyIo;

// Game folders as players have them: autoexec.cfg replaced by a new file, not there yet, linked
// twice and so updated in place, and a link to the player's own file.
const std::string faultLayouts[] = {
    "file autoexec.cfg; file quarvel.cfg",
    "file quarvel.cfg",
    "file other/autoexec.cfg; hard autoexec.cfg other/autoexec.cfg; file quarvel.cfg",
#ifndef _WIN32
    "file configs/mine.cfg; link autoexec.cfg configs/mine.cfg; file quarvel.cfg",
#endif
};

struct Attempt {
    std::optional<Failure> failure;
    std::vector<Failure> warnings;
    TempFolder::Snapshot files;
    std::vector<FaultyIo::Record> calls;
    std::size_t leftOpen = 0; // handles the change did not close
    int strayCloses = 0;      // closes of a handle it did not hold
};

// Lays a game folder out and makes the change, with calls failing as `arrange` has them fail.
Attempt attempt(const std::string& recipe, const std::function<void(FaultyIo&)>& arrange) {
    TempFolder game;
    Laid laid;
    lay(game, recipe, laid);
    laid.io.calls.clear();
    arrange(laid.io);
    std::optional<Failure> failure;
    std::vector<Failure> warnings;
    if (laid.then == "hook") {
        HookResult result = hookUserconfig(game.path(), laid.io);
        failure = std::move(result.failure);
        warnings = std::move(result.warnings);
    } else if (laid.then == "take-out") {
        InstallResult result = installTweaks(game.path(), script + "// again\r\n", laid.io,
                                             {.userconfig = UserconfigChange::TakeOut});
        failure = std::move(result.failure);
        warnings = std::move(result.warnings);
    } else if (laid.uninstall) {
        UninstallResult result = uninstallTweaks(game.path(), laid.io);
        failure = std::move(result.failure);
        warnings = std::move(result.warnings);
    } else {
        InstallResult result = installTweaks(game.path(), script, laid.io);
        failure = std::move(result.failure);
        warnings = std::move(result.warnings);
    }
    return {failure,
            warnings,
            game.snapshot(),
            laid.io.calls,
            laid.io.openHandles.size(),
            laid.io.strayCloses};
}

// The folder as laid out, before any change.
TempFolder::Snapshot laidOut(const std::string& recipe) {
    TempFolder game;
    Laid laid;
    lay(game, recipe, laid);
    return game.snapshot();
}

std::string failureText(const std::optional<Failure>& failure) {
    return failure ? describe(*failure) : "done";
}

// Each file a run with the call `failed` failing left holds what it held before the change
// (`old`) or what the change without a fault gives it (`plain`).
void expectEachFileOldOrNew(const Attempt& run, const Attempt& plain,
                            const TempFolder::Snapshot& old, Call failed) {
    for (const auto& [name, content] : run.files) {
        const bool oldContent = old.count(name) != 0 && old.at(name) == content;
        const bool newContent = plain.files.count(name) != 0 && plain.files.at(name) == content;
        if (old.count(name) != 0 || plain.files.count(name) != 0) {
            EXPECT_TRUE(oldContent || newContent) << name;
        } else if (failed != Call::Remove) {
            // Only a copy kept because the old content could not be put back stays.
            ASSERT_TRUE(run.failure) << "left behind: " << name;
            EXPECT_EQ(run.failure->problem, FileProblem::OldContentKept) << name;
        }
    }
}

// Whether the run left a file as the change gives it, or took away one the change takes away.
bool changedAFile(const Attempt& run, const Attempt& plain, const TempFolder::Snapshot& old) {
    bool changed = false;
    for (const auto& [name, content] : plain.files) {
        const bool now = run.files.count(name) != 0 && run.files.at(name) == content;
        changed = changed || (now && (old.count(name) == 0 || old.at(name) != content));
    }
    for (const auto& [name, content] : old) {
        changed = changed || (run.files.count(name) == 0 && plain.files.count(name) == 0);
    }
    return changed;
}

// A copy left behind because its removal failed is named in a warning.
void expectCopiesNamed(const Attempt& run, const Attempt& plain, const TempFolder::Snapshot& old,
                       Call failed) {
    for (const auto& [name, content] : run.files) {
        if (old.count(name) == 0 && plain.files.count(name) == 0 && failed == Call::Remove) {
            EXPECT_TRUE(std::any_of(run.warnings.begin(), run.warnings.end(),
                                    [&](const Failure& warning) {
                                        return warning.copy.filename() == fs::path(name).filename();
                                    }))
                << "a copy left unnamed: " << name;
        }
    }
}

// A run that went through did what the change does without the fault; one that failed names the
// file.
void expectDoneOrFileNamed(const Attempt& run, const Attempt& plain,
                           const TempFolder::Snapshot& old, Call failed) {
    if (!run.failure) {
        // Done as without the fault; at most a copy whose removal failed is left, or the record
        // could not be made, which a warning says.
        for (const auto& [name, content] : run.files) {
            EXPECT_TRUE(plain.files.count(name) != 0
                            ? plain.files.at(name) == content
                            : failed == Call::Remove && old.count(name) == 0)
                << name;
        }
        const bool unrecorded =
            std::any_of(run.warnings.begin(), run.warnings.end(), [](const Failure& warning) {
                return warning.problem == FileProblem::NoRecordMade;
            });
        EXPECT_GE(run.files.size() + (unrecorded ? 1 : 0), plain.files.size());
    } else {
        // The file, or the folder that could not be synced after a change of one.
        const std::string text = describe(*run.failure);
        EXPECT_TRUE(text.find(".cfg\": ") != std::string::npos ||
                    text.find("Could not sync the folder \"") != std::string::npos)
            << text;
    }
}

} // namespace

TEST(InstallFaults, EveryFailingCallLeavesEachFileWholeAndNothingBehind) {
    int injected = 0;
    for (const char* change : {"", "; installed userconfig", "; installed userconfig; saved",
                               "; installed userconfig; then take-out", "; installed; then hook"}) {
        for (const std::string& layout : faultLayouts) {
            const std::string recipe = layout + change;
            SCOPED_TRACE(recipe);
            const Attempt plain = attempt(recipe, [](FaultyIo&) {});
            ASSERT_FALSE(plain.failure) << failureText(plain.failure);
            const auto old = laidOut(recipe);

            for (int call = 1; call <= static_cast<int>(plain.calls.size()); ++call) {
                const Attempt run = attempt(recipe, [&](FaultyIo& io) { io.failNth(call); });
                const auto& failed = plain.calls[static_cast<std::size_t>(call - 1)];
                SCOPED_TRACE(testing::Message()
                             << "call " << call << ", " << testing_support::callName(failed.call)
                             << " " << failed.path << ": " << failureText(run.failure));
                ++injected;
                EXPECT_EQ(run.leftOpen, 0u);
                EXPECT_EQ(run.strayCloses, 0);
                ASSERT_NO_FATAL_FAILURE(expectEachFileOldOrNew(run, plain, old, failed.call));
                // What the run says matches what it left: a failure after a file was changed
                // says what was done, and a copy left behind is named in a warning.
                if (run.failure && run.failure->problem != FileProblem::OldContentKept) {
                    EXPECT_EQ(changedAFile(run, plain, old), run.failure->done.has_value())
                        << failureText(run.failure);
                }
                expectCopiesNamed(run, plain, old, failed.call);
                expectDoneOrFileNamed(run, plain, old, failed.call);
            }
        }
    }
#ifdef _WIN32
    EXPECT_GE(injected, 140); // fewer calls: no owner, mode or ACL to carry over by hand
#else
    EXPECT_GE(injected, 200);
#endif
}

TEST(InstallFaults, EveryFileIsFlushedAndClosedBeforeItTakesItsName) {
    // A name must never lead to content still on its way to the disk: after a power cut
    // autoexec.cfg would be empty.
    const Attempt run = attempt(faultLayouts[0], [](FaultyIo&) {});
    int placed = 0;
    for (std::size_t i = 0; i < run.calls.size(); ++i) {
        if (run.calls[i].call != Call::Replace && run.calls[i].call != Call::Rename) {
            continue;
        }
        ++placed;
        std::size_t before = i;
        while (before > 0 && run.calls[before - 1].call == Call::LookAt) {
            --before; // looking for a free name for the old file
        }
        ASSERT_GE(before, 2u);
        EXPECT_EQ(run.calls[before - 1].call, Call::Close);
        EXPECT_EQ(run.calls[before - 2].call, Call::Sync);
    }
    EXPECT_EQ(placed, 3); // the record, quarvel.cfg and autoexec.cfg
}

#ifndef _WIN32
TEST(InstallFaults, EveryRenameIsFollowedBySyncingItsFolder) {
    const Attempt run = attempt(faultLayouts[0], [](FaultyIo&) {});
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
    EXPECT_EQ(renames, 3); // the record, quarvel.cfg and autoexec.cfg
}
#endif

TEST(InstallFaults, AConfigThatCouldNotBeChangedIsNamedAsNotRunningTheScript) {
    // The writes go to the record, quarvel.cfg, autoexec.cfg and userconfig.cfg in turn.
    struct Row {
        UserconfigChange userconfig;
        int failingWrite;
        const char* done;
    };
    const Row rows[] = {
        {UserconfigChange::Leave, 3, "quarvel.cfg was written, but autoexec.cfg does not run it"},
        {UserconfigChange::Add, 3,
         "quarvel.cfg was written, but neither autoexec.cfg nor userconfig.cfg runs it"},
        {UserconfigChange::Add, 4, "quarvel.cfg was written, but userconfig.cfg does not run it"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.done);
        TempFolder game;
        game.write("autoexec.cfg", binds);
        FaultyIo io;
        io.failCall(Call::Write, row.failingWrite);
        const InstallResult result =
            installTweaks(game.path(), script, io, {.userconfig = row.userconfig});
        ASSERT_FALSE(result.installed());
        EXPECT_TRUE(describe(*result.failure).starts_with(std::string(row.done) + ": Could not "))
            << describe(*result.failure);
        EXPECT_EQ(game.read("quarvel.cfg"), installedScript);
    }
}

TEST(InstallFaults, ALookThatFailsForAnyReasonButAbsenceStopsTheInstall) {
    // The first looks fall on autoexec.cfg, then on quarvel.cfg; none of these errors means
    // "missing", so nothing may be written over a file that is there but could not be seen.
    struct Look {
        Call call;
        int occurrence;
        const char* file;
        bool writeCheck; // whether a file the player may not write fails it
    };
#ifdef _WIN32
    const Look looks[] = {{Call::LookAt, 1, "autoexec.cfg", false},
                          {Call::LookAt, 2, "quarvel.cfg", false},
                          {Call::Open, 2, "autoexec.cfg", true},
                          {Call::Open, 3, "quarvel.cfg", true},
                          {Call::Look, 1, "autoexec.cfg", false}};
    const unsigned long errors[] = {ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION, ERROR_NOT_READY,
                                    ERROR_INVALID_NAME, ERROR_BAD_NETPATH};
    const unsigned long denied = ERROR_ACCESS_DENIED;
#else
    const Look looks[] = {{Call::LookAt, 1, "autoexec.cfg", false},
                          {Call::LookAt, 2, "quarvel.cfg", false},
                          {Call::MayWrite, 1, "autoexec.cfg", true},
                          {Call::MayWrite, 2, "quarvel.cfg", true},
                          {Call::Look, 1, "autoexec.cfg", false}};
    const int errors[] = {ELOOP, EIO, EACCES, EINTR, ENAMETOOLONG};
    const int denied = EACCES;
#endif
    const auto old = laidOut(faultLayouts[0]);
    for (const Look& look : looks) {
        for (const auto error : errors) {
            const Attempt run = attempt(faultLayouts[0], [&](FaultyIo& io) {
                io.failCall(look.call, look.occurrence, error);
            });
            const std::string reason =
                systemReason(std::error_code(static_cast<int>(error), std::system_category()));
            SCOPED_TRACE(testing::Message() << testing_support::callName(look.call) << " "
                                            << look.occurrence << ": " << reason);
            ASSERT_TRUE(run.failure);
            EXPECT_EQ(run.files, old);
            const std::string text = describe(*run.failure);
            EXPECT_NE(text.find(std::string(look.file) + "\": "), std::string::npos) << text;
            const bool inUse = run.failure->problem == FileProblem::InUse;
            EXPECT_NE(text.find(look.writeCheck && error == denied ? "it is write-protected"
                                : inUse ? "it is in use by another program"
                                        : reason),
                      std::string::npos)
                << text;
        }
    }
}

TEST(InstallFaults, AnUpdateInPlaceThatCannotBeUndoneSaysWhereTheOldContentIs) {
    // The new content fails, and so does putting the old content back: its synced copy stays and
    // the message names it. Every handle is closed once, whichever call failed.
    struct Faults {
        const char* what;
        Call first; // fails once the new content is on its way
        Call then;  // fails from then on, while the old content is put back
    };
    const Faults cases[] = {
        {"a full disk", Call::Write, Call::Write},
        {"a failed close, then a full disk", Call::Close, Call::Write},
        {"a full disk, then a failed close", Call::Write, Call::Close},
    };
    for (const auto& [what, first, then] : cases) {
        SCOPED_TRACE(what);
        TempFolder game;
        Laid laid;
        lay(game, faultLayouts[2], laid);
        int writes = 0;
        int stage = 0; // 1: the first fault to come, 2: it came, 3: the rest fail
        laid.io.onCall = [&](const FaultyIo::Record& record) {
            // The fourth write is the new content of autoexec.cfg, after the record, quarvel.cfg
            // and the copy of autoexec.cfg.
            if (stage == 0 && record.call == Call::Write && ++writes == 4) {
                laid.io.failCall(first, 1);
                stage = first == Call::Write ? 2 : 1;
            } else if (stage == 1 && record.call == first) {
                stage = 2;
            } else if (stage == 2) {
                laid.io.failCall(then, 1, 0, true);
                stage = 3;
            }
        };
        const InstallResult result = installTweaks(game.path(), script, laid.io);
        ASSERT_FALSE(result.installed());
        ASSERT_EQ(result.failure->problem, FileProblem::OldContentKept);
        const std::string text = describe(*result.failure);
        const std::string reason = systemReason(
            std::error_code(testing_support::callError(first), std::system_category()));
        EXPECT_NE(text.find("autoexec.cfg\": " + reason + ". Its old content is kept in \"" +
                            pathText(result.failure->copy) + "\"."),
                  std::string::npos)
            << text;
        EXPECT_EQ(TempFolder::readFile(result.failure->copy), binds);
        EXPECT_EQ(game.read("quarvel.cfg"), installedScript);
        EXPECT_TRUE(laid.io.openHandles.empty());
        EXPECT_EQ(laid.io.strayCloses, 0);
    }
}

#ifndef _WIN32
TEST(InstallFaults, AnInterruptWaitsUntilTheFilesAreWhole) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        TempFolder game;
        game.write("autoexec.cfg", binds);
        game.write("quarvel.cfg", binds);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FaultyIo io;
            io.onCall = [&](const FaultyIo::Record& record) {
                if (record.call == Call::Write) {
                    ::raise(signal); // as if the player pressed Ctrl-C right now
                }
            };
            installTweaks(game.path(), script, io, {}, whileSignalsHeld);
            ::_exit(0); // not reached: the signal ends the program once the files are whole
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        const auto files = game.snapshot();
        for (const auto& [name, content] : files) {
            EXPECT_FALSE(name.starts_with(".")) << "a temporary file was left behind";
        }
        EXPECT_TRUE(files.at("quarvel.cfg") == binds || files.at("quarvel.cfg") == installedScript);
    }
}
#endif
