// Loading files of a gigabyte: each load runs in a child process, which must finish, load what
// the file says, and stay under 64 MiB of resident memory however long the file or its lines.

#include "config/loader.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quarvel;

namespace {

constexpr off_t gibibyte = off_t{1} << 30;
constexpr long memoryLimitKiB = 64 * 1024;

EditorId id(std::string_view name) {
    return findEditor(name);
}

// Loads the file into a fresh engine in a child process; true when the load succeeded and
// `check` holds of the engine afterwards. Reports the child's peak resident memory and time.
bool loadInChild(const std::filesystem::path& file, const std::function<bool(Engine&)>& check) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        Engine engine;
        ::_exit(loadConfig(engine, file) && check(engine) ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child) {
        ADD_FAILURE() << "no child process";
        return false;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: %.1f s, peak %ld KiB\n", file.filename().c_str(), seconds, usage.ru_maxrss);
    EXPECT_LT(usage.ru_maxrss, memoryLimitKiB) << file;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A file of `size` bytes that is nothing but NUL bytes, save for `head` and `tail`.
std::filesystem::path sparseFile(const TempFolder& folder, const char* name, std::string_view head,
                                 std::string_view tail, off_t size) {
    const auto path = folder.path(name);
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    const bool made = fd >= 0 && ::write(fd, head.data(), head.size()) == ssize_t(head.size()) &&
                      ::ftruncate(fd, size) == 0 &&
                      ::pwrite(fd, tail.data(), tail.size(), size) == ssize_t(tail.size());
    EXPECT_TRUE(made) << path;
    ::close(fd);
    return path;
}

} // namespace

TEST(LoaderMemory, AGigabyteLineOfNulBytesOrOfOneValue) {
    TempFolder folder;
    const TweakLines fresh = Engine().tweakLines();
    // One line with no known head: nothing changes.
    EXPECT_TRUE(loadInChild(sparseFile(folder, "nul.cfg", "", "", gibibyte),
                            [&](Engine& engine) { return engine.tweakLines() == fresh; }));
    std::filesystem::remove(folder.path("nul.cfg"));
    // A known cvar with a gigabyte value is passed over, and the line after it still loads.
    EXPECT_TRUE(loadInChild(
        sparseFile(folder, "long-value.cfg", "max_shells \"1", "\"\nmax_rubble 7\n", gibibyte),
        [](Engine& engine) {
            return engine.text(id("txtShells")) == "120" && engine.text(id("txtRubble")) == "7";
        }));
}

TEST(LoaderMemory, AGigabyteOfJunkText) {
    // Written in chunks of a megabyte: lines of every length, known cvars among junk, values up to
    // the longest the loader takes, NUL bytes and all three line ends.
    TempFolder folder;
    std::mt19937 random(7);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const char* heads[] = {"rate", "cl_rate", "max_shells", "gl_picmip", "bind", "//", "", "x"};
    const char* ends[] = {"\r\n", "\n", "\r"};
    std::vector<std::string> chunks(4);
    for (auto& chunk : chunks) {
        while (chunk.size() < (std::size_t{1} << 20)) {
            chunk += heads[below(8)];
            chunk += ' ';
            std::string value(static_cast<std::size_t>(below(5) == 0 ? below(300'000) : below(12)),
                              ' ');
            for (char& c : value) {
                c = static_cast<char>(below(3) == 0 ? '0' + below(10) : below(256));
            }
            chunk += value;
            chunk += ends[below(3)];
        }
    }
    const auto path = folder.path("junk.cfg");
    {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        for (off_t written = 0; written < gibibyte;) {
            const std::string& chunk = chunks[static_cast<std::size_t>(below(4))];
            const auto size = std::min<off_t>(static_cast<off_t>(chunk.size()), gibibyte - written);
            ASSERT_EQ(std::fwrite(chunk.data(), 1, static_cast<std::size_t>(size), out),
                      static_cast<std::size_t>(size));
            written += size;
        }
        std::fputs("\nmp_decals 4321\n", out);
        ASSERT_EQ(std::fclose(out), 0);
    }
    EXPECT_TRUE(loadInChild(
        path, [](Engine& engine) { return engine.slot(id("txtDecals")) == "mp_decals 4321"; }));
}
