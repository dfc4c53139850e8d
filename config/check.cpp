#include "config/check.h"

#include "config/exec_line.h"
#include "config/script.h"
#include "config/start_up.h"
#include "core/printable_text.h"
#include "core/rate_rules.h"
#include "files/folder_lock.h"
#include "files/game_file.h"

#include <algorithm>
#include <iterator>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

bool writtenByQuarvel(std::string_view script) {
    const std::string header = scriptHeader();
    return script.starts_with(header) &&
           (script.size() == header.size() || script[header.size()] == '\r' ||
            script[header.size()] == '\n');
}

// The check's lines as they are found; a finding also makes the tweaks not held. Whatever a
// config holds reaches the player with its control characters escaped.
struct Report {
    CheckReport& result;
    const StartUp& startUp;
    const CheckOptions& options;

    void line(Sentence sentence) {
        for (std::string& value : sentence.values) {
            value = printableText(value);
        }
        result.lines.push_back(std::move(sentence));
    }
    void finding(Sentence sentence) {
        line(std::move(sentence));
        result.findings = true;
    }
};

// Whether quarvel.cfg is there and what runs it, and whether config.cfg runs userconfig.cfg after
// its own settings, as the game saves it to. What a reading stopped at a limit did not reach is
// not told.
void reportWhatRunsScript(Report& report, bool userconfigHooks) {
    const StartUp& startUp = report.startUp;
    const bool stopped = startUp.stopped.has_value();
    if (!startUp.script && !startUp.scriptUnreadable) {
        report.finding({QVL_TRANSLATABLE("Check", "quarvel.cfg is not there: the tweaks are not "
                                                  "installed in this folder.")});
    } else if (startUp.script && startUp.scriptRunners.empty() && !stopped) {
        report.finding({userconfigHooks
                            ? QVL_TRANSLATABLE("Check", "quarvel.cfg is there, but nothing "
                                                        "the game runs at start runs it yet.")
                            : QVL_TRANSLATABLE("Check", "quarvel.cfg is there, but neither "
                                                        "autoexec.cfg nor userconfig.cfg "
                                                        "runs it.")});
    }
    for (const std::string& runner : startUp.scriptRunners) {
        report.line({QVL_TRANSLATABLE("Check", "%1 runs quarvel.cfg."), {runner}});
    }
    if (stopped || startUp.userconfigAfterSettings) {
        return;
    }
    if (userconfigHooks) {
        report.line({QVL_TRANSLATABLE(
            "Check", "userconfig.cfg runs quarvel.cfg, but config.cfg does not run userconfig.cfg "
                     "yet: the game adds that line when it next saves its settings at exit.")});
    }
    if (startUp.userconfigEarly) {
        report.line(
            {QVL_TRANSLATABLE("Check", "%1 line %2 runs userconfig.cfg before config.cfg: "
                                       "that is too early for what it runs to hold."),
             {startUp.userconfigEarly->first, std::to_string(startUp.userconfigEarly->second)}});
    }
}

// A quarvel.cfg of the player's own, or one that sets nothing, is no install of Quarvel's.
void reportScriptItself(Report& report, const std::string& script, const ScriptSettings& settings) {
    if (!writtenByQuarvel(script)) {
        report.finding(
            {QVL_TRANSLATABLE("Check", "quarvel.cfg was not written by Quarvel: it does not "
                                       "begin with \"%1\"."),
             {scriptHeader()}});
    }
    if (settings.empty()) {
        report.finding({QVL_TRANSLATABLE("Check", "quarvel.cfg sets nothing.")});
    }
}

// What is said of each limit that stops the start-up, and the limit.
struct StopWords {
    StartUpStop::Limit limit;
    std::string_view words;
    std::uintmax_t most;
};
constexpr StopWords stopWords[] = {
    {StartUpStop::Limit::Files,
     QVL_TRANSLATABLE("Check", "the start-up runs more than %1 files; the check stopped at %2 "
                               "line %3."),
     mostFilesRun},
    {StartUpStop::Limit::Names,
     QVL_TRANSLATABLE("Check", "the start-up names more than %1 files; the check stopped at %2 "
                               "line %3."),
     mostFilesNamed},
    {StartUpStop::Limit::Text,
     QVL_TRANSLATABLE("Check", "the start-up runs more than %1 MiB of configs; the check "
                               "stopped at %2 line %3."),
     mostTextRun >> 20},
    {StartUpStop::Limit::Aliases,
     QVL_TRANSLATABLE("Check", "the start-up defines more than %1 aliases; the check stopped at "
                               "%2 line %3."),
     mostAliases},
    {StartUpStop::Limit::AliasRuns,
     QVL_TRANSLATABLE("Check", "the start-up runs aliases more than %1 times; the check stopped "
                               "at %2 line %3."),
     mostAliasRuns},
};

