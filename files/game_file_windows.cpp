// GameFile on Windows: links of the player, the Administrators or the system are followed, the
// read-only attribute and a trial open decide what is write-protected, and a move needs no folder
// synced after it.
#include "files/game_file.h"

#include "files/open_file.h"

#include <windows.h>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

// The Administrators group and the system, which own what installers and services make: the
// counterpart of root's files on Linux.
constexpr std::string_view administrators = "S-1-5-32-544";
constexpr std::string_view localSystem = "S-1-5-18";

} // namespace

const int GameFile::maxLinkHops = 63;

std::error_code GameFile::tooManyLinks() {
    return {ERROR_CANT_RESOLVE_FILENAME, std::system_category()};
}

Expected<bool> GameFile::trustsLink(const FileLook&) {
    const IoResult<std::string> owner = file_.io->ownerOf(file_.target);
    if (!owner) {
        return failed(owner.failure());
    }
    const IoResult<std::string> user = file_.io->currentUser();
    if (!user) {
        return failed(user.failure());
    }
    return *owner == *user || *owner == administrators || *owner == localSystem;
}

Expected<void> GameFile::checkTargetWritable() {
    // Checked here: the system lets an administrator, and Wine anyone, write over it.
    if ((file_.facts.attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return failed(FileProblem::WriteProtected);
    }
    // Opened as a replace will need it, so that an ACL that denies writing, or a program that
    // holds the file without sharing it, stops the change before anything is written.
    const IoResult<OpenFile> file = OpenFile::open(*file_.io, file_.target, OpenMode::Check);
    if (!file) {
        return isSystemError(file.failure(), {ERROR_ACCESS_DENIED})
                   ? failed(FileProblem::WriteProtected)
                   : failed(file.failure());
    }
    return {};
}

Expected<void> GameFile::checkRemovable() const {
    const bool readOnly = (file_.facts.attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (file_.exists && file_.path == file_.target && readOnly) {
        Failure refused = failed(FileProblem::WriteProtected);
        refused.step = FileStep::Remove;
        return refused;
    }
    return {};
}

IoResult<> syncFolder(FileIo&, const fs::path&) {
    return {}; // a move is written through (MOVEFILE_WRITE_THROUGH); a folder has no flush
}

} // namespace quarvel
