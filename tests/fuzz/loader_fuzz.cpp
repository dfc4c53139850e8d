// Any bytes through the config loader. The reading phase, fed the bytes in a few pieces, must read
// what it reads of them in one piece; after the applying phase the engine must be settled and
// consistent. Anything else aborts, with what went wrong on standard error.

#include "config/known_cvars.h"
#include "config/loader.h"
#include "fuzz_target.h"
#include "support/engine_invariants.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

using namespace quarvel;

[[noreturn]] static void fail(const std::string& what) {
    std::fprintf(stderr, "config loader: %s\n", what.c_str());
    std::abort();
}

// Loads the bytes cut into pieces at the given places, and checks the load.
void checkLoad(std::string_view bytes, const std::vector<std::size_t>& cuts) {
    const auto read = [&](std::vector<std::size_t> at) {
        LoadedValues values;
        ConfigReader reader(values);
        at.insert(at.end(), {0, bytes.size()});
        std::sort(at.begin(), at.end());
        for (std::size_t i = 1; i < at.size(); ++i)
            reader.feed(bytes.substr(std::min(at[i - 1], bytes.size()), at[i] - at[i - 1]));
        reader.finish();
        return values;
    };
    const LoadedValues whole = read({}), cut = read(cuts);
    for (std::size_t k = 0; k < knownCvars.size(); ++k)
        if (cut.cvarFound[k] != whole.cvarFound[k] || cut.cvarValue[k] != whole.cvarValue[k])
            fail(std::string(knownCvars[k].name) + " reads otherwise in pieces than in one");
    Engine engine;
    applyLoadedValues(engine, cut);
    if (const std::string problem = testing_support::invariantViolation(engine); !problem.empty())
        fail(problem);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Up to four cuts, at places that depend on every byte.
    std::minstd_rand random(static_cast<std::uint32_t>(std::hash<std::string_view>{}(bytes)));
    std::vector<std::size_t> cuts(random() % 5);
    for (auto& cut : cuts)
        cut = random() % (size + 1);
    checkLoad(bytes, cuts);
    return 0;
}
