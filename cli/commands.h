#pragma once

#include "cli/options.h"
#include "cli/output.h"
#include "core/engine.h"

// quarvel-cli's commands, one function each: what it writes to `out`, and its exit status.
namespace quarvel::cli {

int printScript(const Engine& engine, Output& out);
int printState(const Engine& engine, Output& out);
int listGames(const Options& options, Output& out);
// install, uninstall and check: in DIR, or in the first detected folder of --game.
int changeOrCheckFolder(const Engine& engine, const Options& options, Output& out);

} // namespace quarvel::cli
