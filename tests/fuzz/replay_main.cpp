// Runs the loader's fuzz target over every file in the given folders, and each file once more cut
// after its first byte (which splits a byte-order mark over two pieces); then over the inputs too
// large to keep as files, which it makes itself: one 10 MiB line and a million short lines.

#include "core/paths.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
void checkLoad(std::string_view bytes, const std::vector<std::size_t>& cuts);

int main(int argc, char** argv) {
    const auto run = [](const std::string& bytes) {
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    };
    int replayed = 0;
    for (int arg = 1; arg < argc; ++arg) {
        std::set<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(argv[arg]))
            if (entry.is_regular_file())
                files.insert(entry.path());
        for (const auto& file : files) {
            std::fprintf(stderr, "%s\n", quarvel::pathText(file).c_str());
            std::ifstream in(file, std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            run(bytes);
            checkLoad(bytes, {1});
            ++replayed;
        }
    }
    // Known cvars, junk, comments and binds, with all three line ends.
    const std::string lines = "rate 25000|cl_updaterate \"101\"|// comment|max_shells 7|"
                              "bind \"w\" \"+forward\"|gl_picmip 1|cl_nopred 0|ex|"
                              "cl_cmdrate 0101.5|s_eax 2||gl_max_size 64|";
    const char* ends[] = {"\r\n", "\n", "\r"};
    std::string many;
    for (std::size_t n = 0, at = 0, bar = 0; n < 1'000'000; ++n, at = (bar + 1) % lines.size()) {
        bar = lines.find('|', at);
        many.append(lines, at, bar - at).append(ends[n % 7 % 3]);
    }
    std::fprintf(stderr, "a 10 MiB line, and a million lines (made here)\n");
    run("rate \"" + std::string(10u << 20, '7'));
    run(many);
    std::printf("%d seed files and 2 large inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1; // no seed file at all means the folders were wrong
}
