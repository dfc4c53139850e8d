#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

// A folder of its own for each test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        const auto base = std::filesystem::temp_directory_path() / "quarvel-test-";
        do {
            root_ = base;
            root_ += std::to_string(random());
        } while (!std::filesystem::create_directory(root_));
        root_ = std::filesystem::canonical(root_);
#ifdef _WIN32
        // Windows may give the temp folder in 8.3 form (C:\Users\RUNNER~1\...), which no real
        // path that the code under test finds would equal.
        std::wstring longName(32768, L'\0');
        DWORD length = GetLongPathNameW(root_.c_str(), longName.data(), DWORD(longName.size()));
        if (length > 0 && length < longName.size()) {
            longName.resize(length);
            root_ = longName;
        }
#endif
    }
    ~TempFolder() {
        std::error_code ignored;
#ifdef _WIN32
        // Windows deletes no read-only file.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored)) {
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
#endif
        std::filesystem::remove_all(root_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // `relative` is UTF-8 on every platform, as the test sources are, and uses forward slashes;
    // the path comes with the platform's own separators, as the code under test builds them.
    std::filesystem::path path(std::string_view relative = {}) const {
        return (root_ / std::u8string(relative.begin(), relative.end())).make_preferred();
    }

    std::filesystem::path makeDirs(std::string_view relative) const {
        std::filesystem::create_directories(path(relative));
        return path(relative);
    }

    std::filesystem::path write(std::string_view relative, std::string_view text) const {
        std::filesystem::create_directories(path(relative).parent_path());
        std::ofstream(path(relative), std::ios::binary) << text;
        return path(relative);
    }

    std::string read(std::string_view relative) const {
        return readFile(path(relative));
    }

    static std::string readFile(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Every name below the folder and what it is: a file's content, "-> TARGET" for a link,
    // "<folder>" for a folder. Two equal snapshots are folders a player could not tell apart.
    using Snapshot = std::map<std::string, std::string>;
    Snapshot snapshot() const {
        Snapshot names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_)) {
            const std::string name = entry.path().lexically_relative(root_).generic_string();
            names[name] = entry.is_symlink()     ? "-> " + read_symlink(entry.path()).string()
                          : entry.is_directory() ? std::string("<folder>")
                                                 : readFile(entry.path());
        }
        return names;
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
