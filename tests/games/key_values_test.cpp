#include "games/key_values.h"

#include "games/app_manifest.h"

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
    const KeyValue* outer = parsed.root.child("OUTER");
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(outer->text("path"), R"(C:\Games\"HL")"); // the first of two equal keys
    EXPECT_EQ(outer->text("Lines"), "a\tb\nc");
    EXPECT_EQ(outer->text("BARE"), "1.5");
    EXPECT_EQ(outer->text("inner"), std::nullopt); // a block has no text
    ASSERT_NE(outer->child("inner"), nullptr);
    EXPECT_EQ(outer->child("inner")->text("empty"), "");
}

TEST(KeyValuesTest, ReportsWhereAndWhyTextIsBroken) {
    std::string deep;
    for (int i = 0; i < 100; ++i) {
        deep += "\"k\" {\n";
    }
    // Text, and the start of "line:column: reason".
    const std::pair<std::string_view, std::string> cases[] = {
        {deep, "33:5: blocks nested deeper"},
        {"\"a\" \"b\\", "1:5: string is never closed"},
        {"\"a\"\n{\n  \"b\" \"c\"\n", "4:1: missing '}' for the block opened at line 2, column 1"},
        {"\"a\" / \"b\"", "1:5: unexpected character '/'"},
        {std::string_view("\"a\" \0", 5), "1:5: unexpected character 0x00"},
        {"\"a\" \"b\" }", "1:9: '}' without a matching '{'"},
        {"\"a\"", "1:4: key \"a\" has no value"},
        {"\"a\"\n  \"x\\qy\"", "2:5: unknown escape sequence '\\q'"},
        {"{ }", "1:1: expected a key"},
    };
    for (const auto& [text, expected] : cases) {
        auto parsed = parseKeyValues(text);
        EXPECT_TRUE(parsed.root.children.empty()) << text;
        ASSERT_FALSE(parsed.ok()) << text;
        const std::string got = std::to_string(parsed.error->line) + ":" +
                                std::to_string(parsed.error->column) + ": " + parsed.error->reason;
        EXPECT_EQ(got.rfind(expected, 0), 0u) << text << " gave: " << got;
    }
}

TEST(KeyValuesTest, ManifestWithoutAPlainInstallFolderNamesNone) {
    for (const char* text :
         {R"("AppState" { "name" "Half-Life" })", R"("Other" { "installdir" "Half-Life" })",
          R"("AppState" { "installdir" "" })", R"("AppState" { "installdir" ".." })",
          R"("AppState" { "installdir" "a/b" })", R"("AppState" { "installdir" "a\\b" })",
          R"("AppState" { "installdir" "." })"}) {
        const auto parsed = parseKeyValues(text);
        ASSERT_TRUE(parsed.ok()) << text;
        EXPECT_EQ(installDirIn(parsed.root), std::nullopt) << text;
    }
}
