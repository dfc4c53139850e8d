#include "config/start_up.h"

#include "config/script.h"
#include "core/ascii.h"
#include "core/catalogue.h"
#include "files/game_file.h"

#include <algorithm>
#include <deque>
#include <system_error>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

// Where a command runs: a line of a file, and the alias that line ran, if any.
struct Origin {
    std::size_t config = 0;
    std::size_t line = 0;
    std::string_view alias{}; // as written on the line
};

// A file of the folder, looked at once and read at most once.
struct Config {
    std::string name;               // the spelling it was first named by, without "./"
    std::optional<GameFile> file{}; // nothing when the look failed
    std::optional<Failure> failure{};
    std::shared_ptr<const std::string> text{};
    bool read = false;  // reading it was tried
    bool noted = false; // as unreadable
    bool running = false;
};

class Reader {
public:
    Reader(const fs::path& folder, FileIo& io, StartUpOptions options, StartUp& found)
        : folder_(folder), io_(io), options_(options), found_(found) {}

    void read() {
        script_ = *configNamed(std::string(scriptFileName), nullptr);
        const std::size_t autoexec = *configNamed(std::string(autoexecFileName), nullptr);
        const std::size_t saved = *configNamed(std::string(savedSettingsFileName), nullptr);
        userconfig_ = *configNamed(std::string(userconfigFileName), nullptr);
        if (!options_.withoutScript) {
            found_.script = textOf(script_); // said first when it cannot be read
            found_.scriptUnreadable = configs_[script_].failure.has_value();
        }
        runFirst(autoexec);
        settingsBegan_ = true;
        if (!found_.stopped) {
            runFirst(saved);
        }
        const Config& savedSettings = configs_[saved];
        found_.savedSettings =
            savedSettings.failure || (savedSettings.file && savedSettings.file->exists());
        found_.userconfig = textOf(userconfig_, false); // only to see what it runs
        found_.aliasesDefined = aliases_.size();
    }

private:
    // The file a name within the folder leads to, looked at when it is first named; nothing when
    // the reading stopped because too many names were given.
    std::optional<std::size_t> configNamed(const std::string& name, const Origin* from) {
        const std::string key = fileNameKey(name);
        if (const auto known = byName_.find(key); known != byName_.end()) {
            return known->second;
        }
        if (from && byName_.size() >= mostFilesNamed) {
            stop(StartUpStop::Limit::Names, *from);
            return std::nullopt;
        }
        Config config{.name = name};
        if (const auto path = pathOf(name)) {
            auto file = GameFile::look(io_, *path, FileStep::Read);
            if (!file) {
                config.failure = file.failure();
            } else {
                config.file = std::move(*file);
            }
        }
        // Another name of a file already known (a link, or another case on Windows) is that file.
        std::optional<std::pair<std::uint64_t, std::uint64_t>> identity;
        if (config.file && config.file->exists() && config.file->facts().index != 0) {
            identity.emplace(config.file->facts().device, config.file->facts().index);
            if (const auto same = byIdentity_.find(*identity); same != byIdentity_.end()) {
                return byName_[key] = same->second;
            }
        }
        const std::size_t index = configs_.size();
        configs_.push_back(std::move(config));
        if (identity) {
            byIdentity_[*identity] = index;
        }
        return byName_[key] = index;
    }

    // Where a name leads in the folder; nothing for a name no file can have (a NUL in it, or on
    // Windows bytes that are no UTF-8), which is not there.
    std::optional<fs::path> pathOf(const std::string& name) const {
        if (name.find('\0') != std::string::npos) {
            return std::nullopt;
        }
        try {
            return folder_ / pathFromUtf8(name);
        } catch (const std::system_error&) {
            return std::nullopt;
        }
    }

