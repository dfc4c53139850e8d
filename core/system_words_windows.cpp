// The system's words for an error on Windows. The C++ library asks for the text in the ANSI code
// page; asked for UTF-16, Windows gives it in any language.

#include "core/system_words.h"

#include "core/paths.h"

#include <filesystem>

#include <windows.h>

namespace quarvel {

std::string systemWords(const std::error_code& code) {
    std::string text;
    if (code.category() == std::system_category()) {
        LPWSTR words = nullptr;
        const DWORD length = FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, DWORD(code.value()), 0, reinterpret_cast<LPWSTR>(&words), 0, nullptr);
        if (length > 0) {
            text = pathText(std::filesystem::path(std::wstring(words, length)));
        }
        LocalFree(words);
    }
    return text.empty() ? code.message() : text;
}

} // namespace quarvel
