#pragma once

#include "core/engine.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The steps of quarvel-cli: what a user could do in the main window, named on the command line.
namespace quarvel::cli {

// A step that cannot be carried out: the one line that says why.
struct StepError {
    std::string message;
};

// The steps, in the order the help lists them.
enum class Step { Preset, Set, Type, Default, Limits, Load };

// What a step does, given the name of its option (for its messages) and its argument.
using StepHandler = std::optional<StepError> (*)(Engine& engine, std::string_view option,
                                                 std::string_view argument);

// A step on the command line: its option without dashes ("preset" for --preset), what the help
// calls its argument, the help (where %1 stands for the presets' names), and its handler.
struct StepOption {
    Step step;
    std::string_view option;
    std::string_view argumentName;
    std::string_view help;
    StepHandler handler;
};

// Every step, in the order of the enum.
extern const std::array<StepOption, 6> stepOptions;

// Runs one step on the engine, `argument` its value.
std::optional<StepError> runStep(Engine& engine, Step step, std::string_view argument);

// The preset a name stands for: a short name ("hiq") or the menu caption ("High Quality").
std::optional<Preset> presetNamed(std::string_view name);

// One "CONTROL=VALUE" line per editor the game version offers: the classic game's tweaks in slot
// order, the speed controls, then the tweaks of today's game.
std::string stateReport(const Engine& engine);

} // namespace quarvel::cli
