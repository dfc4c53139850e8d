#pragma once

#include <functional>
#include <string>
#include <vector>

// Whether the game is running. The game writes config.cfg whole when it quits, from the settings
// it holds, so a change to config.cfg made while it runs is lost at its exit.
namespace quarvel::games {

// The names of the programs running now, as the system lists them ("hl_linux", "hl.exe"); what the
// system does not let Quarvel see is left out.
using ProcessList = std::function<std::vector<std::string>()>;

// The system's own list of running programs.
std::vector<std::string> runningPrograms();

// True when the game's program runs: hl_linux on Linux, hl.exe on Windows and under Wine or
// Proton, its name in any case.
bool gameIsRunning(const ProcessList& programs = runningPrograms);

} // namespace quarvel::games
