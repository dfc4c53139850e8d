#pragma once

#include "config/known_cvars.h"
#include "core/engine.h"
#include "core/failure.h"
#include "files/file_io.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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

// A rate the file set above what the game version in force takes, and the cap it now holds.
struct LoweredSetting {
    std::string_view cvar;
    std::string value;      // as the file set it
    std::string_view limit; // what the field holds instead
};

// What one load did: how many settings set their editor, which of them were lowered to the game
// version's caps, and which settings the file holds that only the other version knows.
struct LoadReport {
    std::size_t applied = 0;
    std::vector<LoweredSetting> lowered{};
    std::vector<std::string_view> skipped{};

    [[nodiscard]] bool changedAnything() const { return !lowered.empty() || !skipped.empty(); }
};

// The applying phase. A value that is no state of its editor, or a setting the game version in
// force does not offer, sets nothing. Under today's Steam game each rate field keeps the value the
// file gives it: the packet rates are set after the byte rates they are derived from, whatever
// the order of the file's lines. The classic game applies in the order of the known-cvar list, so
// a rate the file sets derives its packet rate over the file's own.
LoadReport applyLoadedValues(Engine& engine, const LoadedValues& values);

// Loads a file as the "Load *.cfg Settings" command does, and tells what it applied. Only a
// regular file loads; when the file cannot be read no editor changes.
Expected<LoadReport> loadConfig(Engine& engine, const std::filesystem::path& file,
                                FileIo& io = systemFileIo());

// What a load changed of the file's own values, in the words quarvel-cli prints ("cl_updaterate
// 101 lowered to 45 and 3 settings of today's game skipped: choose --limits steam first to keep
// them"); empty when it took every value as the file gives it. The windows say it in their own.
std::string loadNotes(const LoadReport& report, GameVersion version);

} // namespace quarvel
