#include "config/restore_record.h"

#include "config/console_script.h"
#include "config/exec_line.h"
#include "config/script.h"
#include "core/ascii.h"
#include "core/config_text.h"
#include "core/printable_text.h"

#include <algorithm>
#include <array>

namespace quarvel {

namespace {

constexpr std::string_view header =
    "// Quarvel's record of your settings from before the tweaks were installed.\r\n"
    "// Remove Tweaks puts them back into config.cfg and deletes this file. Nothing runs it at\r\n"
    "// start: to set them back by hand, type exec quarvel-restore.cfg in the game's console.\r\n";
constexpr std::string_view scriptSets = "quarvel.cfg sets ";
constexpr std::string_view earlier = ", earlier ";
constexpr std::string_view notSet = " was not set; ";
constexpr std::string_view createdStart = "// The install created ";
constexpr std::string_view endsStart = "// The install gave ";
constexpr std::string_view endsMiddle = " CR LF line ends where it had ";
constexpr std::string_view lastEndStart = "// The install ended the last line of ";

// The names of line ends in the record.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> endNames{
    {{"\n", "LF"}, {"\r", "CR"}, {"\r\n", "CR LF"}}};

// The configs an install may create; a record never names another file to delete.
constexpr std::array<std::string_view, 2> creatable{autoexecFileName, userconfigFileName};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// Takes a word in double quotes from the front of `text`.
std::optional<std::string> takeQuoted(std::string_view& text) {
    if (!text.starts_with('"')) {
        return std::nullopt;
    }
    const std::size_t close = text.find('"', 1);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    std::string word(text.substr(1, close - 1));
    text.remove_prefix(close + 1);
    return word;
}

// `quarvel.cfg sets "X", earlier "Y"`: the values quarvel.cfg set, the latest first.
std::optional<std::vector<std::string>> scriptValues(std::string_view text) {
    text = trimmed(text);
    if (!text.starts_with(scriptSets)) {
        return std::nullopt;
    }
    text.remove_prefix(scriptSets.size());
    std::vector<std::string> values;
    for (;;) {
        auto value = takeQuoted(text);
        if (!value) {
            return std::nullopt;
        }
        values.push_back(std::move(*value));
        if (!text.starts_with(earlier)) {
            break;
        }
        text.remove_prefix(earlier.size());
    }
    if (!trimmed(text).empty()) {
        return std::nullopt;
    }
    return values;
}

// Where the comment of a line begins: its first "//" outside double quotes.
std::size_t commentStart(std::string_view line) {
    bool quoted = false;
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] == '"') {
            quoted = !quoted;
        } else if (!quoted && line.substr(at, 2) == "//") {
            return at;
        }
    }
    return std::string_view::npos;
}

// A line that sets a value: `NAME "VALUE" // quarvel.cfg sets "X"`. Nothing when it is none.
std::optional<RecordedSetting> settingLine(std::string_view line, bool& unsafe) {
    const std::size_t comment = commentStart(line);
    std::vector<std::vector<std::string_view>> commands;
    forEachCommand(line.substr(0, comment),
                   [&](const ConsoleCommand& command) { commands.push_back(command.words); });
    if (commands.size() != 1 || commands.front().size() != 2) {
        return std::nullopt;
    }
    RecordedSetting setting{lowerAscii(commands.front()[0]), std::string(commands.front()[1])};
    if (comment != std::string_view::npos) {
        auto values = scriptValues(line.substr(comment + 2));
        if (!values) {
            return std::nullopt;
        }
        setting.scriptSets = std::move(*values);
    }
    unsafe = !safeConsoleValue(*setting.before);
    return setting;
}

// A comment line that says a setting was not set: `// NAME was not set; quarvel.cfg sets "X"`.
std::optional<RecordedSetting> notSetLine(std::string_view comment) {
    const std::size_t end = comment.find(notSet);
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view name = trimmed(comment.substr(0, end));
    auto values = scriptValues(comment.substr(end + notSet.size()));
    if (name.empty() || name.find_first_of(" \t\"") != std::string_view::npos || !values) {
        return std::nullopt;
    }
    return RecordedSetting{lowerAscii(name), std::nullopt, std::move(*values)};
}

// The line ends a config had before the install: the record gives, of the configs an install
// changes, the kind of its line ends and whether the last line had one.
void readLineEnds(std::string_view line, std::vector<ChangedLineEnds>& lineEnds) {
    for (const std::string_view file : creatable) {
        auto known = std::ranges::find(lineEnds, file, &ChangedLineEnds::file);
        const auto entry = [&]() -> ChangedLineEnds& {
            if (known == lineEnds.end()) {
                lineEnds.push_back({std::string(file), crlfEnds});
                known = lineEnds.end() - 1;
            }
            return *known;
        };
        if (line == std::string(lastEndStart).append(file).append(".")) {
            entry().was.lastEnded = false;
        }
        for (const auto& [ends, name] : endNames) {
            if (line == std::string(endsStart).append(file).append(endsMiddle).append(name) + ".") {
                entry().was.ends = ends;
            }
        }
    }
}

