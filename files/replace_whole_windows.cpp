// ReplaceWhole on Windows: the new file is flushed and closed beside the old one, and ReplaceFileW
// puts it in its place, keeping the old file's ACL and streams (the hidden and system attributes
// are given to the new file when it is made); a new file is moved into place.
#include "files/replace_whole.h"

#include "files/fresh_file.h"
#include "files/open_file.h"

#include <windows.h>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

// What a replacement takes over from the file it replaces besides what ReplaceFileW carries.
constexpr std::uint32_t keptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A fresh name that nothing stands at yet.
IoResult<fs::path> freeName(FileIo& io, const std::function<fs::path()>& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path found = name();
        const IoResult<FileLook> there = io.lookAt(found);
        if (!there) {
            if (isMissing(there.failure())) {
                return found;
            }
            return there.failure();
        }
    }
    return std::error_code(ERROR_FILE_EXISTS, std::system_category());
}

// ReplaceFileW without a name for the old file may lose it on a late failure; with one, the old
// file is either back at its name or at the backup name. The new file, closed, is at `replacement`.
Expected<bool> replaceOld(FileTarget& file, const fs::path& replacement) {
    FileIo& io = *file.io;
    const IoResult<fs::path> backup =
        freeName(io, [&] { return besideName(file.target, ".quarvel-old-"); });
    if (!backup) {
        static_cast<void>(io.remove(replacement));
        return file.failedWrite(backup.failure());
    }
    if (const IoResult<> replaced = io.replace(file.target, replacement, *backup); !replaced) {
        const IoResult<FileLook> atTarget = io.lookAt(file.target);
        const bool moved = !atTarget && isMissing(atTarget.failure()) && io.lookAt(*backup).ok();
        Failure failed = file.failedWrite(replaced.failure());
        if (moved && !io.rename(*backup, file.target)) {
            failed.problem = FileProblem::OldContentKept;
            failed.copy = *backup;
        }
        static_cast<void>(io.remove(replacement));
        return failed;
    }
    file.dropCopy(*backup);
    return true;
}

} // namespace

Expected<bool> ReplaceWhole::fits(const FileTarget& file) {
    // A new file in the place of one with other names would leave them the old content.
    return file.facts.links <= 1;
}

Expected<bool> ReplaceWhole::write(std::string_view content) {
    // Beside the target, so that the move never crosses a volume.
    FileIo& io = *file_.io;
    const std::uint32_t attributes = file_.exists ? file_.facts.attributes & keptAttributes : 0;
    IoResult<FreshFile> fresh = createFresh(
        io, [this] { return besideName(file_.target, ""); }, 0, attributes);
    if (!fresh) {
        return file_.failedWrite(fresh.failure());
    }
    OpenFile& file = fresh->file;
    IoResult<> written = file.writeAll(content);
    written = written ? file.sync() : written;
    written = written ? file.close() : written;
    if (written && !file_.exists) {
        written = io.rename(fresh->name, file_.target);
    }
    if (!written) {
        static_cast<void>(file.close());
        static_cast<void>(io.remove(fresh->name));
        return file_.failedWrite(written.failure());
    }
    return file_.exists ? replaceOld(file_, fresh->name) : Expected<bool>(true);
}

} // namespace quarvel
