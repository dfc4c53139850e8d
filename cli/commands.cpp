#include "cli/commands.h"

#include "cli/steps.h"
#include "config/check.h"
#include "config/install.h"
#include "config/script.h"
#include "config/uninstall.h"
#include "games/game_detection.h"
#include "games/game_folder.h"
#include "games/game_process.h"
#include "process/held_signals.h"

#include <optional>

namespace quarvel::cli {

namespace fs = std::filesystem;

namespace {

std::vector<games::DetectedGame> detect(const Options& options) {
    auto search = games::defaultDetectOptions();
    if (!options.steamRoots.empty()) {
        search.steamRoots.emplace();
        for (const auto& root : options.steamRoots) {
            search.steamRoots->push_back(pathFromUtf8(root));
        }
        search.usualInstallDirectories.clear(); // only what was named
    }
    search.installDirectories.clear();
    for (const auto& dir : options.gameDirs) {
        search.installDirectories.push_back(pathFromUtf8(dir));
    }
    auto result = games::detectGames(search);
    for (const auto& warning : result.warnings) {
        complain(describe(warning));
    }
    return result.games;
}

// The folder a command works in; nothing (and a message) when none was given or found.
std::optional<fs::path> targetFolder(const Options& options) {
    if (!options.mod.empty()) {
        const auto found = detect(options);
        const auto* game = games::firstGameForMod(found, options.mod);
        if (game == nullptr) {
            complain("no installed game was found for --game " + options.mod);
            return std::nullopt;
        }
        return game->directory;
    }
    if (options.directory.empty()) {
        complain(std::string(commandName(options.command)) +
                 " needs a directory (DIR) or --game MOD");
        return std::nullopt;
    }
    return pathFromUtf8(options.directory);
}

// Safety copies left behind, told after the message: the player's files are whole.
void warn(const std::vector<Failure>& warnings) {
    for (const auto& warning : warnings) {
        complain("warning: " + describe(warning));
    }
}

// Every copy Steam installs runs today's build of the game: classic settings make it worse.
void warnOfSteamLibrary(const Engine& engine, const fs::path& folder) {
    if (engine.gameVersion() == GameVersion::Classic && games::inSteamLibrary(folder)) {
        complain("warning: " + pathText(folder) +
                 " lies in a Steam library: the game there is today's Steam build, so use "
                 "--limits steam");
    }
}

int checkFolder(const Engine& engine, const fs::path& folder, Output& out) {
    warnOfSteamLibrary(engine, folder);
    const auto report = checkTweaks(
        folder, {.version = engine.gameVersion(), .inSteamLibrary = games::inSteamLibrary(folder)});
    if (report.failure) {
        complain(describe(*report.failure));
        return exitFailed;
    }
    for (const auto& line : report.lines) {
        out.write(sentenceText(line) + '\n');
    }
    const int written = out.finishOrComplain();
    return written != 0 ? written : report.held() ? 0 : exitFindings;
}

// A change that was done: its message, then the copies it left. The change is done whatever
// becomes of its message: a reader gone or a full disk is said on standard error, and the exit
// status stays that of the change.
int reportChange(const std::string& done, std::string_view what,
                 const std::vector<Failure>& warnings, Output& out) {
    outliveAClosedReader();
    out.write(done);
    if (const std::error_code error = out.finish()) {
        complain(std::string(what) +
                 ", but this could not be said on standard output: " + systemReason(error));
    }
    warn(warnings);
    return 0;
}

int uninstallFrom(const Options& options, const fs::path& folder, Output& out) {
    const auto result = uninstallTweaks(folder, systemFileIo(),
                                        {.keepGameSettings = options.keepGameSettings,
                                         .gameRunning = [] { return games::gameIsRunning(); }},
                                        whileSignalsHeld);
    if (result.failure) {
        complain(describe(*result.failure));
        warn(result.warnings);
        return exitFailed;
    }
    std::string done;
    for (const auto& line : uninstallReport(folder, result)) {
        done.append(sentenceText(line)).append("\n");
    }
    return reportChange(done, "the tweaks were removed", result.warnings, out);
}

int installInto(const Engine& engine, const Options& options, const fs::path& folder, Output& out) {
    const bool unlikeGameFolder = games::looksUnlikeGameFolder(folder);
    // Under classic without a flag userconfig.cfg stays as it is, as it always has.
    const UserconfigChange userconfig =
        options.noUserconfig ? UserconfigChange::TakeOut
        : options.userconfig || engine.gameVersion() == GameVersion::Steam
            ? UserconfigChange::Add
            : UserconfigChange::Leave;
    const auto result = installTweaks(
        folder, buildScript(engine.tweakLines(), engine.gameVersion()), systemFileIo(),
        {.userconfig = userconfig, .overwrite = options.overwrite}, whileSignalsHeld);
    if (result.wouldOverwrite) {
        complain(overwriteQuestion);
        return exitWouldOverwrite;
    }
    // A script may name any folder on purpose: it is told, and the install went on.
    if (unlikeGameFolder) {
        complain("warning: " + pathText(folder) + ": " + games::notGameFolderText());
    }
    warnOfSteamLibrary(engine, folder);
    if (!result.installed()) {
        complain(describe(*result.failure));
        warn(result.warnings);
        return exitFailed;
    }
    std::string done = installedMessage(folder) + '\n';
    if (result.unhooked) {
        done += sentenceText(unhookedSentence()) + '\n';
    }
    if (games::gameIsRunning()) {
        done.append(sentenceText({gameRunsWords})).append("\n");
    }
    return reportChange(done, "the tweaks were installed", result.warnings, out);
}

} // namespace

int printScript(const Engine& engine, Output& out) {
    out.write(buildScript(engine.tweakLines(), engine.gameVersion()));
    return out.finishOrComplain();
}

int printState(const Engine& engine, Output& out) {
    out.write(stateReport(engine));
    return out.finishOrComplain();
}

int listGames(const Options& options, Output& out) {
    for (const auto& game : detect(options)) {
        out.write(game.name + '\t' + pathText(game.directory) + '\n');
    }
    return out.finishOrComplain();
}

int changeOrCheckFolder(const Engine& engine, const Options& options, Output& out) {
    const std::optional<fs::path> folder = targetFolder(options);
    if (!folder) {
        return exitBadArgument;
    }
    switch (options.command) {
    case Command::Check:
        return checkFolder(engine, *folder, out);
    case Command::Uninstall:
        return uninstallFrom(options, *folder, out);
    case Command::Install:
        return installInto(engine, options, *folder, out);
    case Command::Print:
    case Command::State:
    case Command::Games:
        break; // they work in no folder
    }
    return exitFailed;
}

} // namespace quarvel::cli
