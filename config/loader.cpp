#include "config/loader.h"

#include "core/ascii.h"
#include "core/config_text.h"
#include "core/rate_rules.h"
#include "files/game_file.h"
#include "rates/rate_calculator.h"

#include <algorithm>
#include <new>

namespace quarvel {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && value.front() == valueQuote && value.back() == valueQuote) {
        value.remove_prefix(1);
        value.remove_suffix(1);
    }
    return value;
}

// True when the value set its editor.
bool apply(Engine& engine, const KnownCvar& cvar, const std::string& value) {
    const EditorId id = cvar.editor;
    switch (cvar.rule) {
    case LoadRule::Toggle:
    case LoadRule::InvertedToggle:
        if (value == "0" || value == "1") {
            const bool on = (value == "1") != (cvar.rule == LoadRule::InvertedToggle);
            engine.selectOption(id, on ? 1 : 0);
            return true;
        }
        return false;
    case LoadRule::Entries: {
        const std::string compared = cvar.lowerCase ? lowerAscii(value) : value;
        const auto entry = std::find(cvar.entries.begin(), cvar.entries.end(), compared);
        if (entry != cvar.entries.end()) {
            engine.selectItem(id, static_cast<int>(entry - cvar.entries.begin()));
            return true;
        }
        return false;
    }
    case LoadRule::Text:
        engine.setText(id, value);
        return true;
    case LoadRule::RecordOnly:
        break;
    }
    return false;
}

} // namespace

ConfigReader::ConfigReader(LoadedValues& values)
    : values_(values), lines_([this](std::string_view line, bool cut) { read(line, cut); }) {}

void ConfigReader::feed(std::string_view bytes) {
    // The byte-order mark some editors put first may arrive split over pieces.
    while (atFileStart_ && !bytes.empty()) {
        if (bytes.front() == byteOrderMark[markBytes_]) {
            bytes.remove_prefix(1);
            atFileStart_ = ++markBytes_ < byteOrderMark.size();
        } else {
            atFileStart_ = false;
            lines_.feed(byteOrderMark.substr(0, markBytes_)); // the start of a mark that was none
        }
    }
    lines_.feed(bytes);
}

void ConfigReader::finish() {
    lines_.finish();
}

void ConfigReader::read(std::string_view line, bool cut) {
    const std::size_t head = line.find(' ');
    if (head == std::string_view::npos || head == 0) {
        return;
    }
    const int cvar = knownCvarIndex(line.substr(0, head));
    const std::size_t end = line.find(' ', head + 1);
    if (cvar < 0 || (end == std::string_view::npos && cut)) {
        return;
    }
    // What follows the value is a comment or noise.
    const std::string_view value = withoutQuotes(line.substr(head + 1, end - (head + 1)));
    if (!isSingleValue(value)) {
        return; // a line that would carry a second command into the script is passed over
    }
    values_.cvarFound[static_cast<std::size_t>(cvar)] = true;
    values_.cvarValue[static_cast<std::size_t>(cvar)] = value;
}

LoadReport applyLoadedValues(Engine& engine, const LoadedValues& values) {
    LoadReport report;
    const auto applyOne = [&](std::size_t k) {
        const KnownCvar& cvar = knownCvars[k];
        const std::string& value = values.cvarValue[k];
        if (cvar.editor != noEditor && !engine.offers(cvar.editor)) {
            report.skipped.push_back(cvar.name);
            return;
        }
        if (!apply(engine, cvar, value)) {
            return;
        }
        ++report.applied;
        if (const RateRule* rule = rateRuleOf(cvar.editor)) {
            const auto number = rates::parseRate(value);
            if (number && *number > engine.limitOf(*rule).value) {
                report.lowered.push_back({cvar.name, value, engine.limitOf(*rule).text});
            }
        }
    };
    // Under today's game a packet rate the file sets is not to be overwritten by the one its byte
    // rate derives: it goes last.
    const auto derivedLater = [&](const KnownCvar& cvar) {
        return engine.gameVersion() == GameVersion::Steam &&
               std::any_of(rateRules.begin(), rateRules.end(),
                           [&](const RateRule& rule) { return rule.derived == cvar.editor; });
    };
    std::vector<std::size_t> later;
    for (std::size_t k = 0; k < knownCvars.size(); ++k) {
        if (values.cvarFound[k]) {
            if (derivedLater(knownCvars[k])) {
                later.push_back(k);
            } else {
                applyOne(k);
            }
        }
    }
    for (const std::size_t k : later) {
        applyOne(k);
    }
    return report;
}

std::string loadNotes(const LoadReport& report, GameVersion version) {
    std::string notes;
    for (const LoweredSetting& lowered : report.lowered) {
        notes.append(notes.empty() ? "" : ", ")
            .append(lowered.cvar)
            .append(" ")
            .append(lowered.value)
            .append(" lowered to ")
            .append(lowered.limit);
    }
    if (!report.skipped.empty()) {
        const bool one = report.skipped.size() == 1;
        const GameVersion other = otherVersion(version);
        notes.append(notes.empty() ? "" : " and ")
            .append(std::to_string(report.skipped.size()))
            .append(one ? " setting of " : " settings of ")
            .append(other == GameVersion::Steam ? "today's game" : "the classic game")
            .append(" skipped: choose --limits ")
            .append(nameOf(other).shortName)
            .append(one ? " first to keep it" : " first to keep them");
    }
    return notes;
}

Expected<LoadReport> loadConfig(Engine& engine, const std::filesystem::path& file, FileIo& io) {
    LoadedValues values;
    try {
        ConfigReader reader(values);
        if (Expected<void> read =
                readInPieces(io, file, [&](std::string_view piece) { reader.feed(piece); });
            !read) {
            return read.failure();
        }
        reader.finish();
    } catch (const std::bad_alloc&) {
        return Failure{.step = FileStep::Read, .problem = FileProblem::OutOfMemory, .file = file};
    }
    return applyLoadedValues(engine, values);
}

} // namespace quarvel
