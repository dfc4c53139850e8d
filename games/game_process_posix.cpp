// The programs running on Linux, from /proc: each process's short name, and the file name of its
// first argument, which is how Wine shows a Windows program ("C:\...\hl.exe").

#include "games/game_process.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

namespace quarvel::games {

namespace {

std::string firstLine(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    std::getline(in, line);
    return line;
}

// The last part of a program's path, whichever separator it uses.
std::string baseName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

} // namespace

std::vector<std::string> runningPrograms() {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry("/proc", error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string pid = entry->path().filename().string();
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        // A process that ended meanwhile, or one the system hides, gives nothing.
        if (std::string comm = firstLine(entry->path() / "comm"); !comm.empty()) {
            names.push_back(std::move(comm));
        }
        std::ifstream cmdline(entry->path() / "cmdline", std::ios::binary);
        std::string first;
        std::getline(cmdline, first, '\0');
        if (!first.empty()) {
            names.push_back(baseName(first));
        }
    }
    return names;
}

} // namespace quarvel::games
