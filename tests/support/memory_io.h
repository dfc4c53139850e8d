#pragma once

#include "files/file_io.h"

#include <cerrno>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

// A game folder served from memory: its files, folders and links, under the path of a folder that
// is there. Everything that would write fails, and is counted; each file's opens are counted too.
namespace quarvel::testing_support {

class MemoryIo final : public FileIo {
public:
    explicit MemoryIo(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // A file, a folder or a link, by its name within the folder.
    void file(const std::string& name, std::string content) {
        add(name, {Kind::File, std::move(content)});
    }
    void folder(const std::string& name) { add(name, {Kind::Folder, {}}); }
    void link(const std::string& name, std::string target) {
        add(name, {Kind::Link, std::move(target)});
    }

    // How often each file was opened, by its path; every call that would have written.
    std::map<std::string, int> opens;
    int writes = 0;

    IoResult<FileLook> lookAt(const std::filesystem::path& path) override {
        const auto entry = find(path);
        if (entry == entries_.end()) {
            return missing();
        }
        return lookOf(entry->second);
    }
    IoResult<std::string> ownerOf(const std::filesystem::path&) override { return currentUser(); }
    IoResult<std::string> currentUser() override { return std::string("S-1-5-21-1-2-3-1001"); }
    IoResult<std::filesystem::path> readLink(const std::filesystem::path& path) override {
        const auto entry = find(path);
        if (entry == entries_.end() || entry->second.kind != Kind::Link) {
            return missing();
        }
        return std::filesystem::path(entry->second.content);
    }
    IoResult<> mayWrite(const std::filesystem::path&) override { return refused(); }

    IoResult<FileHandle> open(const std::filesystem::path& path, OpenMode mode) override {
        if (mode != OpenMode::Read && mode != OpenMode::ReadThrough) {
            return refused();
        }
        auto entry = find(path);
        for (int hop = 0; mode == OpenMode::ReadThrough && entry != entries_.end() &&
                          entry->second.kind == Kind::Link && hop < 40;
             ++hop) {
            entry = find(folder_ / entry->second.content);
        }
        if (entry == entries_.end()) {
            return missing();
        }
        ++opens[entry->first];
        open_.push_back({&entry->second, 0});
        return static_cast<FileHandle>(open_.size());
    }
    IoResult<FileLook> look(FileHandle file) override {
        return lookOf(*open_.at(index(file)).entry);
    }
    IoResult<std::size_t> read(FileHandle file, char* buffer, std::size_t size) override {
        Open& open = open_.at(index(file));
        const std::size_t got = std::min(size, open.entry->content.size() - open.at);
        std::memcpy(buffer, open.entry->content.data() + open.at, got);
        open.at += got;
        return got;
    }
    IoResult<> close(FileHandle) override { return {}; }
    IoResult<FileHandle> lockFolder(const std::filesystem::path&) override { return FileHandle{}; }
    void unlockFolder(FileHandle) override {}

    // clang-format off
    IoResult<FileHandle> create(const std::filesystem::path&, std::uint32_t, std::uint32_t) override { return refused(); }
    IoResult<std::size_t> write(FileHandle, const char*, std::size_t) override { return refused(); }
    IoResult<> rewind(FileHandle) override { return refused(); }
    IoResult<> truncate(FileHandle, std::uint64_t) override { return refused(); }
    IoResult<> sync(FileHandle) override { return refused(); }
    IoResult<> setOwner(FileHandle, std::uint32_t, std::uint32_t) override { return refused(); }
    IoResult<> setMode(FileHandle, std::uint32_t) override { return refused(); }
    IoResult<> copyAttributes(FileHandle, FileHandle) override { return refused(); }
    IoResult<> rename(const std::filesystem::path&, const std::filesystem::path&) override { return refused(); }
    IoResult<> replace(const std::filesystem::path&, const std::filesystem::path&, const std::filesystem::path&) override { return refused(); }
    IoResult<> remove(const std::filesystem::path&) override { return refused(); }
    // clang-format on

private:
    enum class Kind { File, Folder, Link };
    struct Entry {
        Kind kind;
        std::string content; // a link's target
        std::uint64_t index = 0;
    };
    struct Open {
        const Entry* entry;
        std::size_t at;
    };

    static FileLook lookOf(const Entry& entry) {
        FileLook info;
        info.kind = entry.kind == Kind::File     ? FileKind::Regular
                    : entry.kind == Kind::Folder ? FileKind::Folder
                                                 : FileKind::Link;
        info.device = 1;
        info.index = entry.index;
        info.size = entry.content.size();
#ifndef _WIN32
        info.owner = ::geteuid();
#endif
        return info;
    }
    void add(const std::string& name, Entry entry) {
        entry.index = ++added_;
        entries_[key(name)] = std::move(entry);
    }
    static std::string key(const std::filesystem::path& path) {
        return path.lexically_normal().generic_string();
    }
    std::map<std::string, Entry>::iterator find(const std::filesystem::path& path) {
        return entries_.find(key(path.lexically_relative(folder_)));
    }
    static std::size_t index(FileHandle file) {
        return static_cast<std::size_t>(file) - 1;
    }
    static std::error_code missing() {
#ifdef _WIN32
        return {ERROR_FILE_NOT_FOUND, std::system_category()};
#else
        return {ENOENT, std::system_category()};
#endif
    }
    std::error_code refused() {
        ++writes;
#ifdef _WIN32
        return {ERROR_WRITE_PROTECT, std::system_category()};
#else
        return {EROFS, std::system_category()};
#endif
    }

    std::filesystem::path folder_;
    std::map<std::string, Entry> entries_;
    std::vector<Open> open_;
    std::uint64_t added_ = 0;
};

} // namespace quarvel::testing_support
