// Memory under large files. Loading files of a gigabyte, or with every value a megabyte long: each
// load runs in a child process, which must finish, load what the file says, and stay under 64 MiB
// of resident memory. Adding the exec line to a large autoexec.cfg takes about twice its size.

#include "config/install.h"
#include "config/known_cvars.h"
#include "config/loader.h"
#include "config/script.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quarvel;

constexpr off_t gibibyte = off_t{1} << 30;

// Runs `work` in a child process, which must succeed; its peak resident memory in KiB.
static long peakKibibytes(const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    EXPECT_EQ(::wait4(child, &status, 0, &usage), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return usage.ru_maxrss;
}

// Writes a file with `write`, loads it into a fresh engine in a child process, which must succeed
// with `check` holding of the engine afterwards and peak under 64 MiB resident; removes the file.
static void expectSmallLoad(const std::function<void(std::ofstream&)>& write,
                            const std::function<bool(const Engine&)>& check) {
    TempFolder folder;
    const auto file = folder.path("big.cfg");
    std::ofstream out(file, std::ios::binary);
    write(out);
    out.close();
    ASSERT_TRUE(out) << file;
    EXPECT_LT(peakKibibytes([&] {
                  Engine engine;
                  return !loadConfig(engine, file) && check(engine);
              }),
              64 * 1024)
        << "peak resident KiB";
}

TEST(LoaderMemory, AGigabyteLineIsPassedOver) {
    // A known cvar whose value is a gigabyte of NUL bytes; the line after it still loads.
    expectSmallLoad(
        [](std::ofstream& out) {
            out << "max_shells \"1";
            out.seekp(gibibyte); // what lies between reads as NUL bytes
            out << "\"\nmax_rubble 7\n";
        },
        [](const Engine& engine) {
            return engine.text(findEditor("txtShells")) == "120" &&
                   engine.text(findEditor("txtRubble")) == "7";
        });
}

TEST(LoaderMemory, AGigabyteOfJunkText) {
    // A megabyte of lines written over and over: known cvars among junk, values of any bytes up to
    // 300 KB long, all three line ends. The setting after it still loads.
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
    expectSmallLoad(
        [&](std::ofstream& out) {
            for (off_t at = 0; at < gibibyte; at += off_t(chunk.size()))
                out.write(chunk.data(), std::min(off_t(chunk.size()), gibibyte - at));
            out << "\nmp_decals 4321\n";
        },
        [](const Engine& engine) {
            return engine.slot(findEditor("txtDecals")) == "mp_decals 4321";
        });
}

TEST(LoaderMemory, EveryKnownCvarWithAMegabyteValue) {
    // No value is longer than a console line, so none of these is taken, nor kept while read.
    expectSmallLoad(
        [](std::ofstream& out) {
            const std::string megabyte(std::size_t{1} << 20, '7');
            for (int round = 0; round < 4; ++round)
                for (const auto& cvar : knownCvars)
                    out << cvar.name << " " << megabyte << "\r\n";
            out << "max_shells 3\r\n";
        },
        [](const Engine& engine) {
            return engine.text(findEditor("txtShells")) == "3" &&
                   engine.text(findEditor("txtRate")) == "7500";
        });
}

TEST(InstallMemory, AddingTheExecLineToALargeAutoexecTakesAboutTwiceItsSize) {
    TempFolder small, large;
    constexpr std::size_t size = 15 << 20;
    std::string lines;
    while (lines.size() < size)
        lines += "bind x y\n"; // many short lines: nothing per line may be kept
    large.write("autoexec.cfg", lines);
    const std::string script = buildScript(Engine().tweakLines());
    const auto install = [&](const TempFolder& game) {
        return [&] { return InstallTweaks(game.path(), script).installed(); };
    };
    const long base = peakKibibytes(install(small));
    const long peak = peakKibibytes(install(large));
    EXPECT_LT(peak - base, static_cast<long>(2.3 * size / 1024)) << "KiB above an empty install";
    EXPECT_TRUE(large.read("autoexec.cfg").ends_with("\r\n\r\n\r\nexec quarvel.cfg\r\n"));
}
