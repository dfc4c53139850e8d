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
    case FileStep::Search:
        break;
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
    case FileProblem::NoSuchFolder:
        return "no such folder";
    case FileProblem::NotSteamFolder:
        return "not a Steam folder (it has no steamapps folder)";
    case FileProblem::NotHalfLifeFolder:
        return "not a Half-Life folder (it has neither hl.exe nor hl_linux)";
    case FileProblem::Syntax:
        return failure.detail;
    case FileProblem::NoLibraryList:
        return "no \"libraryfolders\" block";
    case FileProblem::NoInstallDir:
        return "no usable \"installdir\"";
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

// A file passed over while looking for games, the way compilers point at a mistake:
// "FILE:LINE:COLUMN: REASON" or "FILE: REASON".
std::string describeSearch(const Failure& failure) {
    std::string text = pathText(failure.file);
    if (failure.problem == FileProblem::Syntax) {
        text.append(":")
            .append(std::to_string(failure.line))
            .append(":")
            .append(std::to_string(failure.column));
    }
    text.append(": ");
    if (failure.problem == FileProblem::TooLarge) {
        return text.append("file is too large (" + std::to_string(failure.size) + " bytes)");
    }
    if (failure.problem == FileProblem::System) {
        text.append("cannot read the file");
        return failure.code ? text.append(": ").append(failure.code.message()) : text;
    }
    return text.append(reasonText(failure));
}

std::string describe(const Failure& failure) {
    if (failure.step == FileStep::Search) {
        return describeSearch(failure);
    }
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
