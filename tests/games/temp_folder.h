#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

// A folder of its own for each test, removed afterwards, where fake Steam and game folders are
// laid out.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        auto base = std::filesystem::temp_directory_path() / "quarvel-games-test-";
        do {
            root_ = base.string() + std::to_string(random());
        } while (!std::filesystem::create_directory(root_));
        root_ = std::filesystem::canonical(root_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path path(std::string_view relative = {}) const { return root_ / relative; }

    std::filesystem::path makeDirs(std::string_view relative) const {
        std::filesystem::create_directories(path(relative));
        return path(relative);
    }

    std::filesystem::path write(std::string_view relative, std::string_view text) const {
        std::filesystem::create_directories(path(relative).parent_path());
        std::ofstream(path(relative), std::ios::binary) << text;
        return path(relative);
    }

    // A link at `relative` pointing to `target`, which need not exist.
    std::filesystem::path link(std::string_view relative,
                               const std::filesystem::path& target) const {
        std::filesystem::create_directories(path(relative).parent_path());
        std::filesystem::create_directory_symlink(target, path(relative));
        return path(relative);
    }

private:
    std::filesystem::path root_;
};
