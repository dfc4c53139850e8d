#include "config/check.h"

#include "config/console_script.h"
#include "config/exec_line.h"
#include "config/folder_lock.h"
#include "config/game_file.h"
#include "config/script.h"
#include "core/ascii.h"
#include "core/rate_rules.h"
#include "rates/rate_calculator.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <new>
#include <set>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

// As deep as the check follows exec lines into one another.
constexpr int deepestFile = 16;

// The cvars the tweaks write, in lower case: those the check follows.
const std::set<std::string>& tweakCvars() {
    static const std::set<std::string> cvars = [] {
        std::set<std::string> names;
        const auto add = [&](std::string_view line) {
            names.insert(lowerAscii(line.substr(0, line.find(' '))));
        };
        for (int slot = 0; slot < slotCount; ++slot) {
            const EditorDef& def = editor(slot);
            for (const ListItem& item : def.items) {
                for (std::string_view rest = item.line; !rest.empty();) {
                    const std::size_t end = rest.find("\r\n");
                    add(rest.substr(0, end));
                    rest =
                        end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
                }
            }
            for (const std::string_view cvar : {def.cvar, def.cvar2}) {
                if (!cvar.empty()) {
                    add(cvar);
                }
            }
        }
        return names;
    }();
    return cvars;
}

// exec takes a .cfg or .rc file of the game folder only.
bool runnable(std::string_view name) {
    const std::string lower = lowerAscii(name);
    return (lower.ends_with(".cfg") || lower.ends_with(".rc")) && !name.starts_with('/') &&
           name.find_first_of("\\:~") == std::string_view::npos &&
           name.find("..") == std::string_view::npos;
}

