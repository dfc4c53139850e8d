// quarvel-cli: the settings engine without a window. It starts from the Default preset, runs the
// steps in the order given, then prints the script, prints the editors' states or installs.

#include "cli/steps.h"
#include "config/check.h"
#include "config/install.h"
#include "config/script.h"
#include "config/uninstall.h"
#include "games/game_detection.h"
#include "process/held_signals.h"
#include "process/start_up.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>
#include <stdexcept>
#include <vector>

#ifdef _WIN32
#include <windows.h>
// After windows.h, which they need.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

namespace {

constexpr int exitFailed = 1;
constexpr int exitBadArgument = 2;
constexpr int exitWouldOverwrite = 3;
constexpr int exitFindings = 4;

constexpr const char* description = R"(Quarvel's settings engine on the command line.

Starts from the state the program starts in (the Default preset), applies the steps in the order
given, then runs the command (print when none is given).

Controls are named as in the main window: option pairs (optClPred ...) take 1 (ON) or 0 (OFF),
lists (cmbWeather, cmbSpeed ...) take their 0-based item index, fields (txtRate, txtDSpeed ...)
take any text without ';', line breaks, tabs or other control characters.

Games are looked for in Steam's usual places (or the folders given with --steam-root), in every
Steam library listed there, and in the Half-Life folders given with --game-dir.

Settings are made for the classic game (rates capped at rate 20000 and cl_updaterate 45) unless
--limits steam chooses today's Steam game: rates up to rate 100000 and cl_updaterate 102, the
game's own start values (rate 30000, cl_updaterate 60, cl_cmdrate 60), the settings only it
knows (optFpsOverride, txtFpsMax, optVsync, optRawInput, optFilterCmd, txtExInterp), no
gl_ztrick, and an install that also makes userconfig.cfg run the script.

Exit status: 0 done, 1 an install, uninstall or check failed or the output could not be written,
2 a bad argument, 3 quarvel.cfg exists and --overwrite was not given, 4 check found that the
tweaks are not installed, not run or did not hold.)";

struct StepFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void complain(const std::string& message) {
    std::cerr << "quarvel-cli: " << message << '\n';
}

// Standard output is checked the way coreutils' close_stdout does: output that did not reach its
// file (a full disk, /dev/full) is a failure with a message, never a silent success. A reader
// that closes the pipe early ends the program by SIGPIPE, as it ends every filter.
class Output {
public:
    bool write(std::string_view text) {
        if (error_ == 0 && std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) {
            error_ = errno;
        }
        return error_ == 0;
    }
    // Flushes and closes standard output; 0, or the error that kept the output from its file.
    int finish() {
        if (error_ == 0 && std::fflush(stdout) != 0) {
            error_ = errno;
        }
        if (std::fclose(stdout) != 0 && error_ == 0) {
            error_ = errno;
        }
        return error_;
    }

private:
    int error_ = 0;
};

// The arguments in UTF-8, as the messages and Steam's files are. Windows gives main() the
// arguments in the ANSI code page, where a folder named in another language loses letters, so
// they are taken from the UTF-16 command line there.
class Arguments {
public:
    Arguments(int argc, char** argv) {
#ifdef _WIN32
        int count = 0;
        wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
        if (wide != nullptr) {
            for (int i = 0; i < count; ++i) {
                texts_.push_back(quarvel::pathText(std::filesystem::path(wide[i])));
            }
            LocalFree(wide);
            for (auto& text : texts_) {
                pointers_.push_back(text.data());
            }
            return;
        }
#endif
        pointers_.assign(argv, argv + argc);
    }
    [[nodiscard]] int count() const {
        return static_cast<int>(pointers_.size());
    }
    [[nodiscard]] char** values() {
        return pointers_.data();
    }

private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_;
};

int finishOutput(Output& out) {
    if (const int error = out.finish()) {
        complain(std::string("write error: ") + std::strerror(error));
        return exitFailed;
    }
    return 0;
}

