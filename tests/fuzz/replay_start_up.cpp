// Runs the fuzz target of the check's start-up over every file in the given folders.

#include "fuzz_target.h"
#include "replay.h"

#include <cstdint>

int main(int argc, char** argv) {
    const std::size_t files = replaySeeds(argc, argv, [](const std::string& bytes) {
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    });
    std::printf("%zu seed folders replayed\n", files);
    return files == 0 ? 1 : 0;
}
