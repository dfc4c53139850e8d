// The calculator as the user drives it: speeds, units, limits, derived packet rates.

#include "support/editors.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace quarvel;
using testing_support::id;
using testing_support::type;

namespace {

struct SpeedCase {
    const char* speedField;
    int unit;
    const char* speed;
    const char* rate;
    const char* packetRate;
};

} // namespace

TEST(RateChain, SpeedsGiveCappedRatesAndPacketRates) {
    const SpeedCase cases[] = {
        {"txtDSpeed", 1, "56", "6451", "23"},    {"txtDSpeed", 0, "56000", "6300", "22"},
        {"txtDSpeed", 1, "512", "20000", "45"},  {"txtDSpeed", 0, "40", "4", "0"},
        {"txtDSpeed", 0, "1", "0", "0"},         {"txtUSpeed", 1, "33", "3802", "27"},
        {"txtUSpeed", 1, "128", "14746", "100"}, {"txtUSpeed", 2, "10", "9216", "66"},
    };
    for (const auto& c : cases) {
        Engine engine;
        const bool download = std::string_view(c.speedField) == "txtDSpeed";
        engine.selectItem(id(download ? "cmbSpeed2" : "cmbSpeed"), c.unit);
        type(engine, c.speedField, c.speed);
        const char* rateField = download ? "txtRate" : "txtClRate";
        const char* packetField = download ? "txtURate" : "txtCMDRate";
        EXPECT_EQ(engine.text(id(rateField)), c.rate) << c.speed;
        EXPECT_EQ(engine.text(id(packetField)), c.packetRate) << c.speed;
        EXPECT_EQ(engine.slot(id(rateField)),
                  std::string(editor(id(rateField)).cvar) + " " + c.rate);
        EXPECT_EQ(engine.slot(id(packetField)),
                  std::string(editor(id(packetField)).cvar) + " " + c.packetRate);
    }
}

TEST(RateChain, ReadsAndWritesNumbersAlikeWhereTheDecimalMarkIsAComma) {
    // The windows run in the player's locale, and German writes 0,5 for 0.5.
#ifdef _WIN32
    const char* german = "German_Germany.1252";
#else
    const char* german = "de_DE.UTF-8";
#endif
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, german), nullptr)
        << "the " << german << " locale is missing (scripts/setup.sh generates it)";
    Engine engine;
    engine.selectItem(id("cmbSpeed2"), 1);
    type(engine, "txtDSpeed", "56");
    const std::string rate = engine.text(id("txtRate")), update = engine.text(id("txtURate"));
    engine.setText(id("txtClRate"), "4270.5");
    const std::string command = engine.text(id("txtCMDRate"));
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(rate, "6451");
    EXPECT_EQ(update, "23");
    EXPECT_EQ(command, "31"); // 4270.5 / 140 = 30.50..., where 4270 would give an even 30
}

TEST(RateChain, NestsSpeedRateRateAgainPacketRatePacketRateAgain) {
    Engine engine;
    int deepest = 0;
    std::vector<std::pair<std::string, std::string>> changes;
    engine.observe({.editorChanged =
                        [&](EditorId changed) {
                            deepest = std::max(deepest, engine.handlerDepth());
                            changes.emplace_back(editor(changed).name, engine.text(changed));
                        },
                    .slotWritten = {},
                    .limitsChanged = {}});
    engine.setText(id("txtDSpeed"), "512");
    EXPECT_EQ(deepest, 4); // the fifth handler starts after its field changed
    ASSERT_GE(changes.size(), 5u);
    const std::vector<std::pair<std::string, std::string>> chain{{"txtDSpeed", "512"},
                                                                 {"txtRate", "58982"},
                                                                 {"txtRate", "20000"},
                                                                 {"txtURate", "71"},
                                                                 {"txtURate", "45"}};
    EXPECT_EQ(std::vector(changes.begin(), changes.begin() + 5), chain);
    EXPECT_EQ(engine.slot(id("txtRate")), "rate 20000");
    EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 45");
}

TEST(RateChain, TypedRatesAreCappedAtTheirLimitsOnly) {
    Engine engine;
    type(engine, "txtURate", "50");
    EXPECT_EQ(engine.text(id("txtURate")), "45");
    EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 45");
    type(engine, "txtURate", "0030");
    EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 0030");
    type(engine, "txtURate", "0075");
    EXPECT_EQ(engine.text(id("txtURate")), "45");
    type(engine, "txtRate", "20001");
    EXPECT_EQ(engine.text(id("txtRate")), "20000");
    type(engine, "txtCMDRate", "101");
    EXPECT_EQ(engine.text(id("txtCMDRate")), "100");
    type(engine, "txtClRate", "20000");
    EXPECT_EQ(engine.text(id("txtClRate")), "20000");
    EXPECT_EQ(engine.text(id("txtCMDRate")), "100"); // 143 derived, then capped
}

