#pragma once

#include "config/file_io.h"
#include "core/failure.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// A file in a game directory that Quarvel reads and may replace: autoexec.cfg, userconfig.cfg or
// quarvel.cfg. Everything that could make a write unsafe is found out by looking at the file first,
// before anything is written, so that a refused change changes nothing:
// - only "it does not exist" means missing; every other error of a look is a failure;
// - a symbolic link (on Windows also a junction) is followed only when it belongs to the player or
//   to root (on Windows to the Administrators or the system);
// - what is no regular file is never replaced, and a file the player may not write, or has made
//   read-only, is refused; on Windows so is a file another program holds open without sharing.
// A replaced file keeps its owner, group, permission bits, ACL entries and extended attributes (on
// Windows its ACL, streams and hidden and system attributes) and stays a hard link when it is one.
namespace quarvel {

// What a look found out about an existing file.
struct FileFacts {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
    std::uint32_t mode = 0;
    std::uint64_t links = 1;
    std::uint32_t attributes = 0; // Windows: FILE_ATTRIBUTE_*
};

class GameFile {
public:
    // Looks at the file at `path`; failures are told as failures of `step`.
    static Expected<GameFile> look(FileIo& io, const std::filesystem::path& path, FileStep step);

    // The name the player knows the file by.
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    // A regular file is there, at the name or at the end of its links.
    [[nodiscard]] bool exists() const { return exists_; }
    // Something stands at the name: the file, or a link to where it will be made.
    [[nodiscard]] bool named() const { return named_; }

    // Refuses, before anything is written, a file the player may not write.
    [[nodiscard]] Outcome checkWritable();
    // The whole content; a file larger than `maxSize` is refused.
    [[nodiscard]] Expected<std::string> read(std::uintmax_t maxSize = maxConfigFileSize);
    // Replaces the whole content, or leaves the file as it was, and syncs it to the disk.
    [[nodiscard]] Outcome replace(std::string_view content);
    // Deletes the name (a link, not what it leads to).
    [[nodiscard]] Outcome remove();
    // After a change that was done: the safety copy of the old content that could not be deleted
    // (FileProblem::CopyLeft). The file itself is whole; the copy is only in the way.
    [[nodiscard]] const std::optional<Failure>& leftCopy() const { return leftCopy_; }

private:
    // As many links as the system follows in one path before it gives up.
#ifdef _WIN32
    static constexpr int maxLinkHops = 63;
#else
    static constexpr int maxLinkHops = 40;
#endif

    GameFile(FileIo& io, std::filesystem::path path, FileStep step);

    // Looks at target_: a regular file there is taken (exists_, facts_); a link that may be
    // followed gives where it leads, one more than `mayFollow` allows is a failure; nothing there
    // gives nothing. Each system has its own.
    [[nodiscard]] Expected<std::optional<std::filesystem::path>> lookAtTarget(bool mayFollow);
    // Whether the existing file may be written, and taking its name away; each system's own.
    [[nodiscard]] Outcome checkTargetWritable();
    [[nodiscard]] Outcome removeName();

    [[nodiscard]] Failure failed(int error) const;
    [[nodiscard]] Failure failed(FileProblem problem) const;
    [[nodiscard]] Failure failedWrite(int error) const;
    // A change whose folder could not be synced afterwards: it is made, but may not last.
    [[nodiscard]] Failure failedSync(const std::filesystem::path& folder, int error) const;
    // Deletes a safety copy that is no longer needed, noting it when it stays.
    void dropCopy(const std::filesystem::path& copy);
#ifdef _WIN32
    [[nodiscard]] Outcome writeBeside(std::string_view content);
#else
    [[nodiscard]] Expected<bool> canReplaceByRename() const;
    [[nodiscard]] Outcome writeBeside(std::string_view content, bool& carried);
#endif
    [[nodiscard]] Outcome updateInPlace(std::string_view content);
    [[nodiscard]] Expected<std::filesystem::path> keepCopy(std::string_view content);
    // Where a copy of the old content goes when the file's own folder takes no new file: in the
    // folder for temporary files. Empty when there is none (TMPDIR naming a missing folder, say).
    [[nodiscard]] std::filesystem::path elsewhere() const;
    // A name for a new file beside `file`, unlikely to be taken: ".autoexec.cfg.Xf3k9Q".
    static std::filesystem::path besideName(const std::filesystem::path& file,
                                            std::string_view kind);

    FileIo* io_;
    std::filesystem::path path_;   // as the player names it
    std::filesystem::path target_; // the file a write lands in, links followed
    FileStep step_;
    bool exists_ = false;
    bool named_ = false;
    FileFacts facts_;
    std::optional<Failure> leftCopy_;
};

// Whether a look failed because of what stands at the name rather than because the system failed:
// no regular file, another user's link, or links in a loop or a chain longer than is followed.
bool isRefusedKind(const Failure& look);

// The game folder itself: one that is not there, or is no folder, is a failure of the step, so that
// a mistyped folder is not taken for one where nothing is installed.
inline Outcome lookAtFolder(const std::filesystem::path& folder, FileStep step) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(folder, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        error = std::make_error_code(std::errc::no_such_file_or_directory);
    } else if (!error && status.type() != std::filesystem::file_type::directory) {
        error = std::make_error_code(std::errc::not_a_directory);
    }
    if (!error) {
        return std::nullopt;
    }
    return Failure{.step = step, .problem = FileProblem::System, .file = folder, .code = error};
}

// Feeds a config file to `consume` piece by piece. Only a regular file is read: a FIFO, device,
// socket or directory is refused at once, before it could block or never end.
Outcome readInPieces(FileIo& io, const std::filesystem::path& file,
                     const std::function<void(std::string_view)>& consume);

} // namespace quarvel
