#include "games/file_lookup.h"

#include "core/ascii.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quarvel::games {

namespace fs = std::filesystem;

#ifdef _WIN32
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
#else
std::optional<fs::path> canonicalPath(const fs::path& path) {
    std::error_code ec;
    fs::path real = fs::canonical(path, ec);
    if (ec) {
        return std::nullopt;
    }
    return real;
}
#endif

bool isDirectory(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool isRegularFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::optional<fs::path> findEntryIgnoringCase(const fs::path& directory, std::string_view name) {
    std::error_code ec;
    fs::path exact = directory / pathFromUtf8(name);
    if (fs::exists(exact, ec)) {
        return exact;
    }
    std::optional<fs::path> best;
    std::string bestName;
    fs::directory_iterator it(directory, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string entryName = pathText(it->path().filename());
        if (equalsIgnoringCase(entryName, name) && (!best || entryName < bestName)) {
            best = it->path();
            bestName = std::move(entryName);
        }
    }
    return best;
}

} // namespace quarvel::games
