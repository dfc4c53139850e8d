#pragma once

#include "config/console_script.h"
#include "core/failure.h"
#include "files/file_io.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The game's start-up in a mod folder, read as its console runs it and without running anything:
// autoexec.cfg, then config.cfg (the settings the game saved at its last exit, which run
// userconfig.cfg at their end), into every file an exec line names and every alias a line runs,
// at that point. A file is known by what it is, not by how an exec line spells it, and its text is
// read once however often it runs. The reading stops at fixed limits, so that no configs can make
// it run for ever or take more than a bounded amount of memory.
namespace quarvel {

// How deep files run inside one another.
inline constexpr std::size_t deepestRun = 16;
// How many files exec lines run in all, and how much text all runs take together.
inline constexpr std::size_t mostFilesRun = 256;
inline constexpr std::uintmax_t mostTextRun = std::uintmax_t{64} << 20;
// How many names of files exec lines may give in all: each is looked at once and remembered.
inline constexpr std::size_t mostFilesNamed = 4096;
// How many aliases may be defined, and run in all.
inline constexpr std::size_t mostAliases = 4096;
inline constexpr std::size_t mostAliasRuns = 65536;
// How many aliases one command of a file runs before it is cut: the game has no guard against an
// alias that runs itself.
inline constexpr std::size_t mostAliasSteps = 1024;

// Where a tweak's setting was set last.
struct SetBy {
    std::string file;     // the config's name within the folder ("userconfig.cfg", "cfg/x.cfg")
    std::size_t line = 0; // from 1
    std::string value;    // as written
    std::string alias{};  // the alias the line ran, as written there; empty: the line set it
};

// A config that could not be read: the start-up went on without it, as the game's does.
struct UnreadableConfig {
    std::string name; // within the folder
    Failure failure;
};

// An exec line or an alias that the reading did not follow to its end.
struct StartUpCut {
    enum class Kind {
        Running,     // an exec of a file that is already running
        TooDeep,     // an exec deeper than deepestRun files
        AliasItself, // an alias that runs itself, cut after mostAliasSteps aliases
        AliasSteps,  // an alias that runs more than mostAliasSteps aliases
    };
    Kind kind;
    std::string file; // the line that ran it
    std::size_t line = 0;
    std::string target; // the file or alias it runs
};

// A limit that stopped the reading, at the line that would have gone beyond it.
struct StartUpStop {
    enum class Limit { Files, Names, Text, Aliases, AliasRuns };
    Limit limit;
    std::string file;
    std::size_t line = 0;
};

struct StartUpOptions {
    // exec quarvel.cfg runs nothing, as if the file were not there: the start-up without the
    // tweaks. quarvel.cfg is then not read at all.
    bool withoutScript = false;
};

struct StartUp {
    // Every tweak cvar that was set (see tweakCvars()), by its lower-case name.
    std::map<std::string, SetBy> settings;
    // Once each, in the order they were to run; quarvel.cfg, which is read first, even when
    // nothing runs it.
    std::vector<UnreadableConfig> unreadable;
    std::optional<StartUpStop> stopped; // what followed was not read
    std::vector<StartUpCut> cuts;       // once for each file and kind, at the first line

    // The texts of quarvel.cfg and userconfig.cfg; null when not there or unreadable.
    std::shared_ptr<const std::string> script;
    std::shared_ptr<const std::string> userconfig;
    bool scriptUnreadable = false;
    // Something stands at config.cfg, readable or not: the game has saved its settings.
    bool savedSettings = false;
    // What quarvel.cfg set, by lower-case name, when it last ran; and the files whose lines ran
    // it, in the order they first did.
    std::map<std::string, std::string> scriptSet;
    std::vector<std::string> scriptRunners;
    // config.cfg ran userconfig.cfg, itself or from a file it runs.
    bool userconfigAfterSettings = false;
    // A line that ran userconfig.cfg before config.cfg began, from autoexec.cfg.
    std::optional<std::pair<std::string, std::size_t>> userconfigEarly;

    // The work it took.
    std::size_t filesRun = 0; // by exec lines, besides autoexec.cfg and config.cfg
    std::uintmax_t textRun = 0;
    std::size_t aliasesDefined = 0;
    std::size_t aliasRuns = 0;
};

// Reads the start-up of a mod folder through `io`. Takes no lock: the caller holds the folder.
// Only reads. Running out of memory throws std::bad_alloc.
StartUp readStartUp(const std::filesystem::path& folder, FileIo& io, StartUpOptions options = {});

// The cvars the tweaks write, in lower case: those whose settings the start-up follows.
const std::set<std::string>& tweakCvars();

// The tweak cvars a script sets, in the order it first sets them, each with the last value it
// sets: (lower-case name, value as written).
using ScriptSettings = std::vector<std::pair<std::string, std::string>>;
ScriptSettings settingsOf(std::string_view script);

} // namespace quarvel
