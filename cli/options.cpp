#include "cli/options.h"

#include "cli/output.h"
#include "cli/steps.h"
#include "core/rate_rules.h"
#include "core/words.h"

#include <CLI/CLI.hpp>

#include <array>
#include <stdexcept>

namespace quarvel::cli {

namespace {

// %1 to %7: the caps and start values of the rate rules.
constexpr std::string_view descriptionWords = R"(Quarvel's settings engine on the command line.

Starts from the state the program starts in (the Default preset), applies the steps in the order
given, then runs the command (print when none is given).

Controls are named as in the main window: option pairs (optClPred ...) take 1 (ON) or 0 (OFF),
lists (cmbWeather, cmbSpeed ...) take their 0-based item index, fields (txtRate, txtDSpeed ...)
take any text without ';', line breaks, tabs or other control characters.

Games are looked for in Steam's usual places (or the folders given with --steam-root), in every
Steam library listed there, and in the Half-Life folders given with --game-dir.

Settings are made for the classic game (rates capped at rate %1 and cl_updaterate %2) unless
--limits steam chooses today's Steam game: rates up to rate %3 and cl_updaterate %4, the
game's own start values (rate %5, cl_updaterate %6, cl_cmdrate %7), the settings only it
knows (optFpsOverride, txtFpsMax, optVsync, optRawInput, optFilterCmd, txtExInterp), no
gl_ztrick, and an install that also makes userconfig.cfg run the script.

Exit status: 0 done, 1 an install, uninstall or check failed or the output could not be written,
2 a bad argument, 3 quarvel.cfg exists and --overwrite was not given, 4 check found that the
tweaks are not installed, not run or did not hold.)";

std::string description() {
    const auto rule = [](EditorId field) { return rateRuleOf(field); };
    const auto cap = [&](EditorId field, GameVersion version) {
        return rule(field)->limit(version).text;
    };
    const auto start = [&](EditorId field) { return rule(field)->start(GameVersion::Steam); };
    return filledWords(descriptionWords,
                       {cap(editorId("txtRate"), GameVersion::Classic),
                        cap(editorId("txtURate"), GameVersion::Classic),
                        cap(editorId("txtRate"), GameVersion::Steam),
                        cap(editorId("txtURate"), GameVersion::Steam), start(editorId("txtRate")),
                        start(editorId("txtURate")), start(editorId("txtCMDRate"))});
}

struct StepFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The steps, each run on the engine as soon as it is parsed.
void addSteps(CLI::App& app, Engine& engine) {
    std::string presets;
    for (const auto& name : presetNames) {
        presets.append(presets.empty() ? "" : ", ").append(name.shortName);
    }
    for (const auto& name : presetNames) {
        presets.append(", \"").append(name.caption).append("\"");
    }
    for (const StepOption& step : stepOptions) {
        app.add_option_function<std::string>(
               "--" + std::string(step.option),
               [&engine, &step](const std::string& argument) {
                   if (auto failure = runStep(engine, step.step, argument)) {
                       throw StepFailed(std::move(failure->message));
                   }
               },
               filledWords(step.help, {presets}))
            ->trigger_on_parse()
            ->type_name(std::string(step.argumentName));
    }
}

// The folders to look for games in, each option given once per folder.
void addFolderOptions(CLI::App& app, Options& options) {
    const auto addFolders = [&app](const std::string& name, std::vector<std::string>& folders,
                                   const std::string& help) {
        app.add_option(name, folders, help)
            ->type_name("DIR")
            ->expected(1)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    };
    addFolders("--steam-root", options.steamRoots,
               "Look for games in this Steam folder instead of Steam's usual places (repeatable)");
    addFolders("--game-dir", options.gameDirs,
               "Also look for games in this Half-Life folder installed without Steam, the one "
               "holding hl.exe or hl_linux (repeatable)");
}

// A command, and the subcommand that stands for it.
using Commands = std::vector<std::pair<CLI::App*, Command>>;

CLI::App* addCommand(CLI::App& app, Commands& commands, Command command, const std::string& help) {
    CLI::App* subcommand = app.add_subcommand(std::string(commandName(command)), help);
    commands.emplace_back(subcommand, command);
    return subcommand;
}

// The commands that change or check a game folder, with their own options.
void addFolderCommands(CLI::App& app, Options& options, Commands& commands) {
    const auto add = [&](Command command, const std::string& help) {
        return addCommand(app, commands, command, help);
    };
    auto* install = add(Command::Install, "Install the script into a game directory");
    auto* uninstall =
        add(Command::Uninstall,
            "Take the tweaks out of a game directory: put back into config.cfg the "
            "settings the game saved from quarvel.cfg, as they were before the install, "
            "delete quarvel.cfg and the line that runs it from autoexec.cfg and "
            "userconfig.cfg");
    auto* check = add(Command::Check,
                      "Tell whether the tweaks are installed, run and held in a game directory");
    for (auto* command : {install, uninstall, check}) {
        auto* dirOption = command->add_option("DIR", options.directory,
                                              "The game directory (e.g. .../Half-Life/cstrike)");
        command
            ->add_option("--game", options.mod,
                         "The first detected directory of this mod (cstrike, dod, tfc, czero, "
                         "valve) instead of DIR")
            ->excludes(dirOption);
    }
    install->add_flag("--overwrite", options.overwrite,
                      "Replace a quarvel.cfg that is already there");
    auto* userconfigFlag = install->add_flag(
        "--userconfig", options.userconfig,
        "Also make userconfig.cfg run the script: the game runs it after config.cfg, its settings "
        "saved at the last exit (the default under --limits steam)");
    uninstall->add_flag("--keep-game-settings", options.keepGameSettings,
                        "Leave config.cfg as it is, with the settings the game saved from "
                        "quarvel.cfg");
    install
        ->add_flag(
            "--no-userconfig", options.noUserconfig,
            "Make only autoexec.cfg run the script, also under --limits steam: Quarvel's line is "
            "taken out of userconfig.cfg")
        ->excludes(userconfigFlag);
}

} // namespace

std::string_view commandName(Command command) {
    constexpr std::array<std::string_view, 6> names{"print",   "state",     "games",
                                                    "install", "uninstall", "check"};
    return names[static_cast<std::size_t>(command)];
}

Parsed parseCommandLine(int argc, char** argv, Engine& engine, Options& options) {
    CLI::App app(description(), "quarvel-cli");
    app.set_help_flag("-h,--help", "Show this help and exit");
    app.require_subcommand(0, 1);
    addSteps(app, engine);

    Commands commands;
    addCommand(app, commands, Command::Print,
               "Write the script as the install window shows it (the default command)");
    addCommand(app, commands, Command::State,
               "Write every editor's state, one CONTROL=VALUE a line");
    addCommand(app, commands, Command::Games,
               "List the detected games, one NAME<TAB>DIRECTORY a line");
    addFolderCommands(app, options, commands);
    addFolderOptions(app, options);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return {Parsed::Outcome::Help, app.help(), 0};
    } catch (const StepFailed& e) {
        return {Parsed::Outcome::Failed, e.what(), exitBadArgument};
    } catch (const CLI::ParseError& e) {
        return {Parsed::Outcome::Failed, e.what(), exitBadArgument};
    }
    for (const auto& [subcommand, command] : commands) {
        if (*subcommand) {
            options.command = command;
        }
    }
    return {};
}

} // namespace quarvel::cli
