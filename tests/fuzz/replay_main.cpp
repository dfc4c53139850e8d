// Runs the loader's fuzz target over every file in the given folders, then over the inputs too
// large to keep as files, which it makes itself: one 10 MiB line, a million short lines, and
// values right at the length the loader still takes. `--write-large DIR` writes those inputs
// into DIR instead, for a fuzzing run to start from.

#include "config/loader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

struct LargeInput {
    const char* name;
    std::string bytes;
};

std::vector<LargeInput> largeInputs() {
    std::vector<LargeInput> inputs;
    inputs.push_back({"ten-mib-line.cfg", "rate \"" + std::string(10u << 20, '7')});

    // Every known cvar, junk, comments and binds, with all three line ends.
    const char* lines[] = {"rate 25000",
                           "cl_updaterate \"101\"",
                           "// comment",
                           "max_shells 7",
                           "bind \"w\" \"+forward\"",
                           "gl_picmip 1",
                           "cl_nopred 0",
                           "ex",
                           "cl_cmdrate 0101.5",
                           "s_eax 2",
                           "",
                           "gl_max_size 64"};
    const char* ends[] = {"\r\n", "\n", "\r"};
    std::string many;
    for (int n = 0; n < 1'000'000; ++n) {
        many.append(lines[n % std::size(lines)]).append(ends[n % 7 % 3]);
    }
    inputs.push_back({"million-lines.cfg", std::move(many)});

    inputs.push_back({"longest-values.cfg",
                      "max_rubble " + std::string(quarvel::maxValueLength, '9') + "\nmax_shells " +
                          std::string(quarvel::maxValueLength + 1, '8') + "\r\nmp_decals \"" +
                          std::string(quarvel::maxValueLength - 2, '6') + "\" x\rcl_rate " +
                          std::string(quarvel::maxValueLength, '0') + "1"});
    return inputs;
}

void run(const std::string& bytes) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<LargeInput> large = largeInputs();
    if (argc == 3 && std::string(argv[1]) == "--write-large") {
        for (const auto& input : large) {
            std::ofstream(fs::path(argv[2]) / input.name, std::ios::binary) << input.bytes;
        }
        return 0;
    }
    int replayed = 0;
    for (int arg = 1; arg < argc; ++arg) {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(argv[arg])) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            std::fprintf(stderr, "%s\n", file.c_str());
            std::ifstream in(file, std::ios::binary);
            run({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
            ++replayed;
        }
    }
    for (const auto& input : large) {
        std::fprintf(stderr, "%s (made here)\n", input.name);
        run(input.bytes);
        ++replayed;
    }
    std::printf("%d inputs replayed\n", replayed);
    // No seed file at all means the folders were wrong.
    return replayed > static_cast<int>(large.size()) ? 0 : 1;
}
