#pragma once

#include "config/file_io.h"
#include "config/known_cvars.h"
#include "core/engine.h"
#include "core/failure.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Loading a config file into the editors, in two phases: reading records the last value of every
// known cvar in the file; applying then sets the editors in the order of the known-cvar list.
namespace quarvel {

// A value in double quotes (the game writes its config.cfg so) loses one pair of quotes.
inline constexpr char valueQuote = '"';

// The game's console takes lines of at most 1024 bytes, so a longer value was never a setting the
// game read. Its line is passed over, which keeps what a load holds small however large the file.
inline constexpr std::size_t maxValueLength = 1024;

// What one load read: for each known cvar, in the order of the known-cvar list, whether its file
// set it and the value of the last line that did. Each load starts from nothing.
struct LoadedValues {
    std::array<bool, knownCvars.size()> cvarFound{};
    std::array<std::string, knownCvars.size()> cvarValue{};
};

// The reading phase, fed the file's bytes in pieces of any size. Keeps only what a line needs:
// its head while it may still be a known cvar, and the value of a known one.
class ConfigReader {
public:
    explicit ConfigReader(LoadedValues& values);

    void feed(std::string_view bytes);
    // The end of the file, which ends its last line.
    void finish();

private:
    enum class State { Head, Value, SkipLine };

    void consume(std::string_view bytes);
    void endLine();
    void record();

    LoadedValues& values_;
    State state_ = State::Head;
    std::string head_;
    std::string value_;
    int cvar_ = -1;
    bool afterCarriageReturn_ = false;
    bool atFileStart_ = true;
    std::size_t markBytes_ = 0; // how much of a byte-order mark the file has begun with
};

// The applying phase: how many of the settings read set their editor. A value that is no state
// of its editor, or a setting the game version in force does not offer, sets nothing.
std::size_t applyLoadedValues(Engine& engine, const LoadedValues& values);

// Loads a file as the "Load *.cfg Settings" command does, and tells how many settings it applied.
// Only a regular file loads; when the file cannot be read no editor changes.
Expected<std::size_t> loadConfig(Engine& engine, const std::filesystem::path& file,
                                 FileIo& io = systemFileIo());

} // namespace quarvel
