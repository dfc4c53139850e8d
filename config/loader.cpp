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

constexpr std::size_t longestKnownName = [] {
    std::size_t longest = 0;
    for (const auto& cvar : knownCvars) {
        longest = std::max(longest, cvar.name.size());
    }
    return longest;
}();

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

ConfigReader::ConfigReader(LoadedValues& values) : values_(values) {}

void ConfigReader::feed(std::string_view bytes) {
    // The byte-order mark some editors put first may arrive split over pieces.
    while (atFileStart_ && !bytes.empty()) {
        if (bytes.front() == byteOrderMark[markBytes_]) {
            bytes.remove_prefix(1);
            atFileStart_ = ++markBytes_ < byteOrderMark.size();
        } else {
            atFileStart_ = false;
            consume(byteOrderMark.substr(0, markBytes_)); // the start of a mark that was none
        }
    }
    consume(bytes);
}

void ConfigReader::consume(std::string_view bytes) {
    for (const char c : bytes) {
        if (c == '\n' && afterCarriageReturn_) {
            afterCarriageReturn_ = false; // the second half of a CR LF
            continue;
        }
        afterCarriageReturn_ = c == '\r';
        if (c == '\r' || c == '\n') {
            endLine();
            continue;
        }
        switch (state_) {
        case State::Head:
            if (c == ' ') {
                cvar_ = head_.empty() ? -1 : knownCvarIndex(head_);
                state_ = cvar_ < 0 ? State::SkipLine : State::Value;
            } else if (head_.size() == longestKnownName) {
                state_ = State::SkipLine; // too long to be a known name
            } else {
                head_.push_back(c);
            }
            break;
        case State::Value:
            if (c == ' ') {
                record(); // what follows the value is a comment or noise
                state_ = State::SkipLine;
            } else if (value_.size() == maxValueLength) {
                state_ = State::SkipLine;
            } else {
                value_.push_back(c);
            }
            break;
        case State::SkipLine:
            break;
        }
    }
}

void ConfigReader::finish() {
    endLine();
}

void ConfigReader::endLine() {
    if (state_ == State::Value) {
        record();
    }
    state_ = State::Head;
    head_.clear();
    value_.clear();
    cvar_ = -1;
}

void ConfigReader::record() {
    const std::string_view value = withoutQuotes(value_);
    if (!isSingleValue(value)) {
        return; // a line that would carry a second command into the script is passed over
    }
    values_.cvarFound[static_cast<std::size_t>(cvar_)] = true;
    values_.cvarValue[static_cast<std::size_t>(cvar_)] = value;
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
        const GameVersion other =
            version == GameVersion::Classic ? GameVersion::Steam : GameVersion::Classic;
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
