#include "files/update_in_place.h"

#include "files/fresh_file.h"

namespace quarvel {

namespace fs = std::filesystem;

Expected<void> UpdateInPlace::write(std::string_view old, std::string_view content) {
    // Opened before the copy is made, so that a file that cannot be written stops the change first.
    IoResult<OpenFile> file = OpenFile::open(*file_.io, file_.target, OpenMode::Write);
    if (!file) {
        return file_.failedWrite(file.failure());
    }
    const Expected<fs::path> copy = keepCopy(old);
    if (!copy) {
        return copy.failure();
    }
    IoResult<> written = file->overwrite(content);
    written = written ? file->close() : written;
    if (written) {
        file_.dropCopy(*copy);
        return {};
    }
    if (putBack(*file, old)) {
        file_.dropCopy(*copy);
        return file_.failedWrite(written.failure());
    }
    Failure kept = file_.failedWrite(written.failure());
    kept.problem = FileProblem::OldContentKept;
    kept.copy = *copy;
    return kept;
}

bool UpdateInPlace::putBack(OpenFile& file, std::string_view old) {
    if (!file.isOpen()) {
        IoResult<OpenFile> reopened = OpenFile::open(*file_.io, file_.target, OpenMode::Write);
        if (!reopened) {
            return false;
        }
        file = std::move(*reopened);
    }
    const bool overwritten = file.overwrite(old).ok();
    const bool closed = file.close().ok();
    return overwritten && closed;
}

Expected<fs::path> UpdateInPlace::keepCopy(std::string_view old) {
    // Beside the file when its folder allows it, else in the folder for temporary files.
    IoResult<FreshFile> copy = createFresh(
        *file_.io, [this] { return besideName(file_.target, ".quarvel-copy-"); }, 0600, 0);
    const fs::path other = !copy && isRefused(copy.failure()) ? elsewhere() : fs::path();
    if (!other.empty()) {
        copy = createFresh(
            *file_.io, [&] { return besideName(other, ".copy-"); }, 0600, 0);
    }
    if (!copy) {
        return file_.failedWrite(copy.failure());
    }
    IoResult<> written = copy->file.writeAll(old);
    written = written ? copy->file.sync() : written;
    const IoResult<> closed = copy->file.close();
    written = written ? closed : written;
    if (!written) {
        static_cast<void>(file_.io->remove(copy->name));
        return file_.failedWrite(written.failure());
    }
    return copy->name;
}

fs::path UpdateInPlace::elsewhere() const {
    std::error_code error;
    const fs::path temporary = fs::temp_directory_path(error);
    if (error) {
        return {};
    }
    fs::path name("quarvel-");
    name += file_.target.filename().native();
    return temporary / name;
}

} // namespace quarvel
