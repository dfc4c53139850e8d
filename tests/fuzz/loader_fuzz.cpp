// Any bytes through the config loader. The reading phase, fed the bytes in a few pieces, must read
// what it reads of them in one piece; after the applying phase the engine must be settled and
// consistent. Anything else aborts, with what went wrong on standard error.

#include "config/known_cvars.h"
#include "config/loader.h"
#include "support/engine_invariants.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

using namespace quarvel;
using testing_support::shown;

[[noreturn]] static void fail(const std::string& what) {
    std::fprintf(stderr, "config loader: %s\n", what.c_str());
    std::abort();
}

static void read(LoadedValues& values, std::string_view bytes, std::vector<std::size_t> cuts) {
    cuts.insert(cuts.end(), {0, bytes.size()});
    std::sort(cuts.begin(), cuts.end());
    ConfigReader reader(values);
    for (std::size_t i = 1; i < cuts.size(); ++i)
        reader.feed(bytes.substr(std::min(cuts[i - 1], bytes.size()), cuts[i] - cuts[i - 1]));
    reader.finish();
}

// Loads the bytes cut into pieces at the given places, and checks the load.
void checkLoad(std::string_view bytes, const std::vector<std::size_t>& cuts) {
    LoadedValues whole, cut;
    read(whole, bytes, {});
    read(cut, bytes, cuts);
    for (std::size_t k = 0; k < knownCvars.size(); ++k)
        if (cut.cvarFound[k] != whole.cvarFound[k] || cut.cvarValue[k] != whole.cvarValue[k])
            fail(std::string(knownCvars[k].name) + ": read \"" + shown(cut.cvarValue[k]) +
                 "\" in pieces but \"" + shown(whole.cvarValue[k]) + "\" in one");
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
