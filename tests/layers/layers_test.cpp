// The layers of the code: no file includes a header of a layer above its own, so that what each
// library may call is what it links. The table is the one CONTRIBUTING.md draws.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

// The layers a layer's files may include: itself and those below it.
const std::map<std::string, std::set<std::string>>& mayInclude() {
    static const std::set<std::string> engine{"rates", "core", "files", "config", "games"};
    static const std::map<std::string, std::set<std::string>> layers{
        {"rates", {"rates"}},
        {"core", {"core", "rates"}},
        {"files", {"files", "core", "rates"}},
        {"config", {"config", "files", "core", "rates"}},
        {"games", engine},
        {"process", {"process"}},
        {"cli",
         [] {
             auto below = engine;
             below.insert({"cli", "process"});
             return below;
         }()},
        {"ui",
         [] {
             auto below = engine;
             below.insert({"ui", "process"});
             return below;
         }()},
    };
    return layers;
}

} // namespace

TEST(Layers, NoFileIncludesAHeaderOfALayerAboveItsOwn) {
    const std::regex include(R"(^\s*#\s*include\s*"([A-Za-z_]+)/)");
    std::size_t looked = 0;
    for (const auto& [layer, allowed] : mayInclude()) {
        const fs::path folder = fs::path(QUARVEL_SOURCE_DIR) / layer;
        if (!fs::is_directory(folder)) {
            continue;
        }
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".h" && extension != ".cpp") {
                continue;
            }
            ++looked;
            std::ifstream file(entry.path());
            std::size_t number = 0;
            for (std::string line; std::getline(file, line);) {
                ++number;
                std::smatch found;
                if (std::regex_search(line, found, include) && mayInclude().contains(found[1]) &&
                    !allowed.contains(found[1])) {
                    ADD_FAILURE() << entry.path().lexically_relative(QUARVEL_SOURCE_DIR).string()
                                  << ":" << number << " includes a header of " << found[1]
                                  << ", a layer above " << layer;
                }
            }
        }
    }
    EXPECT_GT(looked, 100u); // the tree was found and read
}
