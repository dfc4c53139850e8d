// The arithmetic of the calculator: reading field texts, units, rounding.

#include "rates/rate_calculator.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quarvel::rates;

TEST(ParseRate, AcceptsDigitsWithAtMostOnePoint) {
    EXPECT_EQ(parseRate("0030"), 30.0);
    EXPECT_EQ(parseRate("7500"), 7500.0);
    EXPECT_EQ(parseRate("0.5"), 0.5);
    EXPECT_EQ(parseRate("5."), 5.0);
    EXPECT_EQ(parseRate(".5"), 0.5);
    for (const auto* text : {"", ".", "1.2.3", "\"25000\"", " 5", "5 ", "-5", "+5", "1e3", "0x10",
                             "inf", "nan", "12a"}) {
        EXPECT_FALSE(parseRate(text).has_value()) << text;
    }
}

TEST(ParseRate, HugeAndTinyDigitStringsStayDefined) {
    const std::string huge(400, '9');
    ASSERT_TRUE(parseRate(huge).has_value());
    EXPECT_TRUE(std::isinf(*parseRate(huge)));
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(parseRate(tiny), 0.0);
    EXPECT_EQ(parseRate(std::string(400, '0')), 0.0);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(4.5), 4);
    EXPECT_EQ(roundHalfEven(22.5), 22);
    EXPECT_EQ(roundHalfEven(23.5), 24);
    EXPECT_EQ(roundHalfEven(26.79), 27);
    EXPECT_EQ(roundHalfEven(0.49), 0);
    EXPECT_EQ(roundHalfEven(1e300), 1e300);
}

TEST(WholeNumberText, PrintsEveryDigitOfLargeValues) {
    EXPECT_EQ(wholeNumberText(0), "0");
    EXPECT_EQ(wholeNumberText(6451), "6451");
    EXPECT_EQ(wholeNumberText(1e22), "10000000000000000000000");
    EXPECT_EQ(wholeNumberText(std::nan("")), "0");
}
