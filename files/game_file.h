#pragma once

#include "core/failure.h"
#include "files/file_io.h"

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
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    // A regular file is there, at the name or at the end of its links.
    [[nodiscard]] bool exists() const { return exists_; }
    // Something stands at the name: the file, or a link to where it will be made.
    [[nodiscard]] bool named() const { return named_; }
    // What the system tells of the file at the end of the links, when it exists: its device and
    // index tell it from every other file, whatever name leads to it.
    [[nodiscard]] const FileLook& facts() const { return facts_; }

    // Refuses, before anything is written, a file the player may not write.
    [[nodiscard]] Expected<void> checkWritable();
    // The whole content; a file larger than `maxSize` is refused.
    [[nodiscard]] Expected<std::string> read(std::uintmax_t maxSize = maxConfigFileSize);
    // Replaces the whole content, or leaves the file as it was, and syncs it to the disk.
    [[nodiscard]] Expected<void> replace(std::string_view content);
    // Deletes the name (a link, not what it leads to).
    [[nodiscard]] Expected<void> remove();
    // After a change that was done: the safety copy of the old content that could not be deleted
    // (FileProblem::CopyLeft). The file itself is whole; the copy is only in the way.
    [[nodiscard]] const std::optional<Failure>& leftCopy() const { return leftCopy_; }

private:
    friend bool isRefusedKind(const Failure& look);

    // As many links as the system follows in one path before it gives up, and the error it gives
    // then; each system's own.
    static const int maxLinkHops;
    static std::error_code tooManyLinks();

    GameFile(FileIo& io, std::filesystem::path path, FileStep step);

    // Looks at target_: a regular file there is taken (exists_, facts_); a link that may be
    // followed gives where it leads, one more than `mayFollow` allows is a failure; nothing there
    // gives nothing.
    [[nodiscard]] Expected<std::optional<std::filesystem::path>> lookAtTarget(bool mayFollow);

    // What each system decides in its own way: which owners of a link to trust, whether the
    // existing file may be written or its name taken away, and how a whole file is replaced.
    [[nodiscard]] Expected<bool> trustsLink(const FileLook& link);
    [[nodiscard]] Expected<void> checkTargetWritable();
    [[nodiscard]] Expected<void> checkRemovable() const;
    // Whether a new file may take the existing one's place, or it is to be updated in place; a
    // new file that cannot carry what the old one has over says so with `carried`.
    [[nodiscard]] Expected<bool> canReplaceWhole() const;
    [[nodiscard]] Expected<void> writeBeside(std::string_view content, bool& carried);
    // Makes the names changed in a folder last through a power cut, where the system can.
    [[nodiscard]] std::error_code syncFolder(const std::filesystem::path& folder);

    [[nodiscard]] Failure failed(std::error_code error) const;
    [[nodiscard]] Failure failed(FileProblem problem) const;
    [[nodiscard]] Failure failedWrite(std::error_code error) const;
    // A change whose folder could not be synced afterwards: it is made, but may not last.
    [[nodiscard]] Failure failedSync(const std::filesystem::path& folder,
                                     std::error_code error) const;
    // Creates a new file for writing under a fresh name made by `name`; the name used goes to
    // `made`. The mode and attributes are create()'s.
    static std::error_code createFresh(FileIo& io,
                                       const std::function<std::filesystem::path()>& name,
                                       std::uint32_t mode, std::uint32_t attributes,
                                       std::filesystem::path& made, FileHandle& file);
    // An empty error, or the one that kept the bytes from the file.
    static std::error_code writeAll(FileIo& io, FileHandle file, std::string_view content);
    // An empty error, or the one that kept the file from holding exactly `content` on the disk.
    static std::error_code overwrite(FileIo& io, FileHandle file, std::string_view content);
    // Deletes a safety copy that is no longer needed, noting it when it stays.
    void dropCopy(const std::filesystem::path& copy);
    [[nodiscard]] Expected<void> updateInPlace(std::string_view content);
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
    FileLook facts_;
    std::optional<Failure> leftCopy_;
};

// Whether a look failed because of what stands at the name rather than because the system failed:
// no regular file, another user's link, or links in a loop or a chain longer than is followed.
bool isRefusedKind(const Failure& look);

// A failure of a file call: the system's reason, or "in use" for a file another program holds.
Failure fileFailure(FileStep step, const std::filesystem::path& file, std::error_code error);

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
