// Text from a player's file shown safely: only what could act on a terminal is escaped.

#include "core/printable_text.h"

#include <gtest/gtest.h>

using namespace quarvel;

TEST(PrintableText, EscapesControlsAndStrayBytesAndKeepsEveryCharacter) {
    const std::pair<std::string, std::string> texts[] = {
        {"rate 25000", "rate 25000"},
        {"\x1b[2J", "\\x1b[2J"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"tab\there\r\n\x7f", "tab\\x09here\\x0d\\x0a\\x7f"},
        {"\xc2\x9b"
         "31m",
         "\\xc2\\x9b31m"}, // CSI as a UTF-8 character
        {"\x9b"
         "31m",
         "\\x9b31m"}, // and as a byte alone
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xae \xc2\xa0",
         "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xae \xc2\xa0"},
        {"\xc3", "\\xc3"},                                       // cut short
        {"\xc0\xaf \xe0\x80\xaf", "\\xc0\\xaf \\xe0\\x80\\xaf"}, // overlong
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},                     // a surrogate
        {"\xf4\x90\x80\x80 \xff",
         "\\xf4\\x90\\x80\\x80 \\xff"}, // beyond U+10FFFF, and no lead at all
    };
    for (const auto& [text, shown] : texts) {
        EXPECT_EQ(printableText(text), shown);
    }
}
