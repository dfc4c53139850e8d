// The calculator as the player drives it: speeds, units, limits, derived packet rates.

#include "support/editors.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <tuple>

using namespace quarvel;
using testing_support::id;
using testing_support::type;

TEST(RateChain, TypedSpeedsAndRatesGiveCappedRatesAndPacketRates) {
    // The field typed into key by key after choosing the speeds' unit (Bits/s, KBits/s, KBytes/s),
    // and the rate and packet rate of its direction that follow.
    const std::tuple<const char*, int, const char*, const char*, const char*> cases[] = {
        {"txtDSpeed", 1, "56", "rate 6451", "cl_updaterate 23"},
        {"txtDSpeed", 0, "56000", "rate 6300", "cl_updaterate 22"},
        {"txtDSpeed", 1, "512", "rate 20000", "cl_updaterate 45"},
        {"txtDSpeed", 0, "40", "rate 4", "cl_updaterate 0"}, // 4.5 and 0.016 rounded
        {"txtDSpeed", 0, "1", "rate 0", "cl_updaterate 0"},
        {"txtUSpeed", 1, "33", "cl_rate 3802", "cl_cmdrate 27"},
        {"txtUSpeed", 1, "128", "cl_rate 14746", "cl_cmdrate 100"},
        {"txtUSpeed", 2, "10", "cl_rate 9216", "cl_cmdrate 66"},
        // Typed rates are capped at their limits only.
        {"txtURate", 1, "50", "rate 7500", "cl_updaterate 45"},
        {"txtURate", 1, "0030", "rate 7500", "cl_updaterate 0030"},
        {"txtURate", 1, "0075", "rate 7500", "cl_updaterate 45"},
        {"txtRate", 1, "20001", "rate 20000", "cl_updaterate 45"},
        {"txtCMDRate", 1, "101", "cl_rate 9999", "cl_cmdrate 100"},
        {"txtClRate", 1, "20000", "cl_rate 20000", "cl_cmdrate 100"}, // 143 derived, then capped
    };
    for (const auto& [field, unit, typed, rate, packetRate] : cases) {
        Engine engine;
        const std::string_view name = field;
        const bool download = name == "txtDSpeed" || name == "txtRate" || name == "txtURate";
        engine.selectItem(id(download ? "cmbSpeed2" : "cmbSpeed"), unit);
        type(engine, field, typed);
        EXPECT_EQ(engine.slot(id(download ? "txtRate" : "txtClRate")) + " " +
                      engine.slot(id(download ? "txtURate" : "txtCMDRate")),
                  std::string(rate) + " " + packetRate)
            << field << " " << typed;
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

TEST(RateChain, HugeRatesAreCappedSpeedsThatAreNoNumberIgnoredAndTheUnitOnlyRenamed) {
    Engine engine;
    engine.setText(id("txtRate"), "1e3"); // no number: the slot keeps its rate
    EXPECT_EQ(engine.slot(id("txtRate")), "rate 7500");
    engine.setText(id("txtRate"), std::string(500, '9'));
    EXPECT_EQ(engine.text(id("txtRate")), "20000");
    engine.setText(id("txtDSpeed"), "56"); // in KBits, the unit at start
    engine.selectItem(id("cmbSpeed2"), 2);
    EXPECT_EQ(engine.text(id("lblDSpeed")), "KBytes/s");
    for (const auto& speed : {std::string("5.6"), std::string(400, '9')}) { // 9s beyond a double
        engine.setText(id("txtDSpeed"), speed);
        EXPECT_EQ(engine.text(id("txtRate")), "6451");
    }
    engine.setText(id("txtDSpeed"), "5"); // editing the speed computes in the new unit
    EXPECT_EQ(engine.text(id("txtRate")), "4608");
    // Finite, but not in bytes per second: above every cap.
    engine.setText(id("txtDSpeed"), "1" + std::string(306, '0'));
    EXPECT_EQ(engine.text(id("txtRate")), "20000");
    // An empty speed empties the rate field; its slot keeps the last rate.
    engine.setText(id("txtDSpeed"), "");
    EXPECT_EQ(engine.text(id("txtRate")), "");
    EXPECT_EQ(engine.slot(id("txtRate")), "rate 20000");
    EXPECT_EQ(engine.text(id("txtURate")), "45");
}

TEST(RateChain, TodaysGameCarriesAModernLineAndTheClassicOneCapsItAgain) {
    Engine engine;
    engine.setGameVersion(GameVersion::Steam);
    type(engine, "txtDSpeed", "10240"); // 10 Mbit/s
    EXPECT_EQ(engine.slot(id("txtRate")), "rate 100000");
    EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 102");
    type(engine, "txtURate", "103");
    EXPECT_EQ(engine.text(id("txtURate")), "102");
    type(engine, "txtClRate", "50000"); // cl_rate keeps its cap; the command rate has none of 100
    EXPECT_EQ(engine.text(id("txtClRate")), "20000");
    EXPECT_EQ(engine.text(id("txtCMDRate")), "143");
    type(engine, "txtCMDRate", "1001"); // useful up to the frame rate, which is at most 1000
    EXPECT_EQ(engine.text(id("txtCMDRate")), "1000");

    // A slow line derives no less than the game keeps, but typing passes through low numbers.
    type(engine, "txtDSpeed", "40");
    engine.selectItem(id("cmbSpeed2"), 0);
    type(engine, "txtDSpeed", "40");
    EXPECT_EQ(engine.slot(id("txtRate")) + " " + engine.slot(id("txtURate")),
              "rate 1000 cl_updaterate 10");
    type(engine, "txtURate", "5");
    EXPECT_EQ(engine.slot(id("txtURate")), "cl_updaterate 5");
}

TEST(RateChain, ChoosingTheGameVersionRetypesSpeedsAndMovesStartValuesOnly) {
    // What the player did under the first version, then the rates, packet rates, client rates and
    // command rates once the other is chosen.
    struct Case {
        const char* what;
        GameVersion from;
        std::vector<std::pair<const char*, const char*>> typed;
        const char* expected; // rate cl_updaterate cl_rate cl_cmdrate
    };
    using enum GameVersion;
    const Case cases[] = {
        {"untouched", Classic, {}, "30000 60 9999 60"},
        {"untouched", Steam, {}, "7500 20 9999 30"},
        {"100 Mbit/s", Classic, {{"txtDSpeed", "102400"}}, "100000 102 9999 60"},
        {"100 Mbit/s", Steam, {{"txtDSpeed", "102400"}}, "20000 45 9999 30"},
        // The same byte rate under both, but the packet rate it derives was capped.
        {"122 kbit/s", Classic, {{"txtDSpeed", "122"}}, "14054 50 9999 60"},
        {"both speeds",
         Classic,
         {{"txtDSpeed", "4096"}, {"txtUSpeed", "64"}},
         "100000 102 7373 53"},
        // An explicit value wins over one derived from a field before it.
        {"own update rate", Classic, {{"txtURate", "30"}}, "30000 30 9999 60"},
        {"own rate", Classic, {{"txtRate", "15000"}}, "15000 45 9999 60"},
        {"own command rate", Steam, {{"txtCMDRate", "90"}}, "7500 20 9999 90"},
        // Kept values above the new caps are lowered to them.
        {"own rate", Steam, {{"txtRate", "50000"}}, "20000 45 9999 30"},
        {"own update rate", Steam, {{"txtURate", "80"}}, "7500 45 9999 30"},
        // A rate field that holds no number is left alone.
        {"emptied rate", Classic, {{"txtRate", ""}}, " 60 9999 60"},
    };
    for (const Case& c : cases) {
        Engine engine;
        engine.setGameVersion(c.from);
        for (const auto& [field, text] : c.typed) {
            type(engine, field, text);
        }
        engine.setGameVersion(c.from == Classic ? Steam : Classic);
        const std::string rates = engine.text(id("txtRate")) + " " + engine.text(id("txtURate")) +
                                  " " + engine.text(id("txtClRate")) + " " +
                                  engine.text(id("txtCMDRate"));
        EXPECT_EQ(rates, c.expected) << c.what << " from " << static_cast<int>(c.from);
        EXPECT_EQ(engine.handlerDepth(), 0);
    }
}
