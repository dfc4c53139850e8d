#pragma once

#include "core/failure.h"
#include "files/file_io.h"
#include "files/file_target.h"

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

class GameFile {
public:
    // Looks at the file at `path`; failures are told as failures of `step`.
    static Expected<GameFile> look(FileIo& io, const std::filesystem::path& path, FileStep step);

    // The name the player knows the file by.
    [[nodiscard]] const std::filesystem::path& path() const { return file_.path; }
    // A regular file is there, at the name or at the end of its links.
    [[nodiscard]] bool exists() const { return file_.exists; }
    // Something stands at the name: the file, or a link to where it will be made.
    [[nodiscard]] bool named() const { return named_; }
    // What the system tells of the file at the end of the links, when it exists: its device and
    // index tell it from every other file, whatever name leads to it.
    [[nodiscard]] const FileLook& facts() const { return file_.facts; }

    // Refuses, before anything is written, a file the player may not write.
    [[nodiscard]] Expected<void> checkWritable();
    // The whole content; a file larger than `maxSize` is refused.
    [[nodiscard]] Expected<std::string> read(std::uintmax_t maxSize = maxConfigFileSize);
    // Replaces the whole content, or leaves the file as it was, and syncs it to the disk: by a new
    // file in its place where one fits (ReplaceWhole), else in place (UpdateInPlace).
    [[nodiscard]] Expected<void> replace(std::string_view content);
    // Deletes the name (a link, not what it leads to).
    [[nodiscard]] Expected<void> remove();
    // After a change that was done: the safety copy of the old content that could not be deleted
    // (FileProblem::CopyLeft). The file itself is whole; the copy is only in the way.
    [[nodiscard]] const std::optional<Failure>& leftCopy() const { return file_.leftCopy; }

private:
    friend bool isRefusedKind(const Failure& look);

    // As many links as the system follows in one path before it gives up, and the error it gives
    // then; each system's own.
    static const int maxLinkHops;
    static std::error_code tooManyLinks();

    GameFile(FileIo& io, std::filesystem::path path, FileStep step);

    // Looks at the target: a regular file there is taken (exists, facts); a link that may be
    // followed gives where it leads, one more than `mayFollow` allows is a failure; nothing there
    // gives nothing.
    [[nodiscard]] Expected<std::optional<std::filesystem::path>> lookAtTarget(bool mayFollow);

    // What each system decides in its own way: which owners of a link to trust, and whether the
    // existing file may be written or its name taken away.
    [[nodiscard]] Expected<bool> trustsLink(const FileLook& link);
    [[nodiscard]] Expected<void> checkTargetWritable();
    [[nodiscard]] Expected<void> checkRemovable() const;
    [[nodiscard]] Expected<void> updateInPlace(std::string_view content);

    [[nodiscard]] Failure failed(std::error_code error) const;
    [[nodiscard]] Failure failed(FileProblem problem) const;

    FileTarget file_;
    bool named_ = false;
};

// Whether a look failed because of what stands at the name rather than because the system failed:
// no regular file, another user's link, or links in a loop or a chain longer than is followed.
bool isRefusedKind(const Failure& look);

// The game folder itself: one that is not there, or is no folder, is a failure of the step, so that
// a mistyped folder is not taken for one where nothing is installed.
inline Expected<void> lookAtFolder(const std::filesystem::path& folder, FileStep step) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(folder, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        error = std::make_error_code(std::errc::no_such_file_or_directory);
    } else if (!error && status.type() != std::filesystem::file_type::directory) {
        error = std::make_error_code(std::errc::not_a_directory);
    }
    if (!error) {
        return {};
    }
    return Failure{.step = step, .problem = FileProblem::System, .file = folder, .code = error};
}

// Feeds a config file to `consume` piece by piece. Only a regular file is read: a FIFO, device,
// socket or directory is refused at once, before it could block or never end.
Expected<void> readInPieces(FileIo& io, const std::filesystem::path& file,
                            const std::function<void(std::string_view)>& consume);

} // namespace quarvel