int run(int argc, char** argv) {
    CLI::App app(description, "quarvel-cli");
    app.set_help_flag("-h,--help", "Show this help and exit");
    app.require_subcommand(0, 1);

    // Each step runs as soon as it is parsed, so steps run in the order given.
    quarvel::Engine engine;
    const auto addStep = [&](const char* name, const std::string& help) {
        const std::string step = std::string(name).substr(2);
        return app
            .add_option_function<std::string>(
                name,
                [&engine, step](const std::string& argument) {
                    if (auto failure = quarvel::cli::runStep(engine, step, argument)) {
                        throw StepFailed(std::move(failure->message));
                    }
                },
                help)
            ->trigger_on_parse();
    };
    std::string presets;
    for (const auto& name : quarvel::presetNames) {
        presets.append(presets.empty() ? "" : ", ").append(name.shortName);
    }
    for (const auto& name : quarvel::presetNames) {
        presets.append(", \"").append(name.caption).append("\"");
    }
    addStep("--preset", "Apply a preset by its short name or caption: " + presets)
        ->type_name("NAME");
    addStep("--set", "Put an editor into a state from code, as a preset does (no key filter)")
        ->type_name("CONTROL=VALUE");
    addStep("--type", "Empty a field, then type TEXT into it key by key through its key filter")
        ->type_name("CONTROL=TEXT");
    addStep("--default", "Press a DEFAULT button by its name (cmdRate, cmdClPred, ...)")
        ->type_name("BUTTON");
    addStep("--limits", "Cap the rates as the classic game (the default) or today's Steam "
                        "build takes them")
        ->type_name("classic|steam");
    addStep("--load", "Load a config file as \"Load *.cfg Settings\" does (only a regular file)")
        ->type_name("FILE");

    app.add_subcommand("print", "Write the script as the install window shows it "
                                "(the default command)");
    auto* state =
        app.add_subcommand("state", "Write every editor's state, one CONTROL=VALUE a line");
    auto* games =
        app.add_subcommand("games", "List the detected games, one NAME<TAB>DIRECTORY a line");
    auto* install = app.add_subcommand("install", "Install the script into a game directory");
    auto* uninstall = app.add_subcommand(
        "uninstall", "Take the tweaks out of a game directory: delete quarvel.cfg and the line "
                     "that runs it from autoexec.cfg and userconfig.cfg");
    auto* check = app.add_subcommand(
        "check", "Tell whether the tweaks are installed, run and held in a game directory");
    std::string directory;
    std::string mod;
    for (auto* command : {install, uninstall, check}) {
        auto* dirOption = command->add_option("DIR", directory,
                                              "The game directory (e.g. .../Half-Life/cstrike)");
        command
            ->add_option("--game", mod,
                         "The first detected directory of this mod (cstrike, dod, tfc, czero, "
                         "valve) instead of DIR")
            ->excludes(dirOption);
    }
    bool overwrite = false;
    bool userconfig = false;
    bool noUserconfig = false;
    install->add_flag("--overwrite", overwrite, "Replace a quarvel.cfg that is already there");
    auto* userconfigFlag = install->add_flag(
        "--userconfig", userconfig,
        "Also make userconfig.cfg run the script: the game runs it after config.cfg, its settings "
        "saved at the last exit (the default under --limits steam)");
    install
        ->add_flag("--no-userconfig", noUserconfig,
                   "Make only autoexec.cfg run the script, also under --limits steam")
        ->excludes(userconfigFlag);
    // A folder option that may be given more than once, each time with one folder.
    const auto addFolders = [&app](const std::string& name, std::vector<std::string>& folders,
                                   const std::string& help) {
        app.add_option(name, folders, help)
            ->type_name("DIR")
            ->expected(1)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    };
    std::vector<std::string> steamRoots;
    addFolders("--steam-root", steamRoots,
               "Look for games in this Steam folder instead of Steam's usual places (repeatable)");
    std::vector<std::string> gameDirs;
    addFolders("--game-dir", gameDirs,
               "Also look for games in this Half-Life folder installed without Steam, the one "
               "holding hl.exe or hl_linux (repeatable)");

    Output out;
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out.write(app.help());
        return finishOutput(out);
    } catch (const StepFailed& e) {
        complain(e.what());
        return exitBadArgument;
    } catch (const CLI::ParseError& e) {
        complain(e.what());
        return exitBadArgument;
    }

    const auto detect = [&] {
        auto options = quarvel::games::defaultDetectOptions();
        if (!steamRoots.empty()) {
            options.steamRoots.emplace();
            for (const auto& root : steamRoots) {
                options.steamRoots->push_back(quarvel::pathFromUtf8(root));
            }
            options.usualInstallDirectories.clear(); // only what was named
        }
        options.installDirectories.clear();
        for (const auto& dir : gameDirs) {
            options.installDirectories.push_back(quarvel::pathFromUtf8(dir));
        }
        auto result = quarvel::games::detectGames(options);
        for (const auto& warning : result.warnings) {
            complain(quarvel::describe(warning));
        }
        return result.games;
    };
    if (*games) {
        for (const auto& game : detect()) {
            out.write(game.name + '\t' + quarvel::pathText(game.directory) + '\n');
        }
        return finishOutput(out);
    }
    if (*state) {
        out.write(quarvel::cli::stateReport(engine));
        return finishOutput(out);
    }
    const std::string script = quarvel::buildScript(engine.tweakLines(), engine.gameVersion());
    if (!*install && !*uninstall && !*check) {
        out.write(script);
        return finishOutput(out);
    }

    std::filesystem::path target = quarvel::pathFromUtf8(directory);
    if (!mod.empty()) {
        const auto found = detect();
        const auto* game = quarvel::games::firstGameForMod(found, mod);
        if (game == nullptr) {
            complain("no installed game was found for --game " + mod);
            return exitBadArgument;
        }
        target = game->directory;
    } else if (directory.empty()) {
        complain((*install     ? "install"
                  : *uninstall ? "uninstall"
                               : "check") +
                 std::string(" needs a directory (DIR) or --game MOD"));
        return exitBadArgument;
    }

    if (*check) {
        const auto report = quarvel::checkTweaks(target, engine.gameVersion());
        if (report.failure) {
            std::cerr << quarvel::describe(*report.failure) << '\n';
            return exitFailed;
        }
        for (const auto& line : report.lines) {
            out.write(quarvel::sentenceText(line) + '\n');
        }
        const int written = finishOutput(out);
        return written != 0 ? written : report.held() ? 0 : exitFindings;
    }
    // Safety copies left behind, after the message: the player's files are whole.
    const auto warn = [](const std::vector<quarvel::Failure>& warnings) {
        for (const auto& warning : warnings) {
            complain("warning: " + quarvel::describe(warning));
        }
    };
    std::string done;
    std::vector<quarvel::Failure> warnings;
    if (*uninstall) {
        const auto result =
            quarvel::UninstallTweaks(target, quarvel::systemFileIo(), quarvel::whileSignalsHeld);
        if (result.failure) {
            std::cerr << quarvel::describe(*result.failure) << '\n';
            warn(result.warnings);
            return exitFailed;
        }
        warnings = result.warnings;
        for (const auto& line : quarvel::uninstallReport(target, result)) {
            done.append(quarvel::sentenceText(line)).append("\n");
        }
    } else {
        if (quarvel::scriptExists(target) && !overwrite) {
            std::cerr << quarvel::overwriteQuestion << '\n';
            return exitWouldOverwrite;
        }
        const auto result = quarvel::InstallTweaks(
            target, script, quarvel::systemFileIo(),
            {.userconfig = !noUserconfig &&
                           (userconfig || engine.gameVersion() == quarvel::GameVersion::Steam)},
            quarvel::whileSignalsHeld);
        if (!result.installed()) {
            std::cerr << quarvel::describe(*result.failure) << '\n';
            warn(result.warnings);
            return exitFailed;
        }
        warnings = result.warnings;
        done = quarvel::installedMessage(target) + '\n';
    }
    // The change is done whatever becomes of its message: a reader gone or a full disk is said
    // on standard error, and the exit status stays that of the change.
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
    out.write(done);
    if (const int error = out.finish()) {
        complain(std::string(*uninstall ? "the tweaks were removed" : "the tweaks were installed") +
                 ", but this could not be said on standard output: " + std::strerror(error));
    }
    warn(warnings);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The bytes as they are: the script's CR LF would otherwise leave as CR CR LF, and every
    // other line end as CR LF, unlike on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    quarvel::setUpProcess();
    try {
        Arguments arguments(argc, argv);
        return run(arguments.count(), arguments.values());
    } catch (const std::bad_alloc&) {
        complain("there is not enough memory");
        return exitFailed;
    }
}
