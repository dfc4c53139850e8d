// Loading files of a gigabyte: each load runs in a child process, which must finish, load what
// the file says, and stay under 64 MiB of resident memory however long the file or its lines.

#include "config/loader.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quarvel;

constexpr off_t gibibyte = off_t{1} << 30;

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
    const pid_t child = ::fork();
    if (child == 0) {
        Engine engine;
        ::_exit(loadConfig(engine, file) && check(engine) ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    ASSERT_EQ(::wait4(child, &status, 0, &usage), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_LT(usage.ru_maxrss, 64 * 1024) << "peak resident KiB";
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
