#pragma once

#include "core/paths.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

// Runs a fuzz target's check over every file in the folders named on the command line, in the
// order of their paths; the number of files replayed, 0 when there were none (the folders were
// wrong).
inline std::size_t replaySeeds(int argc, char** argv,
                               const std::function<void(const std::string&)>& run) {
    std::set<std::filesystem::path> files;
    for (int arg = 1; arg < argc; ++arg)
        for (const auto& entry : std::filesystem::directory_iterator(argv[arg]))
            if (entry.is_regular_file())
                files.insert(entry.path());
    for (const auto& file : files) {
        std::fprintf(stderr, "%s\n", quarvel::pathText(file).c_str());
        std::ifstream in(file, std::ios::binary);
        run({std::istreambuf_iterator<char>(in), {}});
    }
    return files.size();
}
