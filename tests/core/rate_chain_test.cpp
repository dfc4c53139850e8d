// The calculator as the player drives it: speeds, units, limits, derived packet rates.

#include "support/editors.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>

using namespace quarvel;
using testing_support::id;
using testing_support::type;

namespace {

std::string line(const Engine& engine, const char* field) {
    return engine.slot(id(field));
}

} // namespace

TEST(RateChain, SpeedsGiveCappedRatesAndPacketRates) {
    struct Case {
        const char* speedField;
        int unit;
        const char* speed;
        const char* rate;
        const char* packetRate;
    };
    const Case cases[] = {
        {"txtDSpeed", 1, "56", "rate 6451", "cl_updaterate 23"},
        {"txtDSpeed", 0, "56000", "rate 6300", "cl_updaterate 22"},
        {"txtDSpeed", 1, "512", "rate 20000", "cl_updaterate 45"},
        {"txtDSpeed", 0, "40", "rate 4", "cl_updaterate 0"}, // 4.5 and 0.016 rounded
        {"txtDSpeed", 0, "1", "rate 0", "cl_updaterate 0"},
        {"txtUSpeed", 1, "33", "cl_rate 3802", "cl_cmdrate 27"},
        {"txtUSpeed", 1, "128", "cl_rate 14746", "cl_cmdrate 100"},
        {"txtUSpeed", 2, "10", "cl_rate 9216", "cl_cmdrate 66"},
    };
    for (const auto& c : cases) {
        Engine engine;
        const bool download = std::string_view(c.speedField) == "txtDSpeed";
        engine.selectItem(id(download ? "cmbSpeed2" : "cmbSpeed"), c.unit);
        type(engine, c.speedField, c.speed);
        EXPECT_EQ(line(engine, download ? "txtRate" : "txtClRate"), c.rate) << c.speed;
        EXPECT_EQ(line(engine, download ? "txtURate" : "txtCMDRate"), c.packetRate) << c.speed;
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
    type(engine, "txtDSpeed", "56");
    const std::string rate = engine.text(id("txtRate")), update = engine.text(id("txtURate"));
    engine.setText(id("txtClRate"), "4270.5");
    const std::string command = engine.text(id("txtCMDRate"));
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(rate, "6451");
    EXPECT_EQ(update, "23");
    EXPECT_EQ(command, "31"); // 4270.5 / 140 = 30.50..., where 4270 would give an even 30
}

TEST(RateChain, TypedRatesAreCappedAtTheirLimitsOnly) {
    // A field, what is typed into it key by key, and what it or the field it derives holds.
    const std::array<const char*, 4> cases[] = {
        {"txtURate", "50", "txtURate", "cl_updaterate 45"},
        {"txtURate", "0030", "txtURate", "cl_updaterate 0030"},
        {"txtURate", "0075", "txtURate", "cl_updaterate 45"},
        {"txtRate", "20001", "txtRate", "rate 20000"},
        {"txtCMDRate", "101", "txtCMDRate", "cl_cmdrate 100"},
        {"txtClRate", "20000", "txtClRate", "cl_rate 20000"},
        {"txtClRate", "20000", "txtCMDRate", "cl_cmdrate 100"}, // 143 derived, then capped
    };
    for (const auto& [field, typed, shown, expected] : cases) {
        Engine engine;
        type(engine, field, typed);
        EXPECT_EQ(line(engine, shown), expected) << field << " " << typed;
    }
}

TEST(RateChain, TextsThatAreNoNumberLeaveSlotAndDerivedFieldAlone) {
    Engine engine;
    for (const auto* text : {"", "\"25000\"", " 5", "-5", "1e3", "fast"}) {
        engine.setText(id("txtRate"), text);
        EXPECT_EQ(line(engine, "txtRate"), "rate 7500") << text;
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
    EXPECT_EQ(line(engine, "txtRate"), "rate 20000");
    EXPECT_EQ(engine.text(id("txtURate")), "45");
}

TEST(RateChain, ChangingTheUnitOnlyRenamesIt) {
    Engine engine;
    engine.setText(id("txtUSpeed"), "33"); // in KBits, the unit at start
    engine.selectItem(id("cmbSpeed"), 2);
    EXPECT_EQ(engine.text(id("lblUSpeed")), "KBytes/s");
    EXPECT_EQ(engine.text(id("txtClRate")), "3802");
    engine.typeCharacter(id("txtUSpeed"), 8); // editing the speed recomputes in the new unit
    EXPECT_EQ(engine.text(id("txtClRate")), "2765");
}

TEST(RateChain, SteamLimitsCarryAModernLineAndClassicOnesCapItAgain) {
    Engine engine;
    engine.setRateLimits(RateLimits::Steam);
    // Nothing is raised by the choice itself.
    EXPECT_EQ(engine.text(id("txtRate")), "7500");
    EXPECT_EQ(engine.text(id("txtURate")), "20");
    type(engine, "txtDSpeed", "10240"); // 10 Mbit/s
    EXPECT_EQ(line(engine, "txtRate"), "rate 100000");
    EXPECT_EQ(line(engine, "txtURate"), "cl_updaterate 102");
    type(engine, "txtURate", "103");
    EXPECT_EQ(engine.text(id("txtURate")), "102");
    type(engine, "txtClRate", "50000"); // cl_rate and the command rate keep their caps
    EXPECT_EQ(engine.text(id("txtClRate")), "20000");
    EXPECT_EQ(engine.text(id("txtCMDRate")), "100");

    // Back to classic: each field above its cap is capped through its handler, which derives.
    type(engine, "txtURate", "60");
    engine.setRateLimits(RateLimits::Classic);
    EXPECT_EQ(line(engine, "txtRate"), "rate 20000");
    EXPECT_EQ(line(engine, "txtURate"), "cl_updaterate 45");
    EXPECT_EQ(engine.handlerDepth(), 0);

    // A packet rate over its cap is capped even when its byte rate is within its own.
    engine.setRateLimits(RateLimits::Steam);
    type(engine, "txtRate", "15000");
    type(engine, "txtURate", "80");
    engine.setRateLimits(RateLimits::Classic);
    EXPECT_EQ(engine.text(id("txtRate")), "15000");
    EXPECT_EQ(line(engine, "txtURate"), "cl_updaterate 45");
}
