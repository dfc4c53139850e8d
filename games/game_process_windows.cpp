// The programs running on Windows, from a snapshot of the process list.

#include "games/game_process.h"

#include "core/paths.h"

#include <windows.h>

#include <tlhelp32.h>

namespace quarvel::games {

std::vector<std::string> runningPrograms() {
    std::vector<std::string> names;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return names;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        names.push_back(pathText(std::filesystem::path(entry.szExeFile)));
    }
    CloseHandle(snapshot);
    return names;
}

} // namespace quarvel::games
