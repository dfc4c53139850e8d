// Memory under large files. Loading a file of gigabytes, with lines of a gigabyte and values of a
// megabyte, runs in a child process, which must finish, load what the file says, and stay under
// 64 MiB of resident memory. (quarvel-cli's tests bound what adding the exec line to a large
// autoexec.cfg takes.)

#include "config/known_cvars.h"
#include "config/loader.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quarvel;

constexpr off_t gibibyte = off_t{1} << 30;

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
    const pid_t child = ::fork();
    if (child == 0) {
        Engine engine;
        const bool loaded = loadConfig(engine, file).ok() &&
                            engine.text(findEditor("txtShells")) == "3" &&
                            engine.text(findEditor("txtRate")) == "5000" &&
                            engine.text(findEditor("txtRubble")) == "7" &&
                            engine.slot(findEditor("txtDecals")) == "mp_decals 4321";
        ::_exit(loaded ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    ASSERT_EQ(::wait4(child, &status, 0, &usage), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the file was not loaded whole";
    EXPECT_LT(usage.ru_maxrss, 64 * 1024) << "peak resident KiB";
}
