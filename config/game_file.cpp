// What reading and replacing a game file does alike on every system.

#include "config/game_file.h"

#include <cerrno>
#include <random>

namespace quarvel {

namespace fs = std::filesystem;

GameFile::GameFile(FileIo& io, fs::path path, FileStep step)
    : io_(&io), path_(std::move(path)), step_(step) {}

Failure GameFile::failed(FileProblem problem) const {
    return {.step = step_, .problem = problem, .file = path_};
}

Failure GameFile::failedSync(const fs::path& folder, int error) const {
    return systemFailure(FileStep::Sync, folder.empty() ? fs::path(".") : folder, error);
}

void GameFile::dropCopy(const fs::path& copy) {
#ifdef _WIN32
    const int error = static_cast<int>(io_->remove(copy));
#else
    const int error = io_->remove(copy.string()) != 0 ? errno : 0;
#endif
    if (error != 0) {
        leftCopy_ = Failure{.step = FileStep::Remove,
                            .problem = FileProblem::CopyLeft,
                            .file = path_,
                            .code = std::error_code(error, std::system_category()),
                            .copy = copy};
    }
}

Expected<GameFile> GameFile::look(FileIo& io, const fs::path& path, FileStep step) {
    GameFile file(io, path, step);
    file.target_ = path;
    for (int hop = 0;; ++hop) {
        auto link = file.lookAtTarget(hop < maxLinkHops);
        if (!link) {
            return link.failure();
        }
        if (!*link) {
            file.named_ = file.exists_ || hop > 0; // a dangling link still names the file
            return file;
        }
        file.target_ = (*link)->is_absolute() ? **link : file.target_.parent_path() / **link;
    }
}

Outcome GameFile::checkWritable() {
    if (!exists_) {
        return std::nullopt; // a new file: its folder decides when the file is made
    }
    return checkTargetWritable();
}

Outcome GameFile::remove() {
    if (!named_) {
        return std::nullopt;
    }
    if (Outcome failure = removeName()) {
        return failure;
    }
    named_ = exists_ = false;
    return std::nullopt;
}

fs::path GameFile::elsewhere() const {
    std::error_code error;
    const fs::path temporary = fs::temp_directory_path(error);
    if (error) {
        return {};
    }
    fs::path name("quarvel-");
    name += target_.filename().native();
    return temporary / name;
}

fs::path GameFile::besideName(const fs::path& file, std::string_view kind) {
    static constexpr std::string_view letters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string tail(kind);
    for (int i = 0; i < 6; ++i) {
        tail += letters[random() % letters.size()];
    }
    fs::path name(".");
    name += file.filename().native();
    name += tail;
    return file.parent_path() / name;
}

} // namespace quarvel
