// The game's start-up read as its console runs it: values as the game reads them, the names exec
// takes, and where each setting was made last.

#include "config/start_up.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <limits>

using namespace quarvel;

TEST(ConsoleValues, NumbersReadAsAtofReadsThemAndTextIgnoringCase) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const std::pair<const char*, std::optional<double>> numbers[] = {
        {" 100000", 100000},
        {"+102", 102},
        {"100 ", 100},
        {"1e2", 100},
        {"\t7x", 7},
        {"1e", 1},
        {"1e+", 1},
        {"-.5", -0.5},
        {"5.", 5},
        {"0x10", 0},
        {"1e400", infinity},
        {"-1e999", -infinity},
        {"1e-400", 0},
        {"0.0", 0},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"+", std::nullopt},
        {".", std::nullopt},
        {"-e5", std::nullopt},
    };
    for (const auto& [text, number] : numbers) {
        EXPECT_EQ(consoleNumber(text), number) << '"' << text << '"';
    }
    const std::tuple<const char*, const char*, bool> values[] = {
        {"100", "100.000000", true}, {" 100000", "100000", true}, {"+102", "102", true},
        {"100 ", "100", true},       {"1e2", "100", true},        {"GL_LINEAR", "gl_linear", true},
        {"1", "0", false},           {"abc", "0", false},         {"", "0", false},
        {"0.0", "", false},
    };
    for (const auto& [a, b, same] : values) {
        EXPECT_EQ(sameConsoleValue(a, b), same) << '"' << a << "\" and \"" << b << '"';
    }
}

TEST(ExecTarget, NamesOneFileHoweverItIsSpeltAndRefusesWhatExecRefuses) {
    const std::pair<const char*, std::optional<std::string>> names[] = {
        {"x.cfg", "x.cfg"},         {"./x.cfg", "x.cfg"},          {".//x.cfg", "x.cfg"},
        {"././x.cfg", "x.cfg"},     {"cfg//./a.cfg", "cfg/a.cfg"}, {"mine.RC", "mine.RC"},
        {"x.txt", std::nullopt},    {"/x.cfg", std::nullopt},      {"../x.cfg", std::nullopt},
        {"a\\x.cfg", std::nullopt}, {"c:x.cfg", std::nullopt},     {"~x.cfg", std::nullopt},
    };
    for (const auto& [name, target] : names) {
        EXPECT_EQ(execTarget(name), target) << name;
    }
}

TEST(StartUp, TellsWhereEachSettingWasMadeLastWithOrWithoutTheScript) {
    TempFolder game;
    game.write("quarvel.cfg", "rate 100000\ncl_updaterate 102\n");
    game.write("autoexec.cfg", "alias Rates \"rate 25000; cl_updaterate 101\"\nexec ./quarvel.cfg\n"
                               "gl_picmip 2\n");
    game.write("config.cfg", "RATES\nexec userconfig.cfg\n");
    game.makeDirs("userconfig.cfg");

    const StartUp with = readStartUp(game.path(), systemFileIo());
    EXPECT_EQ(with.scriptRunners, std::vector<std::string>{"autoexec.cfg"});
    EXPECT_EQ(with.scriptSet,
              (std::map<std::string, std::string>{{"cl_updaterate", "102"}, {"rate", "100000"}}));
    const auto setBy = [](const StartUp& startUp) {
        std::map<std::string, std::string> where;
        for (const auto& [name, set] : startUp.settings) {
            where[name] =
                set.file + ":" + std::to_string(set.line) + " " + set.value + " " + set.alias;
        }
        return where;
    };
    const std::map<std::string, std::string> expected{{"cl_updaterate", "config.cfg:1 101 RATES"},
                                                      {"gl_picmip", "autoexec.cfg:3 2 "},
                                                      {"rate", "config.cfg:1 25000 RATES"}};
    EXPECT_EQ(setBy(with), expected);
    ASSERT_EQ(with.unreadable.size(), 1u);
    EXPECT_EQ(with.unreadable[0].name, "userconfig.cfg");
    EXPECT_EQ(with.unreadable[0].failure.problem, FileProblem::NotRegularFile);

    // Without the script the same values stand, since the alias set them after it; quarvel.cfg is
    // not even read.
    const StartUp without = readStartUp(game.path(), systemFileIo(), {.withoutScript = true});
    EXPECT_EQ(setBy(without), expected);
    EXPECT_TRUE(without.scriptRunners.empty() && without.scriptSet.empty() && !without.script);
    EXPECT_FALSE(without.stopped);
}