void appendQuoted(std::string& text, std::string_view value) {
    text.append("\"").append(value).append("\"");
}

void appendScriptSets(std::string& text, const std::vector<std::string>& values) {
    text.append(scriptSets);
    for (std::size_t i = 0; i < values.size(); ++i) {
        text.append(i == 0 ? "" : earlier);
        appendQuoted(text, values[i]);
    }
}

} // namespace

std::optional<LineEnds> RestoreRecord::lineEndsBefore(std::string_view file) const {
    const auto found = std::ranges::find(lineEnds, file, &ChangedLineEnds::file);
    return found == lineEnds.end() ? std::nullopt : std::optional<LineEnds>(found->was);
}

const RecordedSetting* RestoreRecord::find(std::string_view name) const {
    const auto found = std::ranges::find(settings, lowerAscii(name), &RecordedSetting::name);
    return found == settings.end() ? nullptr : &*found;
}

bool safeConsoleValue(std::string_view value) {
    return isSingleValue(value) && value.find('"') == std::string_view::npos;
}

RestoreRecord readRecord(std::string_view text,
                         const std::optional<std::vector<std::string>>& scriptNames) {
    RestoreRecord record;
    std::size_t number = 0;
    forEachLine(text, [&](std::string_view line) {
        ++number;
        const std::string_view content = trimmed(line);
        if (content.empty()) {
            return true;
        }
        const auto unused = [&](UnusedRecordLine::Why why) {
            record.unused.push_back({number, printableText(line), why});
        };
        std::optional<RecordedSetting> setting;
        bool unsafe = false;
        if (content.starts_with(createdStart)) {
            const std::string_view file = trimmed(content.substr(createdStart.size()));
            for (const std::string_view name : creatable) {
                if (file == std::string(name).append(".") &&
                    std::ranges::find(record.created, name) == record.created.end()) {
                    record.created.emplace_back(name);
                }
            }
            return true;
        }
        if (content.starts_with(endsStart) || content.starts_with(lastEndStart)) {
            readLineEnds(content, record.lineEnds);
            return true;
        }
        if (content.starts_with("//")) {
            setting = notSetLine(content.substr(2));
            if (!setting) {
                return true; // a comment, the header's or the player's own
            }
        } else {
            setting = settingLine(content, unsafe);
            if (!setting) {
                unused(UnusedRecordLine::Why::NotUnderstood);
                return true;
            }
        }
        if (scriptNames && std::ranges::find(*scriptNames, setting->name) == scriptNames->end()) {
            unused(UnusedRecordLine::Why::NotInScript);
        } else if (unsafe) {
            unused(UnusedRecordLine::Why::UnsafeValue);
        } else if (record.find(setting->name) != nullptr) {
            unused(UnusedRecordLine::Why::Again);
        } else {
            record.settings.push_back(std::move(*setting));
        }
        return true;
    });
    return record;
}

std::string recordText(const RestoreRecord& record) {
    std::string text(header);
    for (const RecordedSetting& setting : record.settings) {
        if (setting.before) {
            text.append(setting.name).append(" ");
            appendQuoted(text, *setting.before);
            text.append(" // ");
        } else {
            text.append("// ").append(setting.name).append(notSet);
        }
        appendScriptSets(text, setting.scriptSets);
        text.append(crlf);
    }
    for (const std::string& file : record.created) {
        text.append(createdStart).append(file).append(".").append(crlf);
    }
    for (const auto& [file, was] : record.lineEnds) {
        const auto name =
            std::ranges::find(endNames, was.ends, &decltype(endNames)::value_type::first);
        if (name != endNames.end() && was.ends != crlfEnds.ends) {
            text.append(endsStart).append(file).append(endsMiddle).append(name->second);
            text.append(".").append(crlf);
        }
        if (!was.lastEnded) {
            text.append(lastEndStart).append(file).append(".").append(crlf);
        }
    }
    return text;
}

std::string_view unusedWords(UnusedRecordLine::Why why) {
    switch (why) {
    case UnusedRecordLine::Why::NotUnderstood:
        return QVL_TRANSLATABLE("Install", "quarvel-restore.cfg line %1 was not used: it is no "
                                           "line Quarvel writes (%2).");
    case UnusedRecordLine::Why::NotInScript:
        return QVL_TRANSLATABLE("Install", "quarvel-restore.cfg line %1 was not used: Quarvel "
                                           "writes no such setting (%2).");
    case UnusedRecordLine::Why::UnsafeValue:
        return QVL_TRANSLATABLE("Install", "quarvel-restore.cfg line %1 was not used: its value "
                                           "cannot stand as one word of config.cfg (%2).");
    case UnusedRecordLine::Why::Again:
        return QVL_TRANSLATABLE("Install", "quarvel-restore.cfg line %1 was not used: an earlier "
                                           "line records that setting already (%2).");
    }
    return {};
}

} // namespace quarvel
