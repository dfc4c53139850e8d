// GameFile on Linux: links of the player or root are followed, the kernel's access check and a
// file without write bits decide what is write-protected, and a folder is synced after a name in
// it changed.
#include "files/game_file.h"

#include "files/open_file.h"

#include <cerrno>

#include <unistd.h>

namespace quarvel {

namespace fs = std::filesystem;

const int GameFile::maxLinkHops = 40;

std::error_code GameFile::tooManyLinks() {
    return {ELOOP, std::system_category()};
}

Expected<bool> GameFile::trustsLink(const FileLook& link) {
    // Like the kernel's protected_symlinks rule and sudoedit: a link someone else planted in a
    // shared folder must not steer a write into a file of his choosing.
    return link.owner == ::geteuid() || link.owner == 0;
}

Expected<void> GameFile::checkTargetWritable() {
    if (const IoResult<> writable = file_.io->mayWrite(file_.target); !writable) {
        return isSystemError(writable.failure(), {EACCES, EPERM})
                   ? failed(FileProblem::WriteProtected)
                   : failed(writable.failure());
    }
    // Root may write anything; a file without a single write bit was made read-only on purpose.
    if (::geteuid() == 0 && (file_.facts.mode & 0222) == 0) {
        return failed(FileProblem::WriteProtected);
    }
    return {};
}

Expected<void> GameFile::checkRemovable() const {
    return {}; // the folder decides, as it does for any name in it
}

IoResult<> syncFolder(FileIo& io, const fs::path& folder) {
    IoResult<OpenFile> opened = OpenFile::open(io, folder.empty() ? "." : folder, OpenMode::Folder);
    if (!opened) {
        return opened.failure();
    }
    // Some file systems cannot sync a folder and say EINVAL; the rename is as durable as they get.
    const IoResult<> synced = opened->sync();
    if (!synced && !isSystemError(synced.failure(), {EINVAL})) {
        return synced.failure();
    }
    return {};
}

} // namespace quarvel
