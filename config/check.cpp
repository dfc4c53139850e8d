#include "config/check.h"

#include "config/exec_line.h"
#include "config/game_file.h"
#include "config/loader.h"
#include "config/script.h"
#include "core/ascii.h"
#include "rates/rate_calculator.h"

#include <array>
#include <charconv>
#include <new>

namespace quarvel {

namespace fs = std::filesystem;

namespace {

// One config of the directory as the loader reads it.
struct ReadConfig {
    explicit ReadConfig(std::string_view fileName) : name(fileName) {}

    std::string_view name;
    bool exists = false;
    bool runsScript = false;
    LoadedValues values;
};

Outcome readConfig(FileIo& io, const fs::path& directory, ReadConfig& config) {
    auto file = GameFile::look(io, directory / config.name, FileStep::Read);
    if (!file) {
        return file.failure();
    }
    if (!file->exists()) {
        return std::nullopt;
    }
    const Expected<std::string> content = file->read();
    if (!content) {
        return content.failure();
    }
    config.exists = true;
    config.runsScript = runsScript(*content);
    ConfigReader reader(config.values);
    reader.feed(*content);
    reader.finish();
    return std::nullopt;
}

std::optional<double> numberIn(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The game keeps a number as it was typed ("100" or "100.000000"), and a word in any case.
bool sameValue(std::string_view a, std::string_view b) {
    const auto x = numberIn(a);
    const auto y = numberIn(b);
    return x && y ? *x == *y : equalsIgnoringCase(a, b);
}

void report(CheckReport& result, std::array<ReadConfig, 4>& configs, RateLimits limits) {
    ReadConfig& autoexec = configs[0];
    ReadConfig& userconfig = configs[1];
    ReadConfig& saved = configs[2];
    ReadConfig& script = configs[3];
    const auto finding = [&](Sentence sentence) {
        result.lines.push_back(std::move(sentence));
        result.findings = true;
    };

    if (!script.exists) {
        finding({QVL_TRANSLATABLE("Check", "quarvel.cfg is not there: the tweaks are not "
                                           "installed in this folder.")});
    } else if (!autoexec.runsScript && !userconfig.runsScript) {
        finding({QVL_TRANSLATABLE("Check", "quarvel.cfg is there, but neither autoexec.cfg nor "
                                           "userconfig.cfg runs it.")});
    } else {
        for (const ReadConfig* runner : {&autoexec, &userconfig}) {
            if (runner->runsScript) {
                result.lines.push_back({QVL_TRANSLATABLE("Check", "%1 runs quarvel.cfg."),
                                        {std::string(runner->name)}});
            }
        }
    }

    if (script.exists && saved.exists) {
        for (std::size_t k = 0; k < knownCvars.size(); ++k) {
            const std::string& set = script.values.cvarValue[k];
            const std::string& held = saved.values.cvarValue[k];
            if (script.values.cvarFound[k] && saved.values.cvarFound[k] && !sameValue(set, held)) {
                finding(
                    {QVL_TRANSLATABLE("Check", "config.cfg holds %1 \"%2\" where quarvel.cfg sets "
                                               "\"%3\": the game saved another value at its last "
                                               "exit."),
                     {std::string(knownCvars[k].name), held, set}});
            }
        }
    } else if (script.exists) {
        result.lines.push_back({QVL_TRANSLATABLE(
            "Check", "config.cfg is not there: the game has not saved its settings here yet.")});
    }

    const std::string_view beyond =
        limits == RateLimits::Classic
            ? QVL_TRANSLATABLE("Check", "%1 sets %2 to %3, above %4, the most the classic game "
                                        "takes.")
            : QVL_TRANSLATABLE("Check", "%1 sets %2 to %3, above %4, the most the Steam build "
                                        "takes.");
    for (const ReadConfig* config : {&script, &saved}) {
        for (const RateRule& rule : rateRules) {
            const std::string_view cvar = editor(rule.field).cvar;
            const auto k = static_cast<std::size_t>(knownCvarIndex(cvar));
            const auto value = rates::parseRate(config->values.cvarValue[k]);
            const RateLimit& limit = rule.limit(limits);
            if (config->values.cvarFound[k] && value && *value > limit.value) {
                finding({beyond,
                         {std::string(config->name), std::string(cvar), config->values.cvarValue[k],
                          std::string(limit.text)}});
            }
        }
    }

    if (!result.findings && saved.exists) {
        result.lines.push_back({QVL_TRANSLATABLE("Check", "Every setting of quarvel.cfg held.")});
    }
}

} // namespace

CheckReport checkTweaks(const fs::path& directory, RateLimits limits, FileIo& io) {
    CheckReport result;
    if (Outcome failed = lookAtFolder(directory, FileStep::Read)) {
        result.failure = std::move(failed);
        return result;
    }
    try {
        std::array configs{ReadConfig(autoexecFileName), ReadConfig(userconfigFileName),
                           ReadConfig(savedSettingsFileName), ReadConfig(scriptFileName)};
        for (ReadConfig& config : configs) {
            if (Outcome failed = readConfig(io, directory, config)) {
                result.failure = std::move(failed);
                return result;
            }
        }
        report(result, configs, limits);
    } catch (const std::bad_alloc&) {
        result = {.failure = Failure{.step = FileStep::Read,
                                     .problem = FileProblem::OutOfMemory,
                                     .file = directory}};
    }
    return result;
}

} // namespace quarvel
