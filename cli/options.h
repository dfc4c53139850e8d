#pragma once

#include "core/engine.h"

#include <string>
#include <string_view>
#include <vector>

// quarvel-cli's command line: the steps, which run on the engine as they are read, and the
// command with its options.
namespace quarvel::cli {

// A new command needs its name in commandName(), at its place.
enum class Command { Print, State, Games, Install, Uninstall, Check };

// A command's name on the command line ("install").
std::string_view commandName(Command command);

struct Options {
    Command command = Command::Print;
    std::string directory;               // DIR of install, uninstall and check
    std::string mod;                     // --game: the first detected folder of this mod instead
    bool overwrite = false;              // install --overwrite
    bool userconfig = false;             // install --userconfig
    bool noUserconfig = false;           // install --no-userconfig
    bool keepGameSettings = false;       // uninstall --keep-game-settings
    std::vector<std::string> steamRoots; // --steam-root, in the order given
    std::vector<std::string> gameDirs;   // --game-dir
};

// What reading the command line came to: the options to run with, the help to print, or the
// message and exit status of a bad argument or a step that could not be carried out.
struct Parsed {
    enum class Outcome { Run, Help, Failed } outcome = Outcome::Run;
    std::string text; // the help, or what was wrong
    int status = 0;   // Failed: the exit status
};

// Reads the command line, running each step on `engine` as soon as it is read, so that steps run
// in the order given.
Parsed parseCommandLine(int argc, char** argv, Engine& engine, Options& options);

} // namespace quarvel::cli
