// How long the engine takes for what a player does: start-up, presets, building and installing
// the script, loading a large config compared with merely splitting it into lines, and checking
// a folder made to exhaust the check compared with checking a plain one.

#include "config/check.h"
#include "config/console_script.h"
#include "config/exec_line.h"
#include "config/install.h"
#include "config/loader.h"
#include "config/script.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using namespace quarvel;

namespace {

namespace fs = std::filesystem;

// A folder for the run's files, removed when the run ends.
struct ScratchFolder {
    ScratchFolder() {
        std::string name = (fs::temp_directory_path() / "quarvel-bench-XXXXXX").string();
        path = ::mkdtemp(name.data());
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
};

fs::path scratchFolder() {
    static const ScratchFolder folder;
    return folder.path;
}

// A config of a player who kept everything: 20,000 lines, 1 MiB, of binds, aliases, comments and
// the known cvars, each line padded with a comment to the same average length.
const std::string& largeConfig() {
    static const std::string generated = [] {
        constexpr int lines = 20000;
        constexpr std::size_t size = std::size_t{1} << 20;
        std::mt19937 random(7);
        const char* known[] = {"rate 25000",     "cl_updaterate 101",
                               "cl_cmdrate 101", "gl_texturemode GL_LINEAR_MIPMAP_NEAREST",
                               "max_shells 120", "cl_weather 1",
                               "cl_nopred 0",    "ati_subdiv 2"};
        std::string config;
        for (int line = 0; line < lines; ++line) {
            std::string text;
            switch (random() % 4) {
            case 0:
                text = "bind \"KP_" + std::to_string(random() % 100) + "\" \"+attack; wait\"";
                break;
            case 1:
                text = "//";
                break;
            case 2:
                text = known[random() % std::size(known)];
                break;
            default:
                text = "alias step" + std::to_string(line) + " \"say_team hold\"";
                break;
            }
            const std::size_t target = size * (line + 1) / lines - config.size() - 2;
            text += " //";
            text.resize(std::max(target, text.size()), '-');
            config += text + "\r\n";
        }
        return config;
    }();
    return generated;
}

const fs::path& largeConfigFile() {
    static const fs::path file = [] {
        const fs::path path = scratchFolder() / "config.cfg";
        std::ofstream(path, std::ios::binary) << largeConfig();
        return path;
    }();
    return file;
}

// The plainest split there is: cut at every LF.
std::vector<std::string_view> plainSplit(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string_view::npos;
         start = end + 1) {
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

void StartUp(benchmark::State& state) {
    for (auto _ : state) {
        Engine engine;
        benchmark::DoNotOptimize(engine.slot(0));
    }
}
BENCHMARK(StartUp);

void ApplyPreset(benchmark::State& state) {
    Engine engine;
    const Preset preset = presetNames[static_cast<std::size_t>(state.range(0))].preset;
    for (auto _ : state) {
        engine.applyPreset(preset);
        engine.applyPreset(Preset::Default);
    }
    state.SetLabel("preset then Default");
}
BENCHMARK(ApplyPreset)->DenseRange(0, 3);

void BuildScript(benchmark::State& state) {
    const Engine engine;
    for (auto _ : state) {
        benchmark::DoNotOptimize(buildScript(engine.tweakLines()));
    }
}
BENCHMARK(BuildScript);

void Install(benchmark::State& state) {
    const std::string script = buildScript(Engine().tweakLines());
    const fs::path game = scratchFolder() / "game";
    fs::create_directories(game);
    std::ofstream(game / "autoexec.cfg", std::ios::binary) << "bind x jump\r\nexec quarvel.cfg\r\n";
    for (auto _ : state) {
        if (!installTweaks(game, script).installed()) {
            state.SkipWithError("install failed");
        }
    }
}
BENCHMARK(Install)->Unit(benchmark::kMicrosecond);

// The loader, and the least any loader must do with the same file: read it and find its lines.
// The ratio of the two is the loader's own cost.
void LoadLargeConfig(benchmark::State& state) {
    const fs::path file = largeConfigFile();
    using Clock = std::chrono::steady_clock;
    double loading = 0;
    double splitting = 0;
    for (auto _ : state) {
        Engine engine;
        const auto loadStart = Clock::now();
        benchmark::DoNotOptimize(loadConfig(engine, file));
        const auto loadEnd = Clock::now();
        std::ifstream in(file, std::ios::binary);
        std::string bytes(fs::file_size(file), '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(plainSplit(bytes).size());
        const auto splitEnd = Clock::now();
        loading += std::chrono::duration<double>(loadEnd - loadStart).count();
        splitting += std::chrono::duration<double>(splitEnd - loadEnd).count();
    }
    std::size_t lines = 0;
    forEachLine(largeConfig(), [&](std::string_view) { return ++lines, true; });
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["MiB"] = static_cast<double>(largeConfig().size()) / (1 << 20);
    state.counters["load_ms"] = 1000 * loading / static_cast<double>(state.iterations());
    state.counters["split_ms"] = 1000 * splitting / static_cast<double>(state.iterations());
    state.counters["load_per_split"] = loading / splitting;
}
BENCHMARK(LoadLargeConfig)->Unit(benchmark::kMillisecond);

// The check of twelve files that each run the next eight times, which once ran until it had
// taken gigabytes, and of a plain installed folder. Its limits keep the fan-out within a second;
// the ratio of the two is what the fan-out costs.
void CheckFanOut(benchmark::State& state) {
    const auto write = [](const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    };
    const fs::path plain = scratchFolder() / "plain";
    const fs::path fanOut = scratchFolder() / "fan-out";
    for (const fs::path& game : {plain, fanOut}) {
        write(game / "quarvel.cfg", buildScript(Engine().tweakLines()));
        write(game / "config.cfg", "rate 30000\r\nexec userconfig.cfg\r\n");
        write(game / "userconfig.cfg", "exec quarvel.cfg\r\n");
    }
    write(plain / "autoexec.cfg", "exec quarvel.cfg\r\n");
    write(fanOut / "autoexec.cfg", "exec quarvel.cfg\r\nexec f1.cfg\r\n");
    for (int file = 1; file <= 12; ++file) {
        std::string runs;
        for (int line = 0; line < 8 && file < 12; ++line) {
            runs += "exec f" + std::to_string(file + 1) + ".cfg\r\n";
        }
        write(fanOut / ("f" + std::to_string(file) + ".cfg"), runs);
    }
    using Clock = std::chrono::steady_clock;
    double fanning = 0;
    double plainly = 0;
    for (auto _ : state) {
        const auto fanStart = Clock::now();
        benchmark::DoNotOptimize(checkTweaks(fanOut, {}).lines.size());
        const auto fanEnd = Clock::now();
        benchmark::DoNotOptimize(checkTweaks(plain, {}).lines.size());
        const auto plainEnd = Clock::now();
        fanning += std::chrono::duration<double>(fanEnd - fanStart).count();
        plainly += std::chrono::duration<double>(plainEnd - fanEnd).count();
    }
    state.counters["fan_out_ms"] = 1000 * fanning / static_cast<double>(state.iterations());
    state.counters["plain_ms"] = 1000 * plainly / static_cast<double>(state.iterations());
    state.counters["fan_out_per_plain"] = fanning / plainly;
}
BENCHMARK(CheckFanOut)->Unit(benchmark::kMillisecond);

} // namespace
