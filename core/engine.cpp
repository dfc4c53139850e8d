#include "core/engine.h"

#include "core/rate_rules.h"
#include "rates/rate_calculator.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

namespace quarvel {

namespace {

// What runs when an editor's state is set.
enum class Handler { OptionPair, List, UnitList, Field, RateField, SpeedField, None };

constexpr Handler handlerOf(EditorId id) {
    switch (editor(id).kind) {
    case EditorKind::OptionPair:
        return Handler::OptionPair;
    case EditorKind::List:
        return speedRuleIndex(id) >= 0 ? Handler::UnitList : Handler::List;
    case EditorKind::Field:
        if (speedRuleIndex(id) >= 0) {
            return Handler::SpeedField;
        }
        return rateRuleIndex(id) >= 0 ? Handler::RateField : Handler::Field;
    case EditorKind::Label:
        return Handler::None;
    }
    return Handler::None;
}

constexpr auto handlers = [] {
    std::array<Handler, editorCount> table{};
    for (int id = 0; id < editorCount; ++id) {
        table[id] = handlerOf(id);
    }
    return table;
}();

const RateRule& rateRuleFor(EditorId id) {
    return rateRules[static_cast<std::size_t>(rateRuleIndex(id))];
}
const SpeedRule& speedRuleFor(EditorId id) {
    return speedRules[static_cast<std::size_t>(speedRuleIndex(id))];
}

// A computed rate as the field's text, raised to the least value the game keeps: the game would
// raise a lower one anyway.
std::string derivedText(const RateRule& rule, GameVersion version, double value) {
    const RateLimit& floor = rule.floor(version);
    if (!floor.text.empty() && value < floor.value) {
        return std::string(floor.text);
    }
    return rates::wholeNumberText(value);
}

// The unit an item of a speed-unit list stands for; nothing for no item.
std::optional<rates::SpeedUnit> speedUnitAt(int item) {
    if (item < 0 || item >= static_cast<int>(speedUnitItems.size())) {
        return std::nullopt;
    }
    return static_cast<rates::SpeedUnit>(item);
}

// The byte rate a speed gives, as the rate field's text; nothing without a number or a unit.
std::optional<std::string> byteRateText(std::string_view speedText, int unitItem,
                                        const RateRule& rate, GameVersion version) {
    const auto speed = rates::parseSpeed(speedText);
    const auto unit = speedUnitAt(unitItem);
    if (!speed || !unit) {
        return std::nullopt;
    }
    // A speed near the largest double overflows on the way to bytes: it is above every cap.
    const double bytes =
        std::min(rates::bytesPerSecond(*speed, *unit), std::numeric_limits<double>::max());
    return derivedText(rate, version, rates::roundHalfEven(bytes));
}

// The rate rules in the order of their fields' slots.
constexpr auto rulesInSlotOrder = [] {
    std::array<std::size_t, rateRules.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::sort(order.begin(), order.end(),
              [](std::size_t a, std::size_t b) { return rateRules[a].field < rateRules[b].field; });
    return order;
}();

std::optional<int> parseIndex(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

std::string configLine(std::string_view cvar, std::string_view value) {
    std::string line;
    line.reserve(cvar.size() + 1 + value.size());
    line.append(cvar).append(" ").append(value);
    return line;
}

// Keeps the handler depth right however a handler is left.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

} // namespace

Engine::Engine() : states_(editorCount) {
    // Every editor starts with nothing selected and empty text, so applying the Default preset
    // changes each one and runs each handler once.
    applyPreset(Preset::Default);
}

std::string Engine::stateText(EditorId id) const {
    switch (editor(id).kind) {
    case EditorKind::OptionPair:
    case EditorKind::List:
        return std::to_string(selected(id));
    case EditorKind::Field:
    case EditorKind::Label:
        break;
    }
    return text(id);
}

void Engine::selectOption(EditorId pair, int element) {
    if (editor(pair).kind != EditorKind::OptionPair || (element != 0 && element != 1)) {
        return;
    }
    states_[pair].selected = element;
    changed(pair);
    runHandler(pair);
}

void Engine::selectItem(EditorId list, int index) {
    const auto& def = editor(list);
    if (def.kind != EditorKind::List || index < 0 || index >= static_cast<int>(def.items.size())) {
        return;
    }
    states_[list].selected = index;
    changed(list);
    runHandler(list);
}

void Engine::setText(EditorId field, std::string text) {
    const auto kind = editor(field).kind;
    if ((kind != EditorKind::Field && kind != EditorKind::Label) || states_[field].text == text) {
        return;
    }
    states_[field].text = std::move(text);
    changed(field);
    runHandler(field);
}

bool Engine::setState(EditorId id, std::string_view state) {
    if (id < 0 || id >= editorCount) {
        return false;
    }
    const auto& def = editor(id);
    switch (def.kind) {
    case EditorKind::OptionPair:
        if (state != "0" && state != "1") {
            return false;
        }
        selectOption(id, state == "1" ? 1 : 0);
        return true;
    case EditorKind::List: {
        const auto index = parseIndex(state);
        if (!index || *index >= static_cast<int>(def.items.size())) {
            return false;
        }
        selectItem(id, *index);
        return true;
    }
    case EditorKind::Field:
        setText(id, std::string(state));
        return true;
    case EditorKind::Label:
        break;
    }
    return false;
}

int Engine::filterKey(EditorId field, int code) {
    constexpr int backspace = 8;
    if (field < 0 || field >= editorCount) {
        return 0;
    }
    const KeyClass keys = editor(field).keys;
    if (keys == KeyClass::None) {
        return 0;
    }
    const bool digit = code >= '0' && code <= '9';
    const bool point = code == '.' && keys == KeyClass::DigitsAndPoint;
    return digit || point || code == backspace ? code : 0;
}

bool Engine::typeCharacter(EditorId field, int code) {
    code = filterKey(field, code);
    if (code == 0) {
        return false;
    }
    std::string typed = text(field);
    if (code == 8) {
        if (typed.empty()) {
            return true;
        }
        typed.pop_back();
    } else {
        typed.push_back(static_cast<char>(code));
    }
    setText(field, std::move(typed));
    return true;
}

bool Engine::pressDefault(EditorId id) {
    if (id < 0 || id >= editorCount || editor(id).defaultButton.empty()) {
        return false;
    }
    setState(id, defaultState(id));
    return true;
}

std::string_view Engine::presetState(const PresetRow& row, Preset preset) const {
    const std::string_view state = row.states[static_cast<std::size_t>(preset)];
    if (state == versionStart) {
        return rateRuleFor(row.editor).start(version_);
    }
    return state;
}

std::string_view Engine::defaultState(EditorId id) const {
    for (const PresetRow& row : presetTable) {
        if (row.editor == id) {
            return presetState(row, Preset::Default);
        }
    }
    return {};
}

void Engine::applyPreset(Preset preset) {
    for (const PresetRow& row : presetTable) {
        if (const std::string_view state = presetState(row, preset); !state.empty()) {
            setState(row.editor, state);
        }
    }
}

void Engine::setGameVersion(GameVersion version) {
    if (version == version_) {
        return;
    }
    // Decided before anything changes: what each rate field is to hold, and which fields a typed
    // speed gives.
    enum class Source { Start, Kept, Speed };
    std::array<Source, rateRules.size()> sources{};
    std::array<std::string, rateRules.size()> kept;
    std::array<const SpeedRule*, rateRules.size()> speeds{};
    for (std::size_t i = 0; i < rateRules.size(); ++i) {
        kept[i] = text(rateRules[i].field);
        sources[i] = kept[i] == rateRules[i].start(version_) ? Source::Start : Source::Kept;
    }
    for (const SpeedRule& speed : speedRules) {
        if (!rates::parseSpeed(text(speed.speedField)) || !speedUnitAt(selected(speed.unitList))) {
            continue; // no speed typed: its rates follow the rules above
        }
        for (std::size_t i = 0; i < rateRules.size(); ++i) {
            if (rateRules[i].field == speed.rateField) {
                sources[i] = Source::Speed;
                speeds[i] = &speed;
            } else if (rateRules[i].field == rateRuleFor(speed.rateField).derived) {
                sources[i] = Source::Speed; // derived from the speed's byte rate
            }
        }
    }

    version_ = version;
    if (observer_.versionChanged) {
        observer_.versionChanged();
    }
    for (const std::size_t i : rulesInSlotOrder) {
        const RateRule& rule = rateRules[i];
        switch (sources[i]) {
        case Source::Speed:
            if (speeds[i] != nullptr) {
                retypeSpeed(*speeds[i]);
            } else if (const auto value = rates::parseRate(text(rule.field));
                       value && *value > limitOf(rule).value) {
                // Derived again as it was, the packet rate's own handler did not run to cap it.
                setText(rule.field, std::string(limitOf(rule).text));
            }
            break;
        case Source::Start:
            setText(rule.field, std::string(rule.start(version_)));
            break;
        case Source::Kept: {
            const auto value = rates::parseRate(kept[i]);
            const RateLimit& limit = limitOf(rule);
            setText(rule.field, value && *value > limit.value ? std::string(limit.text) : kept[i]);
            break;
        }
        }
    }
}

void Engine::changed(EditorId id) {
    if (observer_.editorChanged) {
        observer_.editorChanged(id);
    }
}

void Engine::runHandler(EditorId id) {
    DepthGuard guard(depth_);
    switch (handlers[id]) {
    case Handler::OptionPair:
        optionPairHandler(id);
        break;
    case Handler::List:
        listHandler(id);
        break;
    case Handler::UnitList:
        unitListHandler(id);
        break;
    case Handler::Field:
        fieldHandler(id);
        break;
    case Handler::RateField:
        rateFieldHandler(id);
        break;
    case Handler::SpeedField:
        speedFieldHandler(id);
        break;
    case Handler::None:
        break;
    }
}

void Engine::optionPairHandler(EditorId id) {
    const auto& def = editor(id);
    const bool on = selected(id) == 1;
    const std::string_view value = on != def.inverted ? "1" : "0";
    std::string text = configLine(def.cvar, value);
    if (!def.cvar2.empty()) {
        text.append("\r\n").append(configLine(def.cvar2, value));
    }
    writeSlot(id, std::move(text));
}

void Engine::listHandler(EditorId id) {
    const int index = selected(id);
    if (index >= 0 && index < static_cast<int>(editor(id).items.size())) {
        writeSlot(id, std::string(editor(id).items[index].line));
    }
}

void Engine::fieldHandler(EditorId id) {
    writeSlot(id, configLine(editor(id).cvar, text(id)));
}

void Engine::rateFieldHandler(EditorId id) {
    const RateRule& rule = rateRuleFor(id);
    const auto value = rates::parseRate(text(id));
    if (!value) {
        return; // not a number: the slot and the derived field keep what they hold
    }
    const RateLimit& limit = limitOf(rule);
    if (*value > limit.value) {
        setText(id, std::string(limit.text)); // runs this handler again, at the limit
    }
    if (rule.derived != noEditor) {
        if (const auto capped = rates::parseRate(text(id))) {
            const double derived = rates::roundHalfEven(*capped / rule.divisor);
            setText(rule.derived, derivedText(rateRuleFor(rule.derived), version_, derived));
        }
    }
    writeSlot(id, configLine(editor(id).cvar, text(id)));
}

void Engine::speedFieldHandler(EditorId id) {
    const SpeedRule& rule = speedRuleFor(id);
    const int unit = selected(rule.unitList);
    if (!speedUnitAt(unit)) {
        return;
    }
    if (text(id).empty()) {
        setText(rule.rateField, {});
        return;
    }
    if (auto rate = byteRateText(text(id), unit, rateRuleFor(rule.rateField), version_)) {
        setText(rule.rateField, std::move(*rate));
    }
}

void Engine::retypeSpeed(const SpeedRule& rule) {
    auto rate = byteRateText(text(rule.speedField), selected(rule.unitList),
                             rateRuleFor(rule.rateField), version_);
    if (!rate) {
        return;
    }
    if (*rate == text(rule.rateField)) {
        runHandler(rule.rateField); // typed anew, it is capped and derives under the new caps
    } else {
        setText(rule.rateField, std::move(*rate));
    }
}

void Engine::unitListHandler(EditorId id) {
    const int unit = selected(id);
    if (speedUnitAt(unit)) {
        setText(speedRuleFor(id).unitLabel, std::string(speedUnitItems[unit].line));
    }
}

void Engine::writeSlot(int slot, std::string text) {
    tweakLines_[slot] = std::move(text);
    if (observer_.slotWritten) {
        observer_.slotWritten(slot);
    }
}

} // namespace quarvel
