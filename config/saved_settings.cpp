#include "config/saved_settings.h"

#include "config/console_script.h"
#include "core/ascii.h"

#include <algorithm>
#include <map>

namespace quarvel {

namespace {

// The last command of config.cfg that sets a setting.
struct LastSet {
    std::size_t line = 0;
    std::vector<std::string_view> words; // views into config.cfg
};

// A change to config.cfg: the bytes from `start` to `end` become `text`.
struct Edit {
    std::size_t start;
    std::size_t end;
    std::string text;
};

std::size_t offsetOf(std::string_view text, std::string_view part) {
    return static_cast<std::size_t>(part.data() - text.data());
}

// Whether a word stands in double quotes in the text.
bool quotedIn(std::string_view text, std::string_view word) {
    const std::size_t at = offsetOf(text, word);
    return at > 0 && text[at - 1] == '"';
}

// Where a word ends, with its closing quote.
std::size_t endOf(std::string_view text, std::string_view word) {
    const std::size_t end = offsetOf(text, word) + word.size();
    return quotedIn(text, word) && end < text.size() && text[end] == '"' ? end + 1 : end;
}

bool scriptValue(std::string_view value, const RecordedSetting& setting,
                 const std::vector<std::pair<std::string, std::string>>& scriptSets) {
    const auto same = [&](std::string_view other) { return sameConsoleValue(value, other); };
    return std::ranges::any_of(setting.scriptSets, same) ||
           std::ranges::any_of(scriptSets, [&](const auto& set) {
               return set.first == setting.name && same(set.second);
           });
}

// The commands of config.cfg as the console reads them: where each line begins, how many commands
// each holds, and the last command that sets each recorded setting.
struct ConfigCommands {
    std::vector<std::size_t> lineStarts;
    std::map<std::size_t, int> onLine;
    std::map<std::string, LastSet> last;
};

ConfigCommands commandsOf(std::string_view config, const std::vector<RecordedSetting>& recorded) {
    ConfigCommands commands;
    forEachLine(config, [&](std::string_view line) {
        commands.lineStarts.push_back(offsetOf(config, line));
        return true;
    });
    forEachCommand(config, [&](const ConsoleCommand& command) {
        ++commands.onLine[command.line];
        const std::string name = lowerAscii(command.words[0]);
        if (command.words.size() >= 2 &&
            std::ranges::find(recorded, name, &RecordedSetting::name) != recorded.end()) {
            commands.last[name] = {command.line, command.words};
        }
    });
    return commands;
}

// The edit that takes a setting's command out: its whole line when it is the line's only command.
Edit removal(std::string_view config, const ConfigCommands& commands, const LastSet& set) {
    if (commands.onLine.at(set.line) == 1) {
        const std::size_t index = set.line - 1;
        const std::vector<std::size_t>& starts = commands.lineStarts;
        return {starts[index], index + 1 < starts.size() ? starts[index + 1] : config.size(), ""};
    }
    return {offsetOf(config, set.words.front()), endOf(config, set.words.back()), ""};
}

std::string withEdits(std::string_view config, std::vector<Edit> edits) {
    std::ranges::sort(edits, {}, &Edit::start);
    std::string content;
    content.reserve(config.size());
    std::size_t at = 0;
    for (const Edit& edit : edits) {
        content.append(config.substr(at, edit.start - at)).append(edit.text);
        at = edit.end;
    }
    content.append(config.substr(at));
    return content;
}

} // namespace

SavedSettingsRestore
restoreSavedSettings(std::string_view config, const std::vector<RecordedSetting>& recorded,
                     const std::vector<std::pair<std::string, std::string>>& scriptSets) {
    const ConfigCommands commands = commandsOf(config, recorded);
    SavedSettingsRestore restore;
    std::vector<Edit> edits;
    for (const RecordedSetting& setting : recorded) {
        const auto found = commands.last.find(setting.name);
        if (found == commands.last.end()) {
            continue; // the game has not saved it
        }
        const LastSet& set = found->second;
        const std::string_view value = set.words[1];
        if (setting.before && sameConsoleValue(value, *setting.before)) {
            continue;
        }
        if (!scriptValue(value, setting, scriptSets)) {
            restore.kept.push_back({setting.name, std::string(value)});
            continue;
        }
        restore.putBack.push_back({setting.name, setting.before});
        if (setting.before) {
            // A value with a blank needs quotes the line did not have.
            const bool quote = !quotedIn(config, value) &&
                               setting.before->find_first_of(" \t/") != std::string::npos;
            edits.push_back({offsetOf(config, value), offsetOf(config, value) + value.size(),
                             quote ? "\"" + *setting.before + "\"" : *setting.before});
        } else {
            edits.push_back(removal(config, commands, set));
        }
    }
    restore.content = withEdits(config, std::move(edits));
    return restore;
}

} // namespace quarvel
