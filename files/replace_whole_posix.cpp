// ReplaceWhole on Linux: the new file takes over the old one's owner, group, permission bits, ACL
// entries and extended attributes, is synced and closed, and is renamed over it; then the folder
// is synced, so that the rename lasts.
#include "files/replace_whole.h"

#include "files/fresh_file.h"
#include "files/open_file.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

bool memberOf(gid_t group) {
    if (group == ::getegid()) {
        return true;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(count, 0), group) !=
           groups.begin() + std::max(count, 0);
}

// Gives the new file the owner, permission bits, ACL and extended attributes of the old one.
// False when a file system or a policy keeps the new file from taking them.
IoResult<bool> carryOver(FileIo& io, OpenFile& file, const FileTarget& old) {
    const IoResult<FileLook> made = file.look();
    if (!made) {
        return made.failure();
    }
    if (made->owner != old.facts.owner || made->group != old.facts.group) {
        const IoResult<> owned = io.setOwner(file.handle(), old.facts.owner, old.facts.group);
        if (!owned) {
            return isSystemError(owned.failure(), {EPERM}) ? IoResult<bool>(false)
                                                           : owned.failure();
        }
    }
    if (const IoResult<> moded = io.setMode(file.handle(), old.facts.mode & 07777); !moded) {
        return moded.failure();
    }
    IoResult<OpenFile> from = OpenFile::open(io, old.target, OpenMode::Read);
    if (!from) {
        return from.failure();
    }
    const IoResult<> copied = io.copyAttributes(from->handle(), file.handle());
    static_cast<void>(from->close());
    if (!copied) {
        return isSystemError(copied.failure(), {EPERM, ENOTSUP, EOPNOTSUPP}) ? IoResult<bool>(false)
                                                                             : copied.failure();
    }
    return true;
}

} // namespace

Expected<bool> ReplaceWhole::fits(const FileTarget& file) {
    // A new file in the old one's place can only take over what the player could give it himself,
    // and only this name: other hard links would keep the old content.
    const uid_t user = ::geteuid();
    const FileLook& facts = file.facts;
    if (facts.links != 1 || (user != 0 && (facts.owner != user || !memberOf(facts.group)))) {
        return false;
    }
    const fs::path folder = file.target.parent_path().empty() ? "." : file.target.parent_path();
    const IoResult<FileLook> info = file.io->lookAt(folder / "."); // the folder itself, not a link
    if (!info) {
        return fileFailure(file.step, file.path, info.failure());
    }
    if ((info->mode & S_ISVTX) != 0) {
        return false; // in a sticky folder, a rename is not the owner's alone to make
    }
    return file.io->mayWrite(folder).ok();
}

Expected<bool> ReplaceWhole::write(std::string_view content) {
    // Beside the target, so that the rename never crosses a file system. A new file is made with
    // the mode the umask gives it; a replacement is private until it has the old file's owner
    // and permissions.
    FileIo& io = *file_.io;
    IoResult<FreshFile> fresh = createFresh(
        io, [this] { return besideName(file_.target, ""); }, file_.exists ? 0600 : 0666, 0);
    if (!fresh) {
        return file_.failedWrite(fresh.failure());
    }
    OpenFile& file = fresh->file;
    // What was made goes again when it does not take the old file's place.
    const auto drop = [&] {
        static_cast<void>(file.close());
        static_cast<void>(io.remove(fresh->name));
    };
    if (file_.exists) {
        const IoResult<bool> carried = carryOver(io, file, file_);
        if (!carried || !*carried) {
            drop();
            return carried ? Expected<bool>(false) : file_.failedWrite(carried.failure());
        }
    }
    IoResult<> written = file.writeAll(content);
    written = written ? file.sync() : written;
    written = written ? file.close() : written;
    written = written ? io.rename(fresh->name, file_.target) : written;
    if (!written) {
        drop();
        return file_.failedWrite(written.failure());
    }
    const fs::path folder = file_.target.parent_path();
    if (const IoResult<> synced = syncFolder(io, folder); !synced) {
        return file_.failedSync(folder, synced.failure());
    }
    return true;
}

} // namespace quarvel
