// Memory under large files. Loading a file of gigabytes, with lines of a gigabyte and values of a
// megabyte, runs in a child process, which must finish, load what the file says, and stay under
// 64 MiB of resident memory. Checks of configs made to exhaust the check run in a child whose
// address space and time are limited, so that a regression fails instead of taking the machine.
// (quarvel-cli's tests bound what adding the exec line to a large autoexec.cfg takes.)

#include "config/check.h"
#include "config/known_cvars.h"
#include "config/loader.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quarvel;

constexpr off_t gibibyte = off_t{1} << 30;

namespace {

struct Child {
    bool succeeded = false; // it returned true, within its time
    long peakKibibytes = 0; // its peak resident memory
};

// Runs `work` in a child process, in at most `mebibytes` of address space (where no sanitizer
// reserves more than any limit leaves) and 60 seconds.
Child inChild(const std::function<bool()>& work, [[maybe_unused]] rlim_t mebibytes = 0) {
    const pid_t child = ::fork();
    if (child == 0) {
#if !defined(__SANITIZE_ADDRESS__)
        if (mebibytes > 0) {
            const rlimit limit{mebibytes << 20, mebibytes << 20};
            ::setrlimit(RLIMIT_AS, &limit);
        }
#endif
        ::alarm(60);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    const bool waited = ::wait4(child, &status, 0, &usage) == child;
    return {waited && WIFEXITED(status) && WEXITSTATUS(status) == 0, usage.ru_maxrss};
}

// `count` lines, each made by `line` from its number.
std::string lines(int count, const std::function<std::string(int)>& line) {
    std::string text;
    for (int n = 0; n < count; ++n) {
        text += line(n) + "\n";
    }
    return text;
}

// The n-th of many spellings of the same path: "", ".//", ".//./", ...
std::string spelling(int n) {
    std::string prefix;
    for (int part = 0; part < n; ++part) {
        prefix += part % 3 == 0 ? ".//" : "./";
    }
    return prefix;
}

const std::string script = "// Quarvel v3\r\nrate 100000\r\n";
const std::size_t large = maxConfigFileSize - 64;

// Twelve files that each run the next eight times.
void layFan(const TempFolder& game) {
    game.write("fan/autoexec.cfg", "exec quarvel.cfg\nexec f1.cfg\n");
    game.write("fan/quarvel.cfg", script);
    for (int file = 1; file <= 12; ++file) {
        game.write("fan/f" + std::to_string(file) + ".cfg",
                   file < 12
                       ? lines(8, [&](int) { return "exec f" + std::to_string(file + 1) + ".cfg"; })
                       : "");
    }
}

// A file that runs itself under sixteen spellings.
void layItself(const TempFolder& game) {
    game.write("itself/autoexec.cfg", "exec x.cfg\nexec quarvel.cfg\n");
    game.write("itself/quarvel.cfg", script);
    game.write("itself/x.cfg", lines(16, [&](int n) { return "exec " + spelling(n) + "x.cfg"; }));
}

// A file of 16 MiB in short lines run under sixty spellings.
void laySpelt(const TempFolder& game) {
    game.write("spelt/autoexec.cfg", "exec quarvel.cfg\n" + lines(60, [&](int n) {
                                         return "exec " + spelling(n) + "big.cfg";
                                     }));
    game.write("spelt/quarvel.cfg", script);
    std::string shortLines;
    while (shortLines.size() + 8 <= large) {
        shortLines += "rate 1\r\n";
    }
    game.write("spelt/big.cfg", shortLines);
}

// Six other files of 16 MiB, each run in turn, with quarvel.cfg and userconfig.cfg as large.
void layLarge(const TempFolder& game) {
    const std::string longLines(large, 'x'); // one line: only its first 1023 characters are read
    game.write("large/autoexec.cfg", "exec quarvel.cfg\n" + lines(6, [](int n) {
                                         return "exec l" + std::to_string(n) + ".cfg";
                                     }));
    game.write("large/quarvel.cfg", script + "// " + longLines);
    game.write("large/userconfig.cfg", longLines);
    game.write("large/config.cfg", "exec userconfig.cfg\n");
    for (int n = 0; n < 6; ++n) {
        game.write("large/l" + std::to_string(n) + ".cfg", longLines);
    }
}

} // namespace

TEST(LoaderMemory, GigabytesOfLongLinesAndJunkLoadInLittleMemory) {
    // A megabyte of lines written over and over: known cvars among junk, values of any bytes up to
    // 300 KB long, all three line ends.
    std::mt19937 random(7);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const char* heads[] = {"rate", "cl_rate", "max_shells", "gl_picmip", "bind", "//", "", "x"};
    const char* ends[] = {"\r\n", "\n", "\r"};
    std::string chunk;
    while (chunk.size() < (std::size_t{1} << 20)) {
        chunk.append(heads[below(8)]).append(" ");
        for (int n = below(5) == 0 ? below(300'000) : below(12); n > 0; --n)
            chunk += static_cast<char>(below(3) == 0 ? '0' + below(10) : below(256));
        chunk += ends[below(3)];
    }
    TempFolder folder;
    const auto file = folder.path("big.cfg");
    std::ofstream out(file, std::ios::binary);
    for (off_t at = 0; at < gibibyte; at += off_t(chunk.size()))
        out.write(chunk.data(), std::min(off_t(chunk.size()), gibibyte - at));
    out << "\nmax_shells 3\nrate 5000\n";
    // No value is longer than a console line, so none of these is taken, nor kept while read.
    const std::string megabyte(std::size_t{1} << 20, '7');
    for (int round = 0; round < 4; ++round)
        for (const auto& cvar : knownCvars)
            out << cvar.name << " " << megabyte << "\r\n";
    // A known cvar whose value is a gigabyte of NUL bytes, and the lines after it.
    out << "max_shells \"1";
    out.seekp(out.tellp() + gibibyte); // what lies between reads as NUL bytes
    out << "\"\nmax_rubble 7\nmp_decals 4321\n";
    out.close();
    ASSERT_TRUE(out) << file;
    // Loaded in a child process, whose peak resident memory the system keeps.
    const Child loaded = inChild([&] {
        Engine engine;
        return loadConfig(engine, file).ok() && engine.text(findEditor("txtShells")) == "3" &&
               engine.text(findEditor("txtRate")) == "5000" &&
               engine.text(findEditor("txtRubble")) == "7" &&
               engine.slot(findEditor("txtDecals")) == "mp_decals 4321";
    });
    EXPECT_TRUE(loaded.succeeded) << "the file was not loaded whole";
    EXPECT_LT(loaded.peakKibibytes, 64 * 1024);
}

TEST(CheckMemory, ConfigsMadeToExhaustTheCheckEndInLittleMemoryAndTime) {
    // Twelve files that each run the next eight times; a file that runs itself under sixteen
    // spellings; a file of 16 MiB in short lines run under sixty spellings; six other files of
    // 16 MiB, each run in turn, with quarvel.cfg and userconfig.cfg as large.
    TempFolder game;
    layFan(game);
    layItself(game);
    laySpelt(game);
    layLarge(game);

    const std::pair<const char*, const char*> stops[] = {
        {"fan", "the start-up runs more than 256 files; the check stopped at f11.cfg line 8."},
        {"itself", "x.cfg line 1 runs x.cfg, which is already running: the check does not enter it "
                   "again."},
        {"spelt",
         "the start-up runs more than 64 MiB of configs; the check stopped at autoexec.cfg "
         "line 5."},
        {"large",
         "the start-up runs more than 64 MiB of configs; the check stopped at autoexec.cfg "
         "line 5."},
    };
    for (const auto& [folder, stop] : stops) {
        const Child checked = inChild(
            [&] {
                const CheckReport report = checkTweaks(game.path(folder), {});
                for (const Sentence& line : report.lines) {
                    if (sentenceText(line) == stop) {
                        return true;
                    }
                }
                return false;
            },
            512);
        EXPECT_TRUE(checked.succeeded) << folder << ": the check did not end as it should";
        EXPECT_LT(checked.peakKibibytes, 256 * 1024) << folder;
    }
}
