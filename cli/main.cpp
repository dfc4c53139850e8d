// quarvel-cli: the settings engine without a window. It starts from the Default preset, runs the
// steps in the order given, then prints the script, prints the editors' states or installs.

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"
#include "process/start_up.h"

#include <new>

namespace {

using namespace quarvel::cli;

int run(int argc, char** argv) {
    quarvel::Engine engine;
    Options options;
    Output out;
    const Parsed parsed = parseCommandLine(argc, argv, engine, options);
    if (parsed.outcome == Parsed::Outcome::Help) {
        out.write(parsed.text);
        return out.finishOrComplain();
    }
    if (parsed.outcome == Parsed::Outcome::Failed) {
        complain(parsed.text);
        return parsed.status;
    }
    switch (options.command) {
    case Command::Print:
        return printScript(engine, out);
    case Command::State:
        return printState(engine, out);
    case Command::Games:
        return listGames(options, out);
    case Command::Install:
    case Command::Uninstall:
    case Command::Check:
        return changeOrCheckFolder(engine, options, out);
    }
    return exitFailed; // not reached: every command has its case
}

} // namespace

int main(int argc, char** argv) {
    writeBytesAsTheyAre();
    quarvel::setUpProcess();
    try {
        Arguments arguments(argc, argv);
        return run(arguments.count(), arguments.values());
    } catch (const std::bad_alloc&) {
        complain("there is not enough memory");
        return exitFailed;
    }
}
