#include "games/key_values.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace quarvel::games;

TEST(KeyValuesTest, ReadsNestedBlocksEscapesCommentsAndBareWords) {
    auto parsed = parseKeyValues(R"(// written by Steam
"Outer"   // trailing note
{
    "Path"   "C:\\Games\\\"HL\""
    "lines"  "a\tb\nc"
    bare     1.5
    "Inner" { "empty" "" }
    "path"   "second"
})");
    ASSERT_TRUE(parsed.ok()) << parsed.error->reason;
    ASSERT_EQ(parsed.root.children.size(), 1u);
    const KeyValue* outer = parsed.root.child("OUTER");
    ASSERT_NE(outer, nullptr);
    EXPECT_TRUE(outer->isBlock);
    EXPECT_EQ(outer->children.size(), 5u);
    EXPECT_EQ(outer->text("path"), R"(C:\Games\"HL")"); // the first of two equal keys
    EXPECT_EQ(outer->text("Lines"), "a\tb\nc");
    EXPECT_EQ(outer->text("BARE"), "1.5");
    EXPECT_EQ(outer->text("inner"), std::nullopt); // a block has no text
    ASSERT_NE(outer->child("inner"), nullptr);
    EXPECT_EQ(outer->child("inner")->text("empty"), "");
    EXPECT_EQ(outer->child("missing"), nullptr);
}

TEST(KeyValuesTest, EmptyAndCommentOnlyTextsHoldNothing) {
    for (const char* text : {"", "  \r\n\t", "// only a comment", "//"}) {
        auto parsed = parseKeyValues(text);
        EXPECT_TRUE(parsed.ok()) << text;
        EXPECT_TRUE(parsed.root.children.empty()) << text;
    }
}

TEST(KeyValuesTest, ReportsWhereAndWhyTextIsBroken) {
    struct Case {
        std::string_view text;
        std::size_t line, column;
        std::string reasonPart;
    };
    const Case cases[] = {
        {"\"a\" \"b", 1, 5, "never closed"},
        {"\"a\"\n{\n  \"b\" \"c\"\n", 4, 1, "opened at line 2, column 1"},
        {"\"a\" { \"b\" @@ }", 1, 11, "unexpected character '@'"},
        {"\"a\" \"b\" }", 1, 9, "without a matching '{'"},
        {"\"a\"", 1, 4, "\"a\" has no value"},
        {"\"a\" { \"b\" }", 1, 11, "\"b\" has no value"},
        {"\"a\"\n  \"x\\qy\"", 2, 5, "unknown escape sequence '\\q'"},
        {"\"a\" \"b\\", 1, 5, "never closed"},
        {"{ }", 1, 1, "expected a key"},
        {"\"a\" / \"b\"", 1, 5, "unexpected character '/'"},
        {std::string_view("\"a\" \0", 5), 1, 5, "0x00"},
    };
    for (const Case& c : cases) {
        auto parsed = parseKeyValues(c.text);
        ASSERT_FALSE(parsed.ok()) << c.text;
        EXPECT_EQ(parsed.error->line, c.line) << c.text;
        EXPECT_EQ(parsed.error->column, c.column) << c.text;
        EXPECT_NE(parsed.error->reason.find(c.reasonPart), std::string::npos)
            << c.text << " gave: " << parsed.error->reason;
        EXPECT_TRUE(parsed.root.children.empty()) << c.text;
    }
}

std::string nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += "\"k\" {";
    }
    return text + std::string(static_cast<std::size_t>(depth), '}');
}

TEST(KeyValuesTest, LimitsNestingDepth) {
    EXPECT_TRUE(parseKeyValues(nested(maxKeyValuesDepth)).ok());
    auto tooDeep = parseKeyValues(nested(maxKeyValuesDepth + 1));
    ASSERT_FALSE(tooDeep.ok());
    EXPECT_EQ(tooDeep.error->column, 5u * maxKeyValuesDepth + 5);
    EXPECT_NE(tooDeep.error->reason.find("nested deeper"), std::string::npos);
    EXPECT_FALSE(parseKeyValues(nested(200000)).ok()); // must not overflow the stack
}

TEST(KeyValuesTest, ReadsFilesAndNamesThemInErrors) {
    TempFolder folder;
    auto file = folder.write("bad.vdf", "\"a\"\n{\n");
    auto bad = readKeyValuesFile(file);
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(describeError(file, *bad.error),
              file.string() + ":3:1: missing '}' for the block opened at line 2, column 1");

    auto missing = readKeyValuesFile(folder.path("none.vdf"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error->line, 0u);
    EXPECT_EQ(describeError("none.vdf", *missing.error).rfind("none.vdf: cannot read", 0), 0u);
}
