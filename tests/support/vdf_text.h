#pragma once

#include "core/paths.h"

#include <filesystem>
#include <string>

// A path as Steam writes it inside its .vdf and .acf files: UTF-8, each backslash doubled.
inline std::string vdfText(const std::filesystem::path& path) {
    std::string text;
    for (char c : quarvel::pathText(path)) {
        if (c == '\\') {
            text += '\\';
        }
        text += c;
    }
    return text;
}