    // The file's text, read the first time it is asked for; null when it is not there or cannot
    // be read, which is noted once when it is to run.
    std::shared_ptr<const std::string> textOf(std::size_t index, bool toRun = true) {
        Config& config = configs_[index];
        if (!config.read) {
            config.read = true;
            if (config.file && config.file->exists()) {
                Expected<std::string> text = config.file->read();
                if (text) {
                    config.text = std::make_shared<const std::string>(std::move(*text));
                } else {
                    config.failure = text.failure();
                }
            }
        }
        if (config.failure && toRun && !config.noted) {
            config.noted = true;
            found_.unreadable.push_back({config.name, *config.failure});
        }
        return config.text;
    }

    // autoexec.cfg and config.cfg, which the game itself runs.
    void runFirst(std::size_t index) {
        if (const auto text = textOf(index)) {
            run(index, *text);
        }
    }

    void run(std::size_t index, const std::string& text) {
        found_.textRun += text.size();
        configs_[index].running = true;
        running_.push_back(index);
        forEachCommand(text, [&](const ConsoleCommand& command) {
            if (!found_.stopped) {
                runCommand(command.words, Origin{.config = index, .line = command.line});
            }
        });
        running_.pop_back();
        configs_[index].running = false;
    }

    void runCommand(const std::vector<std::string_view>& words, const Origin& from) {
        const std::string name = lowerAscii(words[0]);
        if (runsAlias(name)) {
            runAlias(words[0], from);
        } else {
            runPlain(name, words, from);
        }
    }

    // The console's own commands come before aliases, and aliases before settings.
    bool runsAlias(const std::string& name) const {
        return name != "exec" && name != "alias" && aliases_.contains(name);
    }

    void runPlain(const std::string& name, const std::vector<std::string_view>& words,
                  const Origin& from) {
        if (name == "exec") {
            if (words.size() >= 2) {
                exec(words[1], from);
            }
        } else if (name == "alias") {
            if (words.size() >= 3) {
                define(words, from);
            }
        } else if (words.size() >= 2 && tweakCvars().contains(name)) {
            found_.settings[name] = SetBy{configs_[from.config].name, from.line,
                                          std::string(words[1]), std::string(from.alias)};
            if (from.config == script_) {
                found_.scriptSet[name] = words[1];
            }
        }
    }

    void exec(std::string_view word, const Origin& from) {
        const std::optional<std::string> target = execTarget(word);
        if (!target) {
            return; // the game runs no such name
        }
        const std::optional<std::size_t> index = configNamed(*target, &from);
        if (!index || (*index == script_ && options_.withoutScript)) {
            return;
        }
        if (configs_[*index].running) {
            cut(StartUpCut::Kind::Running, from, configs_[*index].name);
            return;
        }
        if (running_.size() >= deepestRun) {
            cut(StartUpCut::Kind::TooDeep, from, configs_[*index].name);
            return;
        }
        const auto text = textOf(*index);
        if (!text) {
            return; // not there, or unreadable: the game goes on without it
        }
        if (found_.filesRun >= mostFilesRun) {
            stop(StartUpStop::Limit::Files, from);
            return;
        }
        if (found_.textRun + text->size() > mostTextRun) {
            stop(StartUpStop::Limit::Text, from);
            return;
        }
        ++found_.filesRun;
        const std::string& runner = configs_[from.config].name;
        if (*index == script_ && std::find(found_.scriptRunners.begin(), found_.scriptRunners.end(),
                                           runner) == found_.scriptRunners.end()) {
            found_.scriptRunners.push_back(runner);
        }
        if (*index == userconfig_) {
            if (settingsBegan_) {
                found_.userconfigAfterSettings = true;
            } else if (!found_.userconfigEarly) {
                found_.userconfigEarly.emplace(runner, from.line);
            }
        }
        run(*index, *text);
    }

    // alias NAME COMMANDS: the words after the name, joined by blanks, replace what NAME ran.
    void define(const std::vector<std::string_view>& words, const Origin& from) {
        std::string name = lowerAscii(words[1]);
        if (!aliases_.contains(name) && aliases_.size() >= mostAliases) {
            stop(StartUpStop::Limit::Aliases, from);
            return;
        }
        std::string commands;
        for (std::size_t word = 2; word < words.size(); ++word) {
            commands.append(word > 2 ? " " : "").append(words[word]);
        }
        aliases_[std::move(name)] = std::make_shared<const std::string>(std::move(commands));
    }

