#pragma once

#include "core/expected.h"
#include "core/paths.h"
#include "core/translatable.h"
#include "core/words.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

// What went wrong with a file, as data: which file, what the program was doing with it and why.
// The command line and the windows each put it into words of their own.
namespace quarvel {

// No config the game runs comes near this size; a larger autoexec.cfg is no config, and reading
// it whole could take any amount of memory.
inline constexpr std::uintmax_t maxConfigFileSize = std::uintmax_t{16} << 20;

enum class FileStep {
    Read,   // reading a file that is there
    Write,  // writing a file, new or replaced
    Update, // changing a file of the player's in place of the old one
    Remove, // deleting a file
    Search, // looking for games: a Steam file or folder that was passed over
    Sync,   // making a change last through a power cut: syncing the folder it was made in
    Check,  // checking a game folder: reading it, or holding it against another Quarvel
};

enum class FileProblem {
    System,          // the system refused; `code` says why
    NotRegularFile,  // a directory, FIFO, device or socket stands at the name
    WriteProtected,  // the player made it read-only, or may not write it
    ForeignLink,     // a symbolic link that belongs to another user
    InUse,           // another program holds it open and shares it with nobody (Windows)
    TooLarge,        // larger than any config the game runs
    OutOfMemory,     // the file did not fit into memory
    OldContentKept,  // an update failed and could not be undone; `copy` holds the old content
    WouldBeTooLarge, // a change would make it larger than any config the game runs
    Busy,            // another Quarvel is changing the folder (`file`) right now
    CopyLeft,        // changed, but the copy of its old content (`copy`) could not be deleted
    GameRunning,     // the game runs, and would write its settings over the file when it quits
    NoRecordMade,    // the record of the settings before an install (`file`) could not be made
    // While looking for games:
    NoSuchFolder,      // a folder given to search is not there
    NotSteamFolder,    // it has no steamapps folder
    NotHalfLifeFolder, // it has neither hl.exe nor hl_linux
    Syntax,            // a Steam file that cannot be read as KeyValues; `detail` says why
    NoLibraryList,     // libraryfolders.vdf without its "libraryfolders" block
    NoInstallDir,      // an app manifest without a usable "installdir"
};

struct Failure {
    FileStep step = FileStep::Write;
    FileProblem problem = FileProblem::System;
    std::filesystem::path file{};
    std::error_code code{};       // the system's error, when it gave one
    std::filesystem::path copy{}; // OldContentKept: where the old content is
    std::size_t line = 0;         // Syntax: where in the file, from 1
    std::size_t column = 0;
    std::string detail{};    // Syntax: what is wrong there
    std::uintmax_t size = 0; // TooLarge while searching: the file's size
    // What an install or uninstall had done before it failed, when it had done anything: the
    // files it leaves, told before the failure.
    std::optional<Sentence> done{};
};

// A failure from the system's error number.
Failure systemFailure(FileStep step, std::filesystem::path file, int error);

// The words failures are told in, with %1 and %2 for what fills them in: a sentence per step
// ("Could not read \"%1\": %2." with the file and the reason), a reason per problem (empty where
// the system's words or the parser's are the reason), and what follows when a copy was kept.
std::string_view sentenceWords(FileStep step);
std::string_view reasonWords(FileProblem problem);
inline constexpr std::string_view oldContentKeptWords =
    QVL_TRANSLATABLE("Failure", "Its old content is kept in \"%1\".");
// Busy, with the folder.
inline constexpr std::string_view busyWords =
    QVL_TRANSLATABLE("Failure", "Another Quarvel is changing %1; try again when it is done.");
// GameRunning: the game writes config.cfg from what it holds when it quits.
inline constexpr std::string_view gameRunningWords =
    QVL_TRANSLATABLE("Failure", "Close the game first: it saves its settings when it quits");
// NoRecordMade, with the file and the system's reason.
inline constexpr std::string_view noRecordMadeWords = QVL_TRANSLATABLE(
    "Failure", "\"%1\" could not be made: %2. The tweaks were installed, but Remove cannot put "
               "back the settings the game saves from quarvel.cfg.");
// CopyLeft, with the file, the copy and the system's reason.
inline constexpr std::string_view copyLeftWords = QVL_TRANSLATABLE(
    "Failure", "\"%1\" was changed, but its safety copy \"%2\" could not be deleted: %3.");

// The system's own words for an error, without a closing full stop; UTF-8 on every system.
std::string systemReason(const std::error_code& code);

// Gives a text the engine marked translatable ("Failure" is the context of every one here) in the
// reader's language, as UTF-8. quarvel-cli keeps them English: no translator.
using Translator = std::string (*)(std::string_view context, std::string_view english);

// Why it failed, in the words quarvel-cli prints: "it is not a regular file".
std::string reasonText(const Failure& failure, Translator translate = nullptr);

// The failure in the words quarvel-cli prints: Could not write "FILE": REASON. What was done
// before it, when anything was, goes first: "quarvel.cfg was written, but ...: Could not ...".
// The windows give a translator and show the same sentence in the player's language.
std::string describe(const Failure& failure, Translator translate = nullptr);

} // namespace quarvel
