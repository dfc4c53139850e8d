#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Paths as text. Messages, Steam's files and the program's own texts are UTF-8 on every system,
// while a path's narrow string is in the Windows code page there; on Linux a path's bytes pass
// through unchanged, whatever they are.
namespace quarvel {

inline std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

inline std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace quarvel
