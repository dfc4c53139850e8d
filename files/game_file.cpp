// What reading and replacing a game file does alike on every system: the look that follows links,
// reading, choosing how a file is replaced, and removing it.

#include "files/game_file.h"

#include "files/open_file.h"
#include "files/replace_whole.h"
#include "files/update_in_place.h"

#include <algorithm>
#include <array>
#include <new>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

// Hands what is left of an open file to `consume` piece by piece, to the end or until `consume`
// says stop.
IoResult<> readPieces(OpenFile& file, const std::function<bool(std::string_view)>& consume) {
    std::array<char, 65536> buffer{};
    for (;;) {
        const IoResult<std::size_t> got = file.read(buffer.data(), buffer.size());
        if (!got) {
            return got.failure();
        }
        if (*got == 0 || !consume({buffer.data(), *got})) {
            return {};
        }
    }
}

// Reads what is left of an open file, refusing more than maxSize bytes.
Expected<std::string> readRest(OpenFile& file, std::uint64_t expected, std::uintmax_t maxSize,
                               const Failure& tooLarge, const Failure& noMemory,
                               const std::function<Failure(std::error_code)>& failed) {
    try {
        std::string content;
        content.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(expected, maxSize)));
        bool grew = false;
        const IoResult<> read = readPieces(file, [&](std::string_view piece) {
            grew = content.size() + piece.size() > maxSize; // it grew while it was read
            if (!grew) {
                content.append(piece);
            }
            return !grew;
        });
        if (!read) {
            return failed(read.failure());
        }
        if (grew) {
            return tooLarge;
        }
        return content;
    } catch (const std::bad_alloc&) {
        return noMemory;
    }
}

} // namespace

bool isRefusedKind(const Failure& look) {
    return look.problem == FileProblem::NotRegularFile ||
           look.problem == FileProblem::ForeignLink ||
           (look.problem == FileProblem::System && look.code == GameFile::tooManyLinks());
}

GameFile::GameFile(FileIo& io, fs::path path, FileStep step)
    : file_{.io = &io, .path = path, .target = path, .step = step} {}

Failure GameFile::failed(std::error_code error) const {
    return fileFailure(file_.step, file_.path, error);
}

Failure GameFile::failed(FileProblem problem) const {
    return {.step = file_.step, .problem = problem, .file = file_.path};
}

Expected<GameFile> GameFile::look(FileIo& io, const fs::path& path, FileStep step) {
    GameFile file(io, path, step);
    for (int hop = 0;; ++hop) {
        auto link = file.lookAtTarget(hop < maxLinkHops);
        if (!link) {
            return link.failure();
        }
        if (!*link) {
            file.named_ = file.file_.exists || hop > 0; // a dangling link still names the file
            return file;
        }
        const fs::path& target = file.file_.target;
        file.file_.target = (*link)->is_absolute() ? **link : target.parent_path() / **link;
    }
}

Expected<std::optional<fs::path>> GameFile::lookAtTarget(bool mayFollow) {
    const IoResult<FileLook> info = file_.io->lookAt(file_.target);
    if (!info) {
        if (!isMissing(info.failure())) {
            return failed(info.failure());
        }
        return std::optional<fs::path>();
    }
    if (info->kind == FileKind::Link || info->kind == FileKind::FolderLink) {
        const Expected<bool> trusted = trustsLink(*info);
        if (!trusted) {
            return trusted.failure();
        }
        if (!*trusted) {
            Failure refused = failed(FileProblem::ForeignLink);
            refused.file = file_.target;
            return refused;
        }
        if (info->kind == FileKind::FolderLink) {
            return failed(FileProblem::NotRegularFile);
        }
        if (!mayFollow) {
            return failed(tooManyLinks());
        }
        const IoResult<fs::path> next = file_.io->readLink(file_.target);
        if (!next) {
            return failed(next.failure());
        }
        return std::optional<fs::path>(*next);
    }
    if (info->kind != FileKind::Regular) {
        return failed(FileProblem::NotRegularFile);
    }
    file_.exists = true;
    file_.facts = *info;
    return std::optional<fs::path>();
}

