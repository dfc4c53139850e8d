#pragma once

#include "core/engine.h"

#include <optional>
#include <string>
#include <string_view>

// The steps of quarvel-cli: what a user could do in the main window, named on the command line.
namespace quarvel::cli {

// A step that cannot be carried out: the one line that says why.
struct StepError {
    std::string message;
};

// Runs one step on the engine. `option` is the step's option name without dashes ("preset",
// "set", "type", "default", "limits", "load"), `argument` its value.
std::optional<StepError> runStep(Engine& engine, std::string_view option,
                                 std::string_view argument);

// The preset a name stands for: a short name ("hiq") or the menu caption ("High Quality").
std::optional<Preset> presetNamed(std::string_view name);

// One "CONTROL=VALUE" line per editor the game version offers: the classic game's tweaks in slot
// order, the speed controls, then the tweaks of today's game.
std::string stateReport(const Engine& engine);

} // namespace quarvel::cli