// The files the start-up went on without, what it did not follow, and where a limit stopped it.
void reportReading(Report& report) {
    const StartUp& startUp = report.startUp;
    for (const UnreadableConfig& config : startUp.unreadable) {
        report.finding({QVL_TRANSLATABLE("Check", "%1 cannot be read, so the start-up went on "
                                                  "without it: %2."),
                        {config.name, reasonText(config.failure)}});
    }
    for (const StartUpCut& cut : startUp.cuts) {
        // %4: the limit that cut it.
        const std::size_t limit =
            cut.kind == StartUpCut::Kind::TooDeep ? deepestRun : mostAliasSteps;
        std::vector<std::string> where{cut.file, std::to_string(cut.line), cut.target,
                                       std::to_string(limit)};
        switch (cut.kind) {
        case StartUpCut::Kind::Running:
            report.line({QVL_TRANSLATABLE("Check", "%1 line %2 runs %3, which is already running: "
                                                   "the check does not enter it again."),
                         where});
            break;
        case StartUpCut::Kind::TooDeep:
            report.line({QVL_TRANSLATABLE("Check", "%1 line %2 runs %3 more than %4 files deep: "
                                                   "the check goes no deeper."),
                         where});
            break;
        case StartUpCut::Kind::AliasItself:
            report.finding({QVL_TRANSLATABLE("Check", "%1 line %2 runs alias \"%3\", which runs "
                                                      "itself without end: the check stopped "
                                                      "following it after %4 aliases."),
                            where});
            break;
        case StartUpCut::Kind::AliasSteps:
            report.finding({QVL_TRANSLATABLE("Check", "%1 line %2 runs alias \"%3\", which runs "
                                                      "more than %4 aliases: the check stopped "
                                                      "following it there."),
                            where});
            break;
        }
    }
    if (!startUp.stopped) {
        return;
    }
    const StartUpStop& stop = *startUp.stopped;
    const auto& [limit, words, most] =
        *std::find_if(std::begin(stopWords), std::end(stopWords),
                      [&](const StopWords& said) { return said.limit == stop.limit; });
    report.finding({words, {std::to_string(most), stop.file, std::to_string(stop.line)}});
}

// Every setting that a file run later sets back, to a value the game reads as another; true when
// config.cfg set any of them back.
bool reportUndoneSettings(Report& report, const ScriptSettings& settings) {
    const StartUp& startUp = report.startUp;
    bool bySavedSettings = false;
    for (const auto& [name, ignored] : settings) {
        const auto set = startUp.scriptSet.find(name);
        if (set == startUp.scriptSet.end()) {
            continue; // quarvel.cfg did not run
        }
        const SetBy& last = startUp.settings.at(name);
        if (last.file == scriptFileName || sameConsoleValue(last.value, set->second)) {
            continue;
        }
        const std::string line = std::to_string(last.line);
        if (last.alias.empty()) {
            report.finding(
                {QVL_TRANSLATABLE("Check", "%1 line %2 sets %3 \"%4\" after quarvel.cfg sets "
                                           "\"%5\"."),
                 {last.file, line, name, last.value, set->second}});
        } else {
            report.finding({QVL_TRANSLATABLE("Check", "%1 line %2 runs alias \"%3\", which sets "
                                                      "%4 \"%5\" after quarvel.cfg sets \"%6\"."),
                            {last.file, line, last.alias, name, last.value, set->second}});
        }
        bySavedSettings = bySavedSettings || last.file == savedSettingsFileName;
    }
    return bySavedSettings;
}

// Rates beyond the cap of the game version's rate rules, or below the least value the game
// raises them to, in quarvel.cfg and where they were set last.
void reportRates(Report& report, const ScriptSettings& settings) {
    const GameVersion version = report.options.version;
    const std::string_view beyond =
        version == GameVersion::Classic
            ? QVL_TRANSLATABLE("Check", "%1 sets %2 to %3, above %4, the most the classic game "
                                        "takes.")
            : QVL_TRANSLATABLE("Check", "%1 sets %2 to %3, above %4, the most today's Steam game "
                                        "takes.");
    const auto checkRate = [&](const std::string& file, const std::string& cvar,
                               const std::string& value, const RateRule& rule) {
        // The game reads a value without a number as 0, as atof does.
        const double number = consoleNumber(value).value_or(0);
        const RateLimit& cap = rule.limit(version);
        const RateLimit& floor = rule.floor(version);
        if (number > cap.value) {
            report.finding({beyond, {file, cvar, value, std::string(cap.text)}});
        } else if (!floor.text.empty() && number < floor.value) {
            report.finding({QVL_TRANSLATABLE("Check", "%1 sets %2 %3; the game raises it to %4."),
                            {file, cvar, value, std::string(floor.text)}});
        }
    };
    for (const RateRule& rule : rateRules) {
        const std::string cvar(editor(rule.field).cvar);
        for (const auto& [name, value] : settings) {
            if (name == cvar) {
                checkRate(std::string(scriptFileName), cvar, value, rule);
            }
        }
    }
    for (const RateRule& rule : rateRules) {
        const std::string cvar(editor(rule.field).cvar);
        const auto last = report.startUp.settings.find(cvar);
        if (last != report.startUp.settings.end() && last->second.file != scriptFileName) {
            checkRate(last->second.file, cvar, last->second.value, rule);
        }
    }
}