Expected<void> GameFile::checkWritable() {
    if (!file_.exists) {
        return {}; // a new file: its folder decides when the file is made
    }
    return checkTargetWritable();
}

Expected<std::string> GameFile::read(std::uintmax_t maxSize) {
    if (!file_.exists) {
        return std::string();
    }
    const auto failedRead = [this](std::error_code error) {
        return fileFailure(FileStep::Read, file_.path, error);
    };
    IoResult<OpenFile> file = OpenFile::open(*file_.io, file_.target, OpenMode::Read);
    if (!file) {
        return failedRead(file.failure());
    }
    const IoResult<FileLook> info = file->look();
    if (!info) {
        return failedRead(info.failure());
    }
    Failure tooLarge = failed(FileProblem::TooLarge);
    Failure noMemory = failed(FileProblem::OutOfMemory);
    Failure notRegular = failed(FileProblem::NotRegularFile);
    tooLarge.step = noMemory.step = notRegular.step = FileStep::Read;
    const bool regular = info->kind == FileKind::Regular;
    if (regular) {
        file_.facts = *info;
    }
    return !regular ? Expected<std::string>(notRegular)
           : file_.facts.size > maxSize
               ? Expected<std::string>(tooLarge)
               : readRest(*file, file_.facts.size, maxSize, tooLarge, noMemory, failedRead);
}

Expected<void> GameFile::replace(std::string_view content) {
    if (file_.exists) {
        const Expected<bool> whole = ReplaceWhole::fits(file_);
        if (!whole) {
            return whole.failure();
        }
        if (!*whole) {
            return updateInPlace(content);
        }
    }
    const Expected<bool> replaced = ReplaceWhole(file_).write(content);
    if (!replaced) {
        return replaced.failure();
    }
    return *replaced ? Expected<void>() : updateInPlace(content);
}

Expected<void> GameFile::updateInPlace(std::string_view content) {
    const Expected<std::string> old = read(maxConfigFileSize);
    if (!old) {
        return old.failure();
    }
    return UpdateInPlace(file_).write(*old, content);
}

Expected<void> GameFile::remove() {
    if (!named_) {
        return {};
    }
    if (Expected<void> removable = checkRemovable(); !removable) {
        return removable;
    }
    if (const IoResult<> removed = file_.io->remove(file_.path); !removed) {
        return fileFailure(FileStep::Remove, file_.path, removed.failure());
    }
    const fs::path folder = file_.path.parent_path();
    if (const IoResult<> synced = syncFolder(*file_.io, folder); !synced) {
        return file_.failedSync(folder, synced.failure()); // the name is gone; that may not last
    }
    named_ = file_.exists = false;
    return {};
}

Expected<void> readInPieces(FileIo& io, const fs::path& file,
                            const std::function<void(std::string_view)>& consume) {
    const auto failed = [&](std::error_code error) {
        return fileFailure(FileStep::Read, file, error);
    };
    const Failure notRegular{
        .step = FileStep::Read, .problem = FileProblem::NotRegularFile, .file = file};
    IoResult<OpenFile> opened = OpenFile::open(io, file, OpenMode::ReadThrough);
    if (!opened) {
        return isNoFile(opened.failure()) ? notRegular : failed(opened.failure());
    }
    // A FIFO, a pipe, the console or a device could block or never end.
    const IoResult<FileLook> info = opened->look();
    if (!info) {
        return failed(info.failure());
    }
    if (info->kind != FileKind::Regular) {
        return notRegular;
    }
    const IoResult<> read = readPieces(*opened, [&](std::string_view piece) {
        consume(piece);
        return true;
    });
    if (!read) {
        return failed(read.failure());
    }
    return {};
}

} // namespace quarvel
