#include <gtest/gtest.h>

#include "results/command_line_split.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::Sjis;
using Words = std::vector<std::string>;

TEST(CommandLineSplitTest, SplitsLikeAShellWithoutExpanding)
{
    struct Case {
        std::string text;
        Words words;
    } cases[] = {
        {"", {}},
        {" \t\n ", {}},
        {"ed file", {"ed", "file"}},
        {"'a b' c", {"a b", "c"}},
        {"'it''s'", {"its"}},
        {"'a\\b \"c\"'", {"a\\b \"c\""}},
        {"\"a\\\"b\"", {"a\"b"}},
        {"\"\\$HOME \\` \\\\\"", {"$HOME ` \\"}},
        {"\"\\n\\x\\'\"", {"\\n\\x\\'"}},
        {"a\\ b \\'x \\\\", {"a b", "'x", "\\"}},
        {"''", {""}},
        {"a '' \"\" b", {"a", "", "", "b"}},
        {"x\"y z\"'w'v", {"xy zwv"}},
        {"$HOME `id` $(id) ~ *.txt a;b|c&d>e<f #g", {"$HOME", "`id`", "$(id)", "~", "*.txt", "a;b|c&d>e<f", "#g"}},
        {"a\\\nb", {"ab"}},
        {"\"a\\\nb\"", {"ab"}},
        {"trailing\\", {"trailing\\"}},
        {"ed\r", {"ed\r"}},
    };
    for (const Case& c : cases) {
        const CommandLineWords split = SplitCommandLine(c.text);
        EXPECT_EQ(split.error, CommandLineError::None) << c.text;
        EXPECT_EQ(split.words, c.words) << c.text;
    }
}

TEST(CommandLineSplitTest, TheSecondByteOfATwoByteCharacterIsNeverABackslash)
{
    // 表 is 0x95 0x5C in cp932: its second byte is the backslash byte.
    const std::string hyo = Sjis("表");
    ASSERT_EQ(hyo, "\x95\x5C");
    struct Case {
        std::string text;
        Words words;
    } cases[] = {
        {"/" + hyo + " x", {"/" + hyo, "x"}},
        {"\"/" + hyo + "\" x", {"/" + hyo, "x"}},
        {"'" + hyo + "'", {hyo}},
        {"\\" + hyo + "\\ a", {hyo + " a"}},
        {"\"\\" + hyo + "\"", {"\\" + hyo}},
        {Sjis("'/home/予定表/ソフト' %F"), {Sjis("/home/予定表/ソフト"), "%F"}},
    };
    for (const Case& c : cases) {
        const CommandLineWords split = SplitCommandLine(c.text);
        EXPECT_EQ(split.error, CommandLineError::None) << c.text;
        EXPECT_EQ(split.words, c.words) << c.text;
    }
}

TEST(CommandLineSplitTest, UnterminatedQuotesAreErrors)
{
    struct Case {
        std::string text;
        CommandLineError error;
    } cases[] = {
        {"ed 'file", CommandLineError::UnterminatedSingleQuote},
        {"ed \"file", CommandLineError::UnterminatedDoubleQuote},
        {"\"a\\\"", CommandLineError::UnterminatedDoubleQuote},
        {"ok \"\" '", CommandLineError::UnterminatedSingleQuote},
    };
    for (const Case& c : cases) {
        const CommandLineWords split = SplitCommandLine(c.text);
        EXPECT_EQ(split.error, c.error) << c.text;
        EXPECT_TRUE(split.words.empty()) << c.text;
    }
}

}  // namespace
}  // namespace quilsk
