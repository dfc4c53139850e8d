// The arithmetic of the calculator: reading field texts, units, rounding.

#include "rates/rate_calculator.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quarvel::rates;

TEST(ParseRate, ReadsDigitsWithAtMostOnePointAndHugeOrTinyOnesStayDefined) {
    const std::string nines(400, '9'), zeros(400, '0'), tiny = "0." + zeros + "1";
    const std::pair<std::string, std::optional<double>> cases[] = {
        {"0030", 30.0},    {"0.5", 0.5}, {"5.", 5.0}, {".5", 0.5},
        {nines, HUGE_VAL}, {zeros, 0.0}, {tiny, 0.0}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(parseRate(text), value) << text;
    }
    for (const auto* text : {"", ".", "1.2.3", "\"25000\"", " 5", "5 ", "-5", "+5", "1e3", "0x10",
                             "inf", "nan", "12a"}) {
        EXPECT_EQ(parseRate(text), std::nullopt) << text;
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndEveryDigitIsPrinted) {
    const std::pair<double, double> cases[] = {{4.5, 4.0},    {22.5, 22.0}, {23.5, 24.0},
                                               {26.79, 27.0}, {0.49, 0.0},  {1e300, 1e300}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
    }
    EXPECT_EQ(wholeNumberText(6451), "6451");
    EXPECT_EQ(wholeNumberText(1e22), "10000000000000000000000");
    EXPECT_EQ(wholeNumberText(std::nan("")), "0");
}
