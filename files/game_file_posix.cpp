// GameFile on Linux: links of the player or root are followed, the kernel's access check and a
// file without write bits decide what is write-protected, and a file is replaced by a synced new
// file renamed over it, which takes over the old one's owner, mode, ACL and extended attributes.
#include "files/game_file.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

std::error_code errnoCode(int error) {
    return {error, std::system_category()};
}

bool isErrno(const std::error_code& error, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), error.value()) != values.end();
}

bool memberOf(gid_t group) {
    if (group == ::getegid()) {
        return true;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(count, 0), group) !=
           groups.begin() + std::max(count, 0);
}

} // namespace

const int GameFile::maxLinkHops = 40;

std::error_code GameFile::tooManyLinks() {
    return errnoCode(ELOOP);
}

Expected<bool> GameFile::trustsLink(const FileLook& link) {
    // Like the kernel's protected_symlinks rule and sudoedit: a link someone else planted in a
    // shared folder must not steer a write into a file of his choosing.
    return link.owner == ::geteuid() || link.owner == 0;
}

Expected<void> GameFile::checkTargetWritable() {
    if (const auto error = io_->mayWrite(target_)) {
        return isErrno(error, {EACCES, EPERM}) ? failed(FileProblem::WriteProtected)
                                               : failed(error);
    }
    // Root may write anything; a file without a single write bit was made read-only on purpose.
    if (::geteuid() == 0 && (facts_.mode & 0222) == 0) {
        return failed(FileProblem::WriteProtected);
    }
    return {};
}

Expected<void> GameFile::checkRemovable() const {
    return {}; // the folder decides, as it does for any name in it
}

std::error_code GameFile::syncFolder(const fs::path& folder) {
    FileHandle handle{};
    if (const auto error = io_->open(folder.empty() ? "." : folder, OpenMode::Folder, handle)) {
        return error;
    }
    // Some file systems cannot sync a folder and say EINVAL; the rename is as durable as they get.
    std::error_code error = io_->sync(handle);
    if (isErrno(error, {EINVAL})) {
        error.clear();
    }
    io_->close(handle);
    return error;
}

Expected<bool> GameFile::canReplaceWhole() const {
    // A new file in the old one's place can only take over what the player could give it himself,
    // and only this name: other hard links would keep the old content.
    const uid_t user = ::geteuid();
    if (facts_.links != 1 || (user != 0 && (facts_.owner != user || !memberOf(facts_.group)))) {
        return false;
    }
    const fs::path folder = target_.parent_path().empty() ? "." : target_.parent_path();
    FileLook info;
    if (const auto error = io_->lookAt(folder / ".", info)) { // the folder itself, not a link
        return failed(error);
    }
    if ((info.mode & S_ISVTX) != 0) {
        return false; // in a sticky folder, a rename is not the owner's alone to make
    }
    return !io_->mayWrite(folder);
}

Expected<void> GameFile::writeBeside(std::string_view content, bool& carried) {
    // Beside the target, so that the rename never crosses a file system. A new file is made with
    // the mode the umask gives it; a replacement is private until it has the old file's owner
    // and permissions.
    fs::path temp;
    FileHandle file{};
    if (const auto error = createFresh(
            *io_, [this] { return besideName(target_, ""); }, exists_ ? 0600 : 0666, 0, temp,
            file)) {
        return failedWrite(error);
    }
    bool open = true;
    // An empty error: the new file cannot carry over what the old one has.
    const auto fail = [&](std::error_code error) -> Expected<void> {
        if (open) {
            io_->close(file);
        }
        io_->remove(temp);
        if (!error) {
            carried = false;
            return {};
        }
        return failedWrite(error);
    };
    if (exists_) {
        FileLook info;
        if (const auto error = io_->look(file, info)) {
            return fail(error);
        }
        if (info.owner != facts_.owner || info.group != facts_.group) {
            if (const auto error = io_->setOwner(file, facts_.owner, facts_.group)) {
                return fail(isErrno(error, {EPERM}) ? std::error_code() : error);
            }
        }
        if (const auto error = io_->setMode(file, facts_.mode & 07777)) {
            return fail(error);
        }
        FileHandle old{};
        if (const auto error = io_->open(target_, OpenMode::Read, old)) {
            return fail(error);
        }
        const std::error_code copied = io_->copyAttributes(old, file);
        io_->close(old);
        if (copied) {
            // A file system or a policy that cannot give the new file what the old one has.
            const bool cannotCarry = isErrno(copied, {EPERM, ENOTSUP, EOPNOTSUPP});
            return fail(cannotCarry ? std::error_code() : copied);
        }
    }
    std::error_code error = writeAll(*io_, file, content);
    if (error || (error = io_->sync(file))) {
        return fail(error);
    }
    open = false;
    if ((error = io_->close(file)) || (error = io_->rename(temp, target_))) {
        return fail(error);
    }
    if ((error = syncFolder(target_.parent_path()))) {
        return failedSync(target_.parent_path(), error);
    }
    return {};
}

} // namespace quarvel