std::optional<double> numberIn(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The game reads a number as a number ("100" and "100.000000" are one value), and a word in any
// case.
bool sameValue(std::string_view a, std::string_view b) {
    const auto x = numberIn(a);
    const auto y = numberIn(b);
    return x && y ? *x == *y : equalsIgnoringCase(a, b);
}

// Where a cvar was last set.
struct Setter {
    std::string file;
    std::size_t line = 0;
    std::string value;
};

// A config of the folder, read once however often it runs; nothing when it is not there.
struct Config {
    std::optional<std::string> content;
    bool unreadable = false;
};

// The start-up as the game runs it, with what it found.
class StartUp {
public:
    StartUp(FileIo& io, const fs::path& directory, CheckReport& report)
        : io_(io), directory_(directory), report_(report) {}

    const Config& config(const std::string& name) {
        const auto known = configs_.find(name);
        if (known != configs_.end()) {
            return known->second;
        }
        Config& config = configs_[name];
        auto file = GameFile::look(io_, directory_ / pathFromUtf8(name), FileStep::Read);
        Expected<std::string> content = file ? file->read() : Expected<std::string>(file.failure());
        if (!content) {
            config.unreadable = true;
            finding({QVL_TRANSLATABLE("Check", "%1 cannot be read, so the start-up went on "
                                               "without it: %2."),
                     {name, reasonText(content.failure())}});
        } else if (file->exists()) {
            config.content = std::move(*content);
        }
        return config;
    }

    void run(const std::string& name) {
        ran_.insert(name);
        running_.push_back(name);
        const Config& file = config(name);
        if (file.content) {
            forEachCommand(*file.content,
                           [&](const ConsoleCommand& command) { follow(name, command); });
        }
        running_.pop_back();
    }

    void finding(Sentence sentence) {
        report_.findings = true;
        notices_.push_back(std::move(sentence));
    }

    std::vector<Sentence> notices_;
    std::map<std::string, Setter> last_;           // every tweak cvar set, by lower-case name
    std::map<std::string, std::string> scriptSet_; // what quarvel.cfg set when it last ran
    std::vector<std::string> runners_;             // the files whose exec lines ran quarvel.cfg
    std::set<std::string> ran_;                    // every file the start-up ran
    bool savedSettingsBegan_ = false;
    bool scriptRanAfterSavedSettings_ = false;

private:
    void follow(const std::string& file, const ConsoleCommand& command) {
        const std::string name = lowerAscii(command.words[0]);
        if (name == "exec" && command.words.size() >= 2 && runnable(command.words[1])) {
            execute(file, command);
        } else if (command.words.size() >= 2 && tweakCvars().contains(name)) {
            const std::string value(command.words[1]);
            last_[name] = Setter{file, command.line, value};
            if (file == scriptFileName) {
                scriptSet_[name] = value;
            }
        }
    }

    void execute(const std::string& file, const ConsoleCommand& command) {
        const std::string next(command.words[1]);
        const std::vector<std::string> where{file, std::to_string(command.line), next};
        if (std::find(running_.begin(), running_.end(), next) != running_.end()) {
            notices_.push_back(
                {QVL_TRANSLATABLE("Check", "%1 line %2 runs %3, which is already running: the "
                                           "check does not enter it again."),
                 where});
            return;
        }
        if (running_.size() >= deepestFile) {
            notices_.push_back({QVL_TRANSLATABLE("Check", "%1 line %2 runs %3 more than 16 files "
                                                          "deep: the check goes no deeper."),
                                where});
            return;
        }
        if (execs(command, scriptFileName) && config(std::string(scriptFileName)).content) {
            if (std::find(runners_.begin(), runners_.end(), file) == runners_.end()) {
                runners_.push_back(file);
            }
            scriptRanAfterSavedSettings_ = scriptRanAfterSavedSettings_ || savedSettingsBegan_;
        }
        run(execs(command, scriptFileName) ? std::string(scriptFileName) : next);
    }

    FileIo& io_;
    const fs::path& directory_;
    CheckReport& report_;
    std::map<std::string, Config> configs_;
    std::vector<std::string> running_;
};

// The tweak cvars a script sets, in the order it first sets them, with the last value of each.
using Settings = std::vector<std::pair<std::string, std::string>>;

Settings settingsOf(std::string_view script) {
    Settings settings;
    forEachCommand(script, [&](const ConsoleCommand& command) {
        const std::string name = lowerAscii(command.words[0]);
        if (command.words.size() < 2 || !tweakCvars().contains(name)) {
            return;
        }
        const auto known = std::find_if(settings.begin(), settings.end(),
                                        [&](const auto& setting) { return setting.first == name; });
        if (known == settings.end()) {
            settings.emplace_back(name, command.words[1]);
        } else {
            known->second = command.words[1];
        }
    });
    return settings;
}

bool writtenByQuarvel(std::string_view script) {
    const std::string header = scriptHeader();
    return script.starts_with(header) &&
           (script.size() == header.size() || script[header.size()] == '\r' ||
            script[header.size()] == '\n');
}

// The check's lines as they are found; a finding also makes the tweaks not held.
struct Report {
    CheckReport& result;
    StartUp& startUp;

    void line(Sentence sentence) { result.lines.push_back(std::move(sentence)); }
    void finding(Sentence sentence) {
        line(std::move(sentence));
        result.findings = true;
    }
};

// Whether quarvel.cfg is there and what runs it.
void reportWhatRunsScript(Report& report, bool userconfigHooks) {
    const Config& scriptFile = report.startUp.config(std::string(scriptFileName));
    if (!scriptFile.content && !scriptFile.unreadable) {
        report.finding({QVL_TRANSLATABLE("Check", "quarvel.cfg is not there: the tweaks are not "
                                                  "installed in this folder.")});
    } else if (scriptFile.content && report.startUp.runners_.empty()) {
        report.finding({userconfigHooks
                            ? QVL_TRANSLATABLE("Check", "quarvel.cfg is there, but nothing "
                                                        "the game runs at start runs it yet.")
                            : QVL_TRANSLATABLE("Check", "quarvel.cfg is there, but neither "
                                                        "autoexec.cfg nor userconfig.cfg "
                                                        "runs it.")});
    }
    for (const std::string& runner : report.startUp.runners_) {
        report.line({QVL_TRANSLATABLE("Check", "%1 runs quarvel.cfg."), {runner}});
    }
    if (userconfigHooks && !report.startUp.ran_.contains(std::string(userconfigFileName))) {
        report.line({QVL_TRANSLATABLE(
            "Check", "userconfig.cfg runs quarvel.cfg, but config.cfg does not run userconfig.cfg "
                     "yet: the game adds that line when it next saves its settings at exit.")});
    }
}

// A quarvel.cfg of the player's own, or one that sets nothing, is no install of Quarvel's.
void reportScriptItself(Report& report, const std::string& script, const Settings& settings) {
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

// Every setting that a file run later sets back; true when config.cfg set any of them back.
bool reportUndoneSettings(Report& report, const Settings& settings) {
    bool bySavedSettings = false;
    for (const auto& [name, ignored] : settings) {
        const auto set = report.startUp.scriptSet_.find(name);
        if (set == report.startUp.scriptSet_.end()) {
            continue; // quarvel.cfg did not run
        }
        const Setter& last = report.startUp.last_.at(name);
        if (last.file != scriptFileName && !sameValue(last.value, set->second)) {
            report.finding(
                {QVL_TRANSLATABLE("Check", "%1 line %2 sets %3 \"%4\" after quarvel.cfg sets "
                                           "\"%5\"."),
                 {last.file, std::to_string(last.line), name, last.value, set->second}});
            bySavedSettings = bySavedSettings || last.file == savedSettingsFileName;
        }
    }
    return bySavedSettings;
}

// Rates above what the game version takes, in quarvel.cfg and where they were set last.
void reportRates(Report& report, const Settings& settings, GameVersion version) {
    const std::string script(scriptFileName);
    const std::string_view beyond =
        version == GameVersion::Classic
            ? QVL_TRANSLATABLE("Check", "%1 sets %2 to %3, above %4, the most the classic game "
                                        "takes.")
            : QVL_TRANSLATABLE("Check", "%1 sets %2 to %3, above %4, the most the Steam build "
                                        "takes.");
    const auto checkRate = [&](const std::string& file, std::string_view cvar,
                               const std::string& value, const RateLimit& limit) {
        if (const auto number = rates::parseRate(value); number && *number > limit.value) {
            report.finding({beyond, {file, std::string(cvar), value, std::string(limit.text)}});
        }
    };
    for (const RateRule& rule : rateRules) {
        const std::string_view cvar = editor(rule.field).cvar;
        for (const auto& [name, value] : settings) {
            if (name == cvar) {
                checkRate(script, cvar, value, rule.limit(version));
            }
        }
    }
    for (const RateRule& rule : rateRules) {
        const std::string cvar(editor(rule.field).cvar);
        const auto last = report.startUp.last_.find(cvar);
        if (last != report.startUp.last_.end() && last->second.file != script) {
            checkRate(last->second.file, cvar, last->second.value, rule.limit(version));
        }
    }
}

void report(CheckReport& result, StartUp& startUp, GameVersion version) {
    Report report{result, startUp};
    const Config& scriptFile = startUp.config(std::string(scriptFileName));
    const Config& userconfig = startUp.config(std::string(userconfigFileName));
    const bool userconfigHooks = userconfig.content && runsScript(*userconfig.content);
    reportWhatRunsScript(report, userconfigHooks);

    const Settings settings = scriptFile.content ? settingsOf(*scriptFile.content) : Settings();
    if (scriptFile.content) {
        reportScriptItself(report, *scriptFile.content, settings);
    }
    for (Sentence& notice : startUp.notices_) {
        report.line(std::move(notice));
    }
    if (reportUndoneSettings(report, settings) && !startUp.scriptRanAfterSavedSettings_ &&
        !userconfigHooks) {
        report.line({QVL_TRANSLATABLE(
            "Check", "To make them hold, install again with \"Also run after the game's own "
                     "settings\" (install --userconfig): quarvel.cfg then runs after "
                     "config.cfg.")});
        result.runAfterSettings = true;
    }
    const bool savedSettings =
        startUp.config(std::string(savedSettingsFileName)).content.has_value();
    if (!savedSettings) {
        report.line({QVL_TRANSLATABLE(
            "Check", "config.cfg is not there: the game has not saved its settings here yet.")});
    }
    reportRates(report, settings, version);
    if (!result.findings && savedSettings) {
        report.line({QVL_TRANSLATABLE("Check", "Every setting of quarvel.cfg held.")});
    }
}

} // namespace

CheckReport checkTweaks(const fs::path& directory, GameVersion version, FileIo& io) {
    CheckReport result;
    if (Outcome failed = lookAtFolder(directory, FileStep::Read)) {
        result.failure = std::move(failed);
        return result;
    }
    // Never read an install or an uninstall that another Quarvel is in the middle of.
    const Expected<FolderLock> lock = FolderLock::take(io, directory);
    if (!lock) {
        result.failure = lock.failure();
        return result;
    }
    try {
        StartUp startUp(io, directory, result);
        startUp.config(std::string(scriptFileName)); // said first when it cannot be read
        startUp.run(std::string(autoexecFileName));
        startUp.savedSettingsBegan_ = true;
        startUp.run(std::string(savedSettingsFileName));
        report(result, startUp, version);
    } catch (const std::bad_alloc&) {
        result = {.failure = Failure{.step = FileStep::Read,
                                     .problem = FileProblem::OutOfMemory,
                                     .file = directory}};
    }
    return result;
}

} // namespace quarvel
