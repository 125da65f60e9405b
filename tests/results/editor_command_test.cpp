#include <gtest/gtest.h>

#include "results/editor_command.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::Sjis;
using Words = std::vector<std::string>;

TEST(EditorCommandTest, TagNamesTheFileAndLineOfAResultLine)
{
    struct Case {
        std::string line;
        std::string file;
        std::string number;
    } cases[] = {
        {"/DIC/A.TXT(   1234) apple : x\r\n", "/DIC/A.TXT", "1234"},
        {"/DIC/A.TXT(12345678) apple\r\n", "/DIC/A.TXT", "12345678"},
        {"/my dict/a(1).txt(     12) see (x) here\r\n", "/my dict/a(1).txt", "12"},
        {Sjis("/辞書/表.TXT(      3) 表 : ひょう\r\n"), Sjis("/辞書/表.TXT"), "3"},
        {"(      5) apple\r\n", "", "5"},
        {"/a() apple\r\n", "/a", ""},
        {"apple : x\r\n", "", ""},
        {"apple) x\r\n", "", ""},
        {"/DIC/A.TXT(  12)apple\r\n", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const EditorTarget tag = ParseResultTag(c.line);
        EXPECT_EQ(tag.file, c.file) << c.line;
        EXPECT_EQ(tag.lineNumber, c.number) << c.line;
    }
}

TEST(EditorCommandTest, MacrosAreReplacedInsideTheTemplatesArguments)
{
    const EditorTarget target{"/tmp/R.TXT", "4"};
    struct Case {
        std::string commandTemplate;
        Words arguments;
    } cases[] = {
        {"ed %F", {"ed", "/tmp/R.TXT"}},
        {"ed %F /L%R", {"ed", "/tmp/R.TXT", "/L4"}},
        {"ed", {"ed", "/tmp/R.TXT"}},
        {"ed +%R", {"ed", "+4", "/tmp/R.TXT"}},
        {"ed %F %f", {"ed", "%F", "/tmp/R.TXT"}},
        {"ed %f %F", {"ed", "/tmp/R.TXT", "%F"}},
        {"ed %R %r %F", {"ed", "%R", "4", "/tmp/R.TXT"}},
        {"ed %F:%R", {"ed", "/tmp/R.TXT:4"}},
        {"ed %R:%F", {"ed", "4:/tmp/R.TXT"}},
        {"ed --at=%R%R%F", {"ed", "--at=4%R/tmp/R.TXT"}},
        {"'my editor' '%F' \"+%R\"", {"my editor", "/tmp/R.TXT", "+4"}},
        {"ed %%F", {"ed", "%/tmp/R.TXT"}},
        {"", {}},
        {"   ", {}},
    };
    for (const Case& c : cases) {
        const CommandLineWords command = ExpandEditorTemplate(c.commandTemplate, target);
        EXPECT_EQ(command.error, CommandLineError::None) << c.commandTemplate;
        EXPECT_EQ(command.words, c.arguments) << c.commandTemplate;
    }
}

TEST(EditorCommandTest, AFileNameStaysOneArgumentAndIsNeverSearchedForMacros)
{
    struct Case {
        std::string commandTemplate;
        EditorTarget target;
        Words arguments;
    } cases[] = {
        {"ed %F +%R", {"/tmp/my dict;rm -rf ~ $(id) `id` 'q\".txt", "7"},
         {"ed", "/tmp/my dict;rm -rf ~ $(id) `id` 'q\".txt", "+7"}},
        {"ed %F +%R", {"/tmp/%r%f%R.txt", "7"}, {"ed", "/tmp/%r%f%R.txt", "+7"}},
        {"ed +%R", {"/tmp/%f.txt", "%F"}, {"ed", "+%F", "/tmp/%f.txt"}},
        {Sjis("ed %F"), {Sjis("/home/予定表/表.txt"), "1"}, {"ed", Sjis("/home/予定表/表.txt")}},
        {"ed %F +%R", {"", ""}, {"ed", "", "+"}},
    };
    for (const Case& c : cases) {
        const CommandLineWords command = ExpandEditorTemplate(c.commandTemplate, c.target);
        EXPECT_EQ(command.error, CommandLineError::None) << c.target.file;
        EXPECT_EQ(command.words, c.arguments) << c.target.file;
    }
}

}  // namespace
}  // namespace quilsk
