#pragma once

#include "config/console_script.h"
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

// What one load read: for each known cvar, in the order of the known-cvar list, whether its file
// set it and the value of the last line that did. Each load starts from nothing.
struct LoadedValues {
    std::array<bool, knownCvars.size()> cvarFound{};
    std::array<std::string, knownCvars.size()> cvarValue{};
};

// The reading phase, fed the file's bytes in pieces of any size. Its lines are the console's
// (console_script.h), each cut where the game cuts it, so that what a load holds stays small
// however large the file. The head of a line is the text before its first blank, matched to a
// known cvar's name case for case, and its value the text from there to the next blank or the
// line's end. A value that the cut ended is not the one the player wrote, and one that holds ';'
// or a control character would carry a command of its own: their lines are passed over. A
// byte-order mark at the start of the file is skipped.
class ConfigReader {
public:
    explicit ConfigReader(LoadedValues& values);
    // It hands its own lines on to itself.
    ConfigReader(const ConfigReader&) = delete;
    ConfigReader& operator=(const ConfigReader&) = delete;

    void feed(std::string_view bytes);
    // The end of the file, which ends its last line.
    void finish();

private:
    void read(std::string_view line, bool cut);

    LoadedValues& values_;
    ConsoleLines lines_;
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