    // Runs an alias's commands where the line stands, and the aliases they run in turn, one
    // command at a time and without the program's own stack growing with them.
    void runAlias(std::string_view written, Origin from) {
        from.alias = written; // the line's alias is named with whatever it sets
        struct Frame {
            std::shared_ptr<const std::string> commands; // kept while they run
            std::string_view rest;
            std::string name;
            bool more = true;
        };
        std::vector<Frame> frames;
        std::size_t steps = 0;
        bool itself = false;
        const auto enter = [&](std::string name) {
            if (++steps > mostAliasSteps) {
                cut(itself ? StartUpCut::Kind::AliasItself : StartUpCut::Kind::AliasSteps, from,
                    std::string(written));
                return false;
            }
            if (found_.aliasRuns >= mostAliasRuns) {
                stop(StartUpStop::Limit::AliasRuns, from);
                return false;
            }
            ++found_.aliasRuns;
            auto commands = aliases_.at(name);
            const std::string_view text = *commands;
            frames.push_back({std::move(commands), text, std::move(name)});
            return true;
        };
        if (!enter(lowerAscii(written))) {
            return;
        }
        std::vector<std::string_view> words;
        while (!frames.empty() && !found_.stopped) {
            Frame& top = frames.back();
            if (!top.more) {
                frames.pop_back();
                continue;
            }
            top.more = takeCommand(top.rest, words);
            if (words.empty()) {
                continue;
            }
            std::string name = lowerAscii(words[0]);
            if (runsAlias(name)) {
                itself =
                    itself || std::any_of(frames.begin(), frames.end(),
                                          [&](const Frame& frame) { return frame.name == name; });
                if (!enter(std::move(name))) {
                    return;
                }
            } else {
                runPlain(name, words, from);
            }
        }
    }

    // Once for each line's file and cause.
    void cut(StartUpCut::Kind kind, const Origin& from, std::string target) {
        if (cutsSaid_.emplace(kind, from.config).second) {
            found_.cuts.push_back({kind, configs_[from.config].name, from.line, std::move(target)});
        }
    }

    void stop(StartUpStop::Limit limit, const Origin& from) {
        found_.stopped = StartUpStop{limit, configs_[from.config].name, from.line};
    }

    const fs::path& folder_;
    FileIo& io_;
    StartUpOptions options_;
    StartUp& found_;
    std::deque<Config> configs_;
    std::map<std::string, std::size_t> byName_;
    std::map<std::pair<std::uint64_t, std::uint64_t>, std::size_t> byIdentity_;
    std::map<std::string, std::shared_ptr<const std::string>> aliases_; // by lower-case name
    std::vector<std::size_t> running_;
    std::set<std::pair<StartUpCut::Kind, std::size_t>> cutsSaid_;
    std::size_t script_ = 0;
    std::size_t userconfig_ = 0;
    bool settingsBegan_ = false;
};

} // namespace

StartUp readStartUp(const fs::path& folder, FileIo& io, StartUpOptions options) {
    StartUp found;
    Reader(folder, io, options, found).read();
    return found;
}

const std::set<std::string>& tweakCvars() {
    static const std::set<std::string> cvars = [] {
        std::set<std::string> names;
        const auto add = [&](std::string_view line) {
            names.insert(lowerAscii(line.substr(0, line.find(' '))));
        };
        for (int slot = 0; slot < slotCount; ++slot) {
            const EditorDef& def = editor(slot);
            for (const ListItem& item : def.items) {
                forEachLine(item.line, [&](std::string_view line) { return add(line), true; });
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

ScriptSettings settingsOf(std::string_view script) {
    ScriptSettings settings;
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

} // namespace quarvel
