#include "cli/steps.h"

#include "cli/output.h"
#include "config/loader.h"
#include "core/config_text.h"
#include "core/paths.h"
#include "core/printable_text.h"
#include "core/rate_rules.h"

#include <algorithm>
#include <array>

namespace quarvel::cli {

namespace {

StepError error(std::string_view option, std::string_view argument, std::string_view why) {
    return {std::string("--")
                .append(option)
                .append(" ")
                .append(printableText(argument))
                .append(": ")
                .append(why)};
}

// An editor the game version in force does not offer takes no step.
std::optional<StepError> notOffered(const Engine& engine, EditorId id, std::string_view option,
                                    std::string_view argument) {
    if (engine.offers(id)) {
        return std::nullopt;
    }
    const GameVersion other =
        engine.gameVersion() == GameVersion::Classic ? GameVersion::Steam : GameVersion::Classic;
    return error(option, argument,
                 std::string("\"").append(editor(id).name) + "\" is only in " +
                     (other == GameVersion::Steam ? "today's Steam game" : "the classic game") +
                     ": choose it first with --limits " + std::string(nameOf(other).shortName));
}

std::optional<StepError> setOrType(Engine& engine, std::string_view option,
                                   std::string_view argument) {
    const auto equals = argument.find('=');
    if (equals == std::string_view::npos) {
        return error(option, argument, "expected CONTROL=VALUE");
    }
    const std::string_view name = argument.substr(0, equals);
    const std::string_view value = argument.substr(equals + 1);
    const EditorId id = findEditor(name);
    if (!isSingleValue(value)) {
        return error(option, argument,
                     "a value may hold no ';', line break, tab or other control character");
    }
    if (id < 0) {
        return error(option, argument, std::string("unknown control \"").append(name) + "\"");
    }
    if (auto refused = notOffered(engine, id, option, argument)) {
        return refused;
    }
    if (option == "set") {
        if (!engine.setState(id, value)) {
            return error(option, argument,
                         std::string("\"").append(name) + "\" cannot take the value \"" +
                             std::string(value) + "\"");
        }
        return std::nullopt;
    }
    if (editor(id).keys == KeyClass::None) {
        return error(option, argument,
                     std::string("\"").append(name) + "\" is no field that takes typing");
    }
    engine.setText(id, {}); // emptied as a user would, before typing
    for (const char c : value) {
        engine.typeCharacter(id, static_cast<unsigned char>(c));
    }
    return std::nullopt;
}

} // namespace

std::optional<Preset> presetNamed(std::string_view name) {
    for (const auto& entry : presetNames) {
        if (name == entry.shortName || name == entry.caption) {
            return entry.preset;
        }
    }
    return std::nullopt;
}

std::optional<StepError> runStep(Engine& engine, std::string_view option,
                                 std::string_view argument) {
    if (option == "preset") {
        const auto preset = presetNamed(argument);
        if (!preset) {
            return error(option, argument, "unknown preset");
        }
        engine.applyPreset(*preset);
    } else if (option == "set" || option == "type") {
        return setOrType(engine, option, argument);
    } else if (option == "default") {
        const EditorId id = findDefaultButton(argument);
        if (id == noEditor) {
            return error(option, argument, "unknown DEFAULT button");
        }
        if (auto refused = notOffered(engine, id, option, argument)) {
            return refused;
        }
        engine.pressDefault(id);
    } else if (option == "limits") {
        const auto named =
            std::find_if(gameVersionNames.begin(), gameVersionNames.end(),
                         [&](const GameVersionName& name) { return name.shortName == argument; });
        if (named == gameVersionNames.end()) {
            return error(option, argument, "expected classic or steam");
        }
        engine.setGameVersion(named->version);
    } else if (option == "load") {
        const auto loaded = loadConfig(engine, pathFromUtf8(argument));
        if (!loaded) {
            return error(option, argument, reasonText(loaded.failure()));
        }
        // The load is done; what it could not take as the file gives it is said, not failed.
        if (const std::string notes = loadNotes(*loaded, engine.gameVersion()); !notes.empty()) {
            complain(error(option, argument, notes).message);
        }
    } else {
        return error(option, argument, "unknown step");
    }
    return std::nullopt;
}

std::string stateReport(const Engine& engine) {
    std::string report;
    const auto line = [&](EditorId id) {
        if (engine.offers(id)) {
            report.append(editor(id).name).append("=").append(engine.stateText(id)).append("\n");
        }
    };
    for (int slot = 0; slot < firstTodaySlot; ++slot) {
        line(slot);
    }
    for (const SpeedRule& speed : speedRules) {
        for (const EditorId id : {speed.unitList, speed.speedField, speed.unitLabel}) {
            line(id);
        }
    }
    for (int slot = firstTodaySlot; slot < slotCount; ++slot) {
        line(slot);
    }
    return report;
}

} // namespace quarvel::cli
