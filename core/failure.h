#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <variant>

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
};

enum class FileProblem {
    System,         // the system refused; `code` says why
    NotRegularFile, // a directory, FIFO, device or socket stands at the name
    WriteProtected, // the player made it read-only, or may not write it
    ForeignLink,    // a symbolic link that belongs to another user
    TooLarge,       // larger than any config the game runs
    OutOfMemory,    // the file did not fit into memory
    OldContentKept, // an update failed and could not be undone; `copy` holds the old content
};

struct Failure {
    FileStep step = FileStep::Write;
    FileProblem problem = FileProblem::System;
    std::filesystem::path file{};
    std::error_code code{};       // the system's error, when it gave one
    std::filesystem::path copy{}; // OldContentKept: where the old content is
};

// A failure from the system's error number.
Failure systemFailure(FileStep step, std::filesystem::path file, int error);

// A path as UTF-8 text on every system (on Linux its bytes as they are).
std::string pathText(const std::filesystem::path& path);

// Why it failed, in the words quarvel-cli prints: "it is not a regular file".
std::string reasonText(const Failure& failure);

// The failure in the words quarvel-cli prints: Could not write "FILE": REASON.
std::string describe(const Failure& failure);

// A value, or what kept the program from getting it.
template <typename T> class Expected {
public:
    Expected(T value) : state_(std::move(value)) {}
    Expected(Failure failure) : state_(std::move(failure)) {}

    [[nodiscard]] bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& operator*() { return std::get<0>(state_); }
    const T& operator*() const { return std::get<0>(state_); }
    T* operator->() { return &std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }
    [[nodiscard]] const Failure& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, Failure> state_;
};

// Nothing, or what went wrong.
using Outcome = std::optional<Failure>;

} // namespace quarvel