TEST(RateChain, TextsThatAreNoNumberLeaveSlotAndDerivedFieldAlone) {
    Engine engine;
    for (const auto* text : {"", "\"25000\"", " 5", "-5", "1e3", "fast"}) {
        engine.setText(id("txtRate"), text);
        EXPECT_EQ(engine.slot(id("txtRate")), "rate 7500") << text;
        EXPECT_EQ(engine.text(id("txtURate")), "20") << text;
    }
    engine.setText(id("txtRate"), std::string(500, '9'));
    EXPECT_EQ(engine.text(id("txtRate")), "20000");
    EXPECT_EQ(engine.text(id("txtURate")), "45");
}

TEST(RateChain, SpeedsThatAreNoNumberAreIgnoredAndAnEmptySpeedEmptiesTheRate) {
    Engine engine;
    engine.setText(id("txtDSpeed"), "56");
    engine.setText(id("txtDSpeed"), "5.6");
    EXPECT_EQ(engine.text(id("txtRate")), "6451");
    engine.setText(id("txtDSpeed"), std::string(400, '9')); // beyond a double
    EXPECT_EQ(engine.text(id("txtRate")), "6451");
    engine.setText(id("txtDSpeed"), std::string(300, '9')); // huge but finite
    EXPECT_EQ(engine.text(id("txtRate")), "20000");
    engine.selectItem(id("cmbSpeed2"), 2);
    engine.setText(id("txtDSpeed"), "2" + std::string(308, '0')); // finite, but not in bytes
    EXPECT_EQ(engine.text(id("txtRate")), "20000");
    EXPECT_EQ(engine.text(id("txtURate")), "45");
    engine.setText(id("txtDSpeed"), "");
    EXPECT_EQ(engine.text(id("txtRate")), "");
    EXPECT_EQ(engine.slot(id("txtRate")), "rate 20000");
    EXPECT_EQ(engine.text(id("txtURate")), "45");
}

TEST(RateChain, ChangingTheUnitOnlyRenamesIt) {
    Engine engine;
    engine.setText(id("txtUSpeed"), "33");
    engine.selectItem(id("cmbSpeed"), 2);
    EXPECT_EQ(engine.text(id("lblUSpeed")), "KBytes/s");
    EXPECT_EQ(engine.text(id("txtClRate")), "3802");
    engine.typeCharacter(id("txtUSpeed"), 8); // editing the speed recomputes in the new unit
    EXPECT_EQ(engine.text(id("txtClRate")), "2765");
}

TEST(RateChain, SteamLimitsCarryAModernLineAndClassicOnesCapItAgain) {
    Engine engine;
    engine.selectItem(id("cmbSpeed2"), 1);
    engine.setRateLimits(RateLimits::Steam);
    // Nothing is raised by the choice itself.
    EXPECT_EQ(engine.text(id("txtRate")), "7500");
    EXPECT_EQ(engine.text(id("txtURate")), "20");
    type(engine, "txtDSpeed", "10240"); // 10 Mbit/s
    EXPECT_EQ(engine.slot(id("txtRate")), "rate 100000");
    EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 102");
    type(engine, "txtURate", "103");
    EXPECT_EQ(engine.text(id("txtURate")), "102");
    type(engine, "txtClRate", "50000"); // cl_rate and the command rate keep their caps
    EXPECT_EQ(engine.text(id("txtClRate")), "20000");
    EXPECT_EQ(engine.text(id("txtCMDRate")), "100");

    // Back to classic: each field above its cap is capped through its handler, which derives.
    type(engine, "txtURate", "60");
    engine.setRateLimits(RateLimits::Classic);
    EXPECT_EQ(engine.slot(id("txtRate")), "rate 20000");
    EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 45");
    EXPECT_EQ(engine.handlerDepth(), 0);

    // A packet rate over its cap is capped even when its byte rate is within its own.
    engine.setRateLimits(RateLimits::Steam);
    type(engine, "txtRate", "15000");
    type(engine, "txtURate", "80");
    engine.setRateLimits(RateLimits::Classic);
    EXPECT_EQ(engine.text(id("txtRate")), "15000");
    EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 45");
}
