#include "files/file_target.h"

namespace quarvel {

namespace fs = std::filesystem;

Failure fileFailure(FileStep step, const fs::path& file, std::error_code error) {
    Failure failure = systemFailure(step, file, error.value());
    if (isInUse(error)) {
        failure.problem = FileProblem::InUse; // the game or an editor has it open
    }
    return failure;
}

Failure FileTarget::failedWrite(std::error_code error) const {
    return fileFailure(FileStep::Write, path, error);
}

Failure FileTarget::failedSync(const fs::path& folder, std::error_code error) const {
    return systemFailure(FileStep::Sync, folder.empty() ? fs::path(".") : folder, error.value());
}

void FileTarget::dropCopy(const fs::path& copy) {
    if (const IoResult<> removed = io->remove(copy); !removed) {
        leftCopy = Failure{.step = FileStep::Remove,
                           .problem = FileProblem::CopyLeft,
                           .file = path,
                           .code = removed.failure(),
                           .copy = copy};
    }
}

} // namespace quarvel