// A folder in a Steam library runs today's game, which starts with higher rates than the classic
// tweaks set: said when the classic game is chosen. cl_rate is no setting today's game keeps (it
// resets it on connecting, and it has no least value there), so it is left out.
void reportBelowTodaysStart(Report& report, const ScriptSettings& settings) {
    if (!report.options.inSteamLibrary || report.options.version != GameVersion::Classic) {
        return;
    }
    for (const RateRule& rule : rateRules) {
        const std::string cvar(editor(rule.field).cvar);
        const auto start = consoleNumber(rule.start(GameVersion::Steam));
        if (rule.floor(GameVersion::Steam).text.empty() || !start) {
            continue;
        }
        for (const auto& [name, value] : settings) {
            if (name == cvar && consoleNumber(value).value_or(0) < *start) {
                report.finding({QVL_TRANSLATABLE("Check", "quarvel.cfg sets %1 %2, below %3, "
                                                          "where today's Steam game starts: a "
                                                          "game in a Steam library is today's "
                                                          "game."),
                                {cvar, value, std::string(rule.start(GameVersion::Steam))}});
            }
        }
    }
}

void report(CheckReport& result, const StartUp& startUp, const CheckOptions& options) {
    Report report{result, startUp, options};
    const bool userconfigHooks = startUp.userconfig && runsScript(*startUp.userconfig);
    reportWhatRunsScript(report, userconfigHooks);

    const ScriptSettings settings = startUp.script ? settingsOf(*startUp.script) : ScriptSettings();
    if (startUp.script) {
        reportScriptItself(report, *startUp.script, settings);
    }
    reportReading(report);
    // Installing again to run quarvel.cfg from userconfig.cfg mends what config.cfg undid; when
    // userconfig.cfg runs it already, config.cfg not running userconfig.cfg was said above.
    if (reportUndoneSettings(report, settings) && !userconfigHooks) {
        report.line({QVL_TRANSLATABLE(
            "Check", "To make them hold, install again with \"Also run after the game's own "
                     "settings\" (install --userconfig): quarvel.cfg then runs after "
                     "config.cfg.")});
        result.runAfterSettings = true;
        result.remedyLine = result.lines.size() - 1;
    }
    if (!startUp.savedSettings) {
        report.line({QVL_TRANSLATABLE(
            "Check", "config.cfg is not there: the game has not saved its settings here yet.")});
    }
    reportRates(report, settings);
    reportBelowTodaysStart(report, settings);
    if (!result.findings && startUp.savedSettings) {
        report.line({QVL_TRANSLATABLE("Check", "Every setting of quarvel.cfg held.")});
    }
}

// One check: the start-up read with the folder held, so that it never reads an install or an
// uninstall that another Quarvel is in the middle of, and what was found said.
class Checkup final : public FolderWork {
public:
    Checkup(const fs::path& directory, FileIo& io, const CheckOptions& options, CheckReport& result)
        : FolderWork(FileStep::Check, directory), directory_(directory), io_(io), options_(options),
          result_(result) {}

    Expected<void> look() override {
        if (Expected<void> there = lookAtFolder(directory_, FileStep::Check); !there) {
            return there;
        }
        report(result_, readStartUp(directory_, io_), options_);
        return {};
    }

private:
    const fs::path& directory_;
    FileIo& io_;
    const CheckOptions& options_;
    CheckReport& result_;
};

// A failure to read or hold the folder, told as the check's own.
Failure checkFailure(Failure failure) {
    failure.step = FileStep::Check;
    return failure;
}

} // namespace

CheckReport checkTweaks(const fs::path& directory, const CheckOptions& options, FileIo& io) {
    CheckReport result;
    Checkup checkup(directory, io, options, result);
    if (const Expected<void> done = underFolderLock(io, directory, checkup); !done) {
        return {.failure = checkFailure(done.failure())};
    }
    return result;
}

} // namespace quarvel
