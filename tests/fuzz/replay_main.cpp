// Runs the loader's fuzz target over every file in the given folders, and each file once more cut
// after its first byte (which splits a byte-order mark over two pieces); then over a line too large
// to keep as a file, 10 MiB long, which it makes itself.

#include "fuzz_target.h"
#include "replay.h"

#include <cstdint>
#include <vector>

int main(int argc, char** argv) {
    const auto run = [](const std::string& bytes) {
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        checkLoad(bytes, {1});
    };
    const std::size_t files = replaySeeds(argc, argv, run);
    std::fprintf(stderr, "a 10 MiB line (made here)\n");
    run("rate \"" + std::string(10u << 20, '7'));
    std::printf("%zu seed files and a large input replayed\n", files);
    return files == 0 ? 1 : 0;
}
