#include "core/failure.h"

#include "core/system_words.h"
#include "core/translatable.h"
#include "core/words.h"

namespace quarvel {

std::string systemReason(const std::error_code& code) {
    std::string text = systemWords(code);
    // Windows' texts end in ".\r\n"; the sentence they go into has its own full stop.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' ||
                             text.back() == '.')) {
        text.pop_back();
    }
    return text;
}

std::string_view sentenceWords(FileStep step) {
    switch (step) {
    case FileStep::Read:
        return QVL_TRANSLATABLE("Failure", "Could not read \"%1\": %2.");
    case FileStep::Write:
    case FileStep::Search:
        break;
    case FileStep::Update:
        return QVL_TRANSLATABLE("Failure", "Could not update \"%1\": %2.");
    case FileStep::Remove:
        return QVL_TRANSLATABLE("Failure", "Could not remove \"%1\": %2.");
    case FileStep::Sync:
        return QVL_TRANSLATABLE("Failure", "Could not sync the folder \"%1\": %2.");
    case FileStep::Check:
        return QVL_TRANSLATABLE("Failure", "Could not check \"%1\": %2.");
    }
    return QVL_TRANSLATABLE("Failure", "Could not write \"%1\": %2.");
}

std::string_view reasonWords(FileProblem problem) {
    switch (problem) {
    case FileProblem::System:
    case FileProblem::OldContentKept:
    case FileProblem::Syntax:
        break;
    case FileProblem::NotRegularFile:
        return QVL_TRANSLATABLE("Failure", "it is not a regular file");
    case FileProblem::WriteProtected:
        return QVL_TRANSLATABLE("Failure", "it is write-protected");
    case FileProblem::ForeignLink:
        return QVL_TRANSLATABLE("Failure", "it is a symbolic link that belongs to another user");
    case FileProblem::InUse:
        return QVL_TRANSLATABLE("Failure", "it is in use by another program");
    case FileProblem::TooLarge:
        return QVL_TRANSLATABLE("Failure",
                                "it is larger than %1 MiB, more than any config the game runs");
    case FileProblem::OutOfMemory:
        return QVL_TRANSLATABLE("Failure", "there is not enough memory");
    case FileProblem::WouldBeTooLarge:
        return QVL_TRANSLATABLE(
            "Failure",
            "it would be larger than %1 MiB after the change, more than any config the game runs");
    case FileProblem::Busy:
    case FileProblem::CopyLeft:
    case FileProblem::GameRunning:
    case FileProblem::NoRecordMade:
        break; // whole sentences of their own
    case FileProblem::NoSuchFolder:
        return "no such folder";
    case FileProblem::NotSteamFolder:
        return "not a Steam folder (it has no steamapps folder)";
    case FileProblem::NotHalfLifeFolder:
        return "not a Half-Life folder (it has neither hl.exe nor hl_linux)";
    case FileProblem::NoLibraryList:
        return "no \"libraryfolders\" block";
    case FileProblem::NoInstallDir:
        return "no usable \"installdir\"";
    }
    return {};
}

Failure systemFailure(FileStep step, std::filesystem::path file, int error) {
    return {.step = step,
            .problem = FileProblem::System,
            .file = std::move(file),
            .code = std::error_code(error, std::system_category())};
}

namespace {

std::string words(Translator translate, std::string_view english) {
    return translate ? translate("Failure", english) : std::string(english);
}

} // namespace

std::string reasonText(const Failure& failure, Translator translate) {
    switch (failure.problem) {
    case FileProblem::System:
    case FileProblem::OldContentKept:
    case FileProblem::CopyLeft:
    case FileProblem::NoRecordMade:
        return systemReason(failure.code);
    case FileProblem::Syntax:
        return failure.detail;
    case FileProblem::TooLarge:
    case FileProblem::WouldBeTooLarge:
        return filledWords(words(translate, reasonWords(failure.problem)),
                           {std::to_string(maxConfigFileSize >> 20)});
    case FileProblem::NotRegularFile:
    case FileProblem::WriteProtected:
    case FileProblem::ForeignLink:
    case FileProblem::InUse:
    case FileProblem::OutOfMemory:
    case FileProblem::Busy:
    case FileProblem::GameRunning:
    case FileProblem::NoSuchFolder:
    case FileProblem::NotSteamFolder:
    case FileProblem::NotHalfLifeFolder:
    case FileProblem::NoLibraryList:
    case FileProblem::NoInstallDir:
        break;
    }
    return words(translate, reasonWords(failure.problem));
}

// A file passed over while looking for games, the way compilers point at a mistake:
// "FILE:LINE:COLUMN: REASON" or "FILE: REASON".
static std::string describeSearch(const Failure& failure) {
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
        return failure.code ? text.append(": ").append(systemReason(failure.code)) : text;
    }
    return text.append(reasonText(failure));
}

std::string describe(const Failure& failure, Translator translate) {
    if (failure.step == FileStep::Search) {
        return describeSearch(failure);
    }
    if (failure.problem == FileProblem::Busy) {
        return filledWords(words(translate, busyWords), {pathText(failure.file)});
    }
    if (failure.problem == FileProblem::GameRunning) {
        return words(translate, gameRunningWords);
    }
    if (failure.problem == FileProblem::NoRecordMade) {
        return filledWords(words(translate, noRecordMadeWords),
                           {pathText(failure.file), reasonText(failure, translate)});
    }
    if (failure.problem == FileProblem::CopyLeft) {
        return filledWords(
            words(translate, copyLeftWords),
            {pathText(failure.file), pathText(failure.copy), reasonText(failure, translate)});
    }
    std::string text = filledWords(words(translate, sentenceWords(failure.step)),
                                   {pathText(failure.file), reasonText(failure, translate)});
    if (failure.problem == FileProblem::OldContentKept) {
        text.append(" ").append(
            filledWords(words(translate, oldContentKeptWords), {pathText(failure.copy)}));
    }
    if (failure.done) {
        text.insert(0, filledWords(words(translate, failure.done->words), failure.done->values) +
                           ": ");
    }
    return text;
}

} // namespace quarvel
