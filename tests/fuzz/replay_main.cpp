// Runs the loader's fuzz target over every file in the given folders, and each file once more cut
// after its first byte (which splits a byte-order mark over two pieces); then over a line too large
// to keep as a file, 10 MiB long, which it makes itself.

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
    std::set<std::filesystem::path> files;
    for (int arg = 1; arg < argc; ++arg)
        for (const auto& entry : std::filesystem::directory_iterator(argv[arg]))
            if (entry.is_regular_file())
                files.insert(entry.path());
    const auto run = [](const std::string& bytes) {
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        checkLoad(bytes, {1});
    };
    for (const auto& file : files) {
        std::fprintf(stderr, "%s\n", quarvel::pathText(file).c_str());
        std::ifstream in(file, std::ios::binary);
        run({std::istreambuf_iterator<char>(in), {}});
    }
    std::fprintf(stderr, "a 10 MiB line (made here)\n");
    run("rate \"" + std::string(10u << 20, '7'));
    std::printf("%zu seed files and a large input replayed\n", files.size());
    return files.empty() ? 1 : 0; // no seed file at all means the folders were wrong
}
