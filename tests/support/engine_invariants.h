#pragma once

#include "core/engine.h"
#include "core/rate_rules.h"
#include "rates/rate_calculator.h"

#include <string>
#include <string_view>

// What holds of the engine whenever its handlers have settled: every slot holds the text its
// editor's state stands for, worked out here from the catalogue alone, and every rate field
// that holds a number is within its cap.
namespace quarvel::testing_support {

// A text fit for a failure message: its first 60 bytes, each byte that is no printable ASCII
// written as a backslash and its number.
inline std::string shown(std::string_view text) {
    std::string result;
    for (const unsigned char c : text.substr(0, 60))
        result +=
            c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : '\\' + std::to_string(c);
    return text.size() > 60 ? result + "... (" + std::to_string(text.size()) + " bytes)" : result;
}

// What is wrong with the engine, or an empty text.
inline std::string invariantViolation(const Engine& engine) {
    if (engine.handlerDepth() != 0)
        return "handler depth is " + std::to_string(engine.handlerDepth()) + " after settling";
    for (int slot = 0; slot < slotCount; ++slot) {
        const EditorDef& def = editor(slot);
        const std::string name(def.name), cvar(def.cvar), &held = engine.slot(slot);
        const int selected = engine.selected(slot);
        std::string expected = cvar + " " + engine.text(slot);
        if (def.kind == EditorKind::OptionPair) {
            if (selected != 0 && selected != 1)
                return name + " has no member selected";
            const std::string value = (selected == 1) != def.inverted ? "1" : "0";
            expected = cvar + " " + value;
            if (!def.cvar2.empty())
                expected += "\r\n" + std::string(def.cvar2) + " " + value;
        } else if (def.kind == EditorKind::List) {
            if (selected < 0 || selected >= static_cast<int>(def.items.size()))
                return name + " has no item selected";
            expected = def.items[static_cast<std::size_t>(selected)].line;
        } else if (const int rule = rateRuleIndex(slot); rule >= 0) {
            const auto number = rates::parseRate(engine.text(slot));
            if (number && *number > engine.limitOf(rateRules[static_cast<std::size_t>(rule)]).value)
                return name + " holds \"" + shown(engine.text(slot)) + "\", over its cap";
            if (!number && held.starts_with(cvar + " "))
                continue; // the slot keeps the last number the field held
        }
        if (held != expected)
            return name + ": slot holds \"" + shown(held) + "\" but its editor stands for \"" +
                   shown(expected) + "\"";
    }
    return {};
}

} // namespace quarvel::testing_support
