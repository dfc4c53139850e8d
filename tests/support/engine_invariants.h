#pragma once

#include "core/engine.h"
#include "rates/rate_calculator.h"

#include <string>
#include <string_view>

// What holds of the engine whenever its handlers have settled: every slot holds the text its
// editor's state stands for, worked out here from the catalogue alone, and every rate field
// that holds a number is within its cap.
namespace quarvel::testing_support {

// A text fit for a failure message: its first 60 bytes, line ends and other controls escaped.
inline std::string shown(std::string_view text) {
    std::string result;
    for (const char c : text.substr(0, 60)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            result += c;
        } else {
            static constexpr char hex[] = "0123456789abcdef";
            result += {'\\', 'x', hex[byte >> 4], hex[byte & 15]};
        }
    }
    if (text.size() > 60) {
        result += "... (" + std::to_string(text.size()) + " bytes)";
    }
    return result;
}

inline const rates::RateRule* rateRule(std::string_view field) {
    for (const auto& rule : rates::rateRules) {
        if (rule.field == field) {
            return &rule;
        }
    }
    return nullptr;
}

// What is wrong with the engine, or an empty text.
inline std::string invariantViolation(const Engine& engine) {
    if (engine.handlerDepth() != 0) {
        return "handler depth is " + std::to_string(engine.handlerDepth()) + " after settling";
    }
    for (int slot = 0; slot < slotCount; ++slot) {
        const EditorDef& def = editor(slot);
        const std::string& held = engine.slot(slot);
        const std::string name(def.name);
        const int selected = engine.selected(slot);
        std::string expected;
        switch (def.kind) {
        case EditorKind::OptionPair: {
            if (selected != 0 && selected != 1) {
                return name + " has no member selected";
            }
            const std::string value = (selected == 1) != def.inverted ? "1" : "0";
            expected = std::string(def.cvar) + " " + value;
            if (!def.cvar2.empty()) {
                expected += "\r\n" + std::string(def.cvar2) + " " + value;
            }
            break;
        }
        case EditorKind::List:
            if (selected < 0 || selected >= static_cast<int>(def.items.size())) {
                return name + " has no item selected";
            }
            expected = def.items[static_cast<std::size_t>(selected)].line;
            break;
        case EditorKind::Field:
        case EditorKind::Label: {
            const std::string& text = engine.text(slot);
            expected = std::string(def.cvar) + " " + text;
            if (const auto* rule = rateRule(def.name)) {
                if (!held.starts_with(std::string(def.cvar) + " ")) {
                    return name + ": slot holds \"" + shown(held) + "\"";
                }
                const auto number = rates::parseRate(text);
                if (!number) {
                    continue; // the slot keeps the last number the field held
                }
                if (*number > rule->limit) {
                    return name + " holds \"" + shown(text) + "\", over its cap";
                }
            }
            break;
        }
        }
        if (held != expected) {
            return name + ": slot holds \"" + shown(held) + "\" but its editor stands for \"" +
                   shown(expected) + "\"";
        }
    }
    return {};
}

} // namespace quarvel::testing_support
