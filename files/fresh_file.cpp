#include "files/fresh_file.h"

#include <random>
#include <string>

namespace quarvel {

namespace fs = std::filesystem;

IoResult<FreshFile> createFresh(FileIo& io, const std::function<fs::path()>& name,
                                std::uint32_t mode, std::uint32_t attributes) {
    std::error_code taken;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path made = name();
        IoResult<OpenFile> file = OpenFile::create(io, made, mode, attributes);
        if (file) {
            return FreshFile{std::move(*file), std::move(made)};
        }
        if (!isTaken(file.failure())) {
            return file.failure();
        }
        taken = file.failure();
    }
    return taken;
}

fs::path besideName(const fs::path& file, std::string_view kind) {
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
