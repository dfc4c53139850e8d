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
    const GameVersion other = otherVersion(engine.gameVersion());
    return error(option, argument,
                 std::string("\"").append(editor(id).name) + "\" is only in " +
                     (other == GameVersion::Steam ? "today's Steam game" : "the classic game") +
                     ": choose it first with --limits " + std::string(nameOf(other).shortName));
}

// The control and the value of --set and --type, or why there are none.
struct ControlValue {
    EditorId id = noEditor;
    std::string_view name{};
    std::string_view value{};
    std::optional<StepError> error{};
};

ControlValue controlValue(const Engine& engine, std::string_view option,
                          std::string_view argument) {
    const auto equals = argument.find('=');
    if (equals == std::string_view::npos) {
        return {.error = error(option, argument, "expected CONTROL=VALUE")};
    }
    const std::string_view name = argument.substr(0, equals);
    const std::string_view value = argument.substr(equals + 1);
    const EditorId id = findEditor(name);
    if (!isSingleValue(value)) {
        return {.error = error(option, argument,
                               "a value may hold no ';', line break, tab or "
                               "other control character")};
    }
    if (id < 0) {
        return {.error =
                    error(option, argument, std::string("unknown control \"").append(name) + "\"")};
    }
    return {id, name, value, notOffered(engine, id, option, argument)};
}

std::optional<StepError> setState(Engine& engine, std::string_view option,
                                  std::string_view argument) {
    const ControlValue control = controlValue(engine, option, argument);
    if (control.error) {
        return control.error;
    }
    if (!engine.setState(control.id, control.value)) {
        return error(option, argument,
                     std::string("\"").append(control.name) + "\" cannot take the value \"" +
                         std::string(control.value) + "\"");
    }
    return std::nullopt;
}

std::optional<StepError> typeText(Engine& engine, std::string_view option,
                                  std::string_view argument) {
    const ControlValue control = controlValue(engine, option, argument);
    if (control.error) {
        return control.error;
    }
    if (editor(control.id).keys == KeyClass::None) {
        return error(option, argument,
                     std::string("\"").append(control.name) + "\" is no field that takes typing");
    }
    engine.setText(control.id, {}); // emptied as a user would, before typing
    for (const char c : control.value) {
        engine.typeCharacter(control.id, static_cast<unsigned char>(c));
    }
    return std::nullopt;
}

std::optional<StepError> applyPreset(Engine& engine, std::string_view option,
                                     std::string_view argument) {
    const auto preset = presetNamed(argument);
    if (!preset) {
        return error(option, argument, "unknown preset");
    }
    engine.applyPreset(*preset);
    return std::nullopt;
}

std::optional<StepError> pressDefault(Engine& engine, std::string_view option,
                                      std::string_view argument) {
    const EditorId id = findDefaultButton(argument);
    if (id == noEditor) {
        return error(option, argument, "unknown DEFAULT button");
    }
    if (auto refused = notOffered(engine, id, option, argument)) {
        return refused;
    }
    engine.pressDefault(id);
    return std::nullopt;
}

std::optional<StepError> chooseLimits(Engine& engine, std::string_view option,
                                      std::string_view argument) {
    const auto named =
        std::find_if(gameVersionNames.begin(), gameVersionNames.end(),
                     [&](const GameVersionName& name) { return name.shortName == argument; });
    if (named == gameVersionNames.end()) {
        return error(option, argument, "expected classic or steam");
    }
    engine.setGameVersion(named->version);
    return std::nullopt;
}

std::optional<StepError> loadFile(Engine& engine, std::string_view option,
                                  std::string_view argument) {
    const auto loaded = loadConfig(engine, pathFromUtf8(argument));
    if (!loaded) {
        return error(option, argument, reasonText(loaded.failure()));
    }
    // The load is done; what it could not take as the file gives it is said, not failed.
    if (const std::string notes = loadNotes(*loaded, engine.gameVersion()); !notes.empty()) {
        complain(error(option, argument, notes).message);
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

constexpr std::array<StepOption, 6> stepOptions{{
    {Step::Preset, "preset", "NAME", "Apply a preset by its short name or caption: %1",
     applyPreset},
    {Step::Set, "set", "CONTROL=VALUE",
     "Put an editor into a state from code, as a preset does (no key filter)", setState},
    {Step::Type, "type", "CONTROL=TEXT",
     "Empty a field, then type TEXT into it key by key through its key filter", typeText},
    {Step::Default, "default", "BUTTON",
     "Press a DEFAULT button by its name (cmdRate, cmdClPred, ...)", pressDefault},
    {Step::Limits, "limits", "classic|steam",
     "Cap the rates as the classic game (the default) or today's Steam build takes them",
     chooseLimits},
    {Step::Load, "load", "FILE",
     "Load a config file as \"Load *.cfg Settings\" does (only a regular file)", loadFile},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < stepOptions.size(); ++i) {
            if (stepOptions[i].step != static_cast<Step>(i)) {
                return false;
            }
        }
        return true;
    }(),
    "the steps stand in the order of the enum");

std::optional<StepError> runStep(Engine& engine, Step step, std::string_view argument) {
    const StepOption& option = stepOptions[static_cast<std::size_t>(step)];
    return option.handler(engine, option.option, argument);
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
