// Memory under large files. Loading a file of gigabytes, with lines of a gigabyte and values of a
// megabyte, runs in a child process, which must finish, load what the file says, and stay under
// 64 MiB of resident memory. Adding the exec line to a large autoexec.cfg takes about twice its
// size.

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
    EXPECT_LT(peakKibibytes([&] {
                  Engine engine;
                  return !loadConfig(engine, file) && engine.text(findEditor("txtShells")) == "3" &&
                         engine.text(findEditor("txtRate")) == "5000" &&
                         engine.text(findEditor("txtRubble")) == "7" &&
                         engine.slot(findEditor("txtDecals")) == "mp_decals 4321";
              }),
              64 * 1024)
        << "peak resident KiB";
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
