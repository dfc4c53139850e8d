#pragma once

#include "config/exec_line.h"
#include "core/translatable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The install's record of what it changed, quarvel-restore.cfg in the mod folder: for each setting
// of quarvel.cfg, the value it had at the end of the game's start-up before the install and the
// value quarvel.cfg sets, and which configs the install created. Once quarvel.cfg has run, the game
// saves its values into config.cfg when it quits; Remove puts the recorded ones back. The record
// is a console script that nothing runs: a player who runs it by hand gets his settings back.
//
//   rate "25000" // quarvel.cfg sets "100000"
//   // gl_vsync was not set; quarvel.cfg sets "0"
//   // The install created userconfig.cfg.
//   // The install gave autoexec.cfg CR LF line ends where it had LF.
//
// A player may edit it, so every line is read as input: only what Quarvel itself writes is used.
namespace quarvel {

inline constexpr std::string_view restoreFileName = "quarvel-restore.cfg";

// One setting of quarvel.cfg as it was before the install.
struct RecordedSetting {
    std::string name;                      // in lower case
    std::optional<std::string> before;     // nothing: no file set it, so the game used its default
    std::vector<std::string> scriptSets{}; // what quarvel.cfg set, the latest install's first
};

// A line of the record that is not used, and why.
struct UnusedRecordLine {
    enum class Why {
        NotUnderstood, // no line Quarvel writes
        NotInScript,   // a setting that Quarvel does not write
        UnsafeValue,   // a value that would be more than one word of a config line
        Again,         // a setting recorded on an earlier line already
    };
    std::size_t line = 0; // from 1
    std::string text;     // the line, control characters shown escaped
    Why why = Why::NotUnderstood;
};

// A config whose line ends the install changed when it added the exec line, and what they were.
struct ChangedLineEnds {
    std::string file; // autoexec.cfg or userconfig.cfg
    LineEnds was;
};

struct RestoreRecord {
    std::vector<RecordedSetting> settings;
    std::vector<std::string> created{}; // autoexec.cfg or userconfig.cfg
    std::vector<ChangedLineEnds> lineEnds{};
    std::vector<UnusedRecordLine> unused{};

    // The line ends a config had before the install, where it changed them.
    [[nodiscard]] std::optional<LineEnds> lineEndsBefore(std::string_view file) const;

    [[nodiscard]] const RecordedSetting* find(std::string_view name) const;
};

// Whether a value can go back into a config line as one word: no ';', double quote, line break or
// other control character.
bool safeConsoleValue(std::string_view value);

// Reads a record. Settings that are not among `scriptNames` (in lower case; every name when
// nothing is given), values that are not safe, and lines that Quarvel does not write (but for
// comments) are in `unused`.
RestoreRecord readRecord(std::string_view text,
                         const std::optional<std::vector<std::string>>& scriptNames = {});

// What is left when writing the record went through but its sync failed, and nothing else was
// written yet.
inline constexpr std::string_view recordWrittenAlone =
    QVL_TRANSLATABLE("Failure", "quarvel-restore.cfg was written, but nothing else was changed");

// The record as Quarvel writes it, with CR LF line ends.
std::string recordText(const RestoreRecord& record);

// Why a line is not used, in the player's words; %1 is the line's number, %2 the line.
std::string_view unusedWords(UnusedRecordLine::Why why);

} // namespace quarvel
