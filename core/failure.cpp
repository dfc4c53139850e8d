#include "core/failure.h"

namespace quarvel {

namespace {

std::string_view verb(FileStep step) {
    switch (step) {
    case FileStep::Read:
        return "read";
    case FileStep::Write:
        return "write";
    case FileStep::Update:
        return "update";
    case FileStep::Remove:
        return "remove";
    }
    return "write";
}

std::string reasonOf(const Failure& failure) {
    switch (failure.problem) {
    case FileProblem::System:
    case FileProblem::OldContentKept:
        return failure.code.message();
    case FileProblem::NotRegularFile:
        return "it is not a regular file";
    case FileProblem::WriteProtected:
        return "it is write-protected";
    case FileProblem::ForeignLink:
        return "it is a symbolic link that belongs to another user";
    case FileProblem::TooLarge:
        return "it is larger than " + std::to_string(maxConfigFileSize >> 20) +
               " MiB, more than any config the game runs";
    case FileProblem::OutOfMemory:
        return "there is not enough memory";
    }
    return {};
}

} // namespace

Failure systemFailure(FileStep step, std::filesystem::path file, int error) {
    return {.step = step,
            .problem = FileProblem::System,
            .file = std::move(file),
            .code = std::error_code(error, std::system_category())};
}

std::string reasonText(const Failure& failure) {
    return reasonOf(failure);
}

std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::string describe(const Failure& failure) {
    std::string text = "Could not ";
    text.append(verb(failure.step))
        .append(" \"")
        .append(pathText(failure.file))
        .append("\": ")
        .append(reasonText(failure))
        .append(".");
    if (failure.problem == FileProblem::OldContentKept) {
        text.append(" Its old content is kept in \"").append(pathText(failure.copy)).append("\".");
    }
    return text;
}

} // namespace quarvel
