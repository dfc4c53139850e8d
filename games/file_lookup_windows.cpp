// The real path of a file on Windows, from the handle of the opened file.

#include "games/file_lookup.h"

#include <string>
#include <string_view>
#include <utility>

#include <windows.h>

namespace quarvel::games {

namespace fs = std::filesystem;

// std::filesystem::canonical on Windows keeps the spelling it is given and follows no links, so
// Steam's own "c:/program files (x86)/steam" and "C:\Program Files (x86)\Steam" would be two
// folders. The opened folder's handle knows its one real name.
std::optional<fs::path> canonicalPath(const fs::path& path) {
    HANDLE handle =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetFinalPathNameByHandleW(handle, name.data(), DWORD(name.size()),
                                                 FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        // Too small a buffer gives the length needed, its terminating null included.
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(length);
    }
    CloseHandle(handle);
    if (name.empty()) {
        return std::nullopt;
    }
    // The name comes as \\?\C:\... or \\?\UNC\server\share\...; the prefix stays only where the
    // path is too long to be used without it.
    constexpr std::wstring_view verbatim = L"\\\\?\\", verbatimUnc = L"\\\\?\\UNC\\";
    if (name.size() < verbatim.size() + MAX_PATH) {
        if (name.starts_with(verbatimUnc)) {
            name.replace(0, verbatimUnc.size(), L"\\\\");
        } else if (name.starts_with(verbatim)) {
            name.erase(0, verbatim.size());
        }
    }
    return fs::path(std::move(name));
}

} // namespace quarvel::games
