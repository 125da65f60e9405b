#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "platform/file_system.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::ReadBytes;
using test::RunCli;
using test::Sjis;
using test::WriteBytes;

class CliSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteBytes(dir / "dict" / "ZELK5.A", Sjis("■apple : \x1bりんご\x1b\r\n* an apple : りんご\r\n■Apple Inc. : アップル社\r\n"));
        WriteBytes(dir / "dict" / "ZELK5.B", Sjis("■banana : バナナ\r\n"));
        ASSERT_EQ(Cli({"register", "main", (dir / "dict").string(), "ZELK5*.*"}).exitCode, 0);
    }

    test::CommandResult Cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--ini", ini});
        return RunCli(args);
    }

    test::CTempDir dir;
    std::string ini = (dir / "quilsk.ini").string();
};

TEST_F(CliSearchTest, OutputFormsAndExitStatus)
{
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string out;
    } cases[] = {
        {{"search", "apple"}, 0, "■apple : りんご\n* an apple : りんご\n"},
        {{"search", "--color=always", "apple", "--headword-only", "--skip-examples"}, 0, "■apple : \x1b[7mりんご\x1b[27m\n"},
        {{"search", "--raw", "banana"}, 0, Sjis("■banana : バナナ\r\n")},
        {{"search", "-i", "--match", "word", "apple"}, 0, "■apple : りんご\n* an apple : りんご\n■Apple Inc. : アップル社\n"},
        {{"search", "-c", "-i", "apple"}, 0, "3\n"},
        {{"search", "-j", "3", "-i", "--match", "word", "apple"}, 0, "■apple : りんご\n* an apple : りんご\n■Apple Inc. : アップル社\n"},
        {{"search", "--threads=1", "-c", "-i", "apple"}, 0, "3\n"},
        {{"search", "-j2", "-c", "-i", "apple"}, 0, "3\n"},
        {{"search", "--or", "banana", "Inc"}, 0, "■Apple Inc. : アップル社\n■banana : バナナ\n"},
        {{"search", "--not", "apple", "an"}, 0, "■apple : りんご\n"},
        {{"search", "--narrow", "an", "apple"}, 0, "* an apple : りんご\n"},
        // Printed from the whole list rather than as found: sorted, or behind a progress bar.
        {{"search", "--sort", "-i", "apple"}, 0, "■apple : りんご\n■Apple Inc. : アップル社\n* an apple : りんご\n"},
        {{"search", "--progress", "-i", "apple"}, 0, "■apple : りんご\n* an apple : りんご\n■Apple Inc. : アップル社\n"},
        {{"search", "-c", "--narrow", "an", "apple"}, 0, "1\n"},
        {{"search", "-c", "cherry"}, 1, "0\n"},
        {{"search", "cherry"}, 1, ""},
    };
    for (const Case& c : cases) {
        const auto r = Cli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.back() << r.err;
        EXPECT_EQ(r.out, c.out) << c.args.back();
    }
}

TEST_F(CliSearchTest, TimeGoesToStderrWithTheLineCount)
{
    const auto r = Cli({"search", "--time", "-c", "apple"});
    EXPECT_EQ(r.out, "2\n");
    EXPECT_EQ(r.err.rfind("quilsk-cli: 2 lines in ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(" ms\n"), std::string::npos) << r.err;
}

TEST_F(CliSearchTest, OptionsLastOneRunButTheHistoryIsRecorded)
{
    ASSERT_EQ(Cli({"config", "set", "Keyword", "Keyword1", "banana"}).exitCode, 0);
    const std::string before = ReadBytes(ini);
    EXPECT_EQ(Cli({"search", "--tag", "-i", "--no-history", "apple"}).exitCode, 0);
    EXPECT_EQ(ReadBytes(ini), before) << "--no-history leaves the file alone";
    const auto all = Cli({"search", "--or", "--group2", "--match=word", "--match2", "prefix", "--mode=quick",
                          "--headword-only", "--skip-examples", "--sort", "--dedupe", "--no-index", "--index-dir",
                          dir.Path().string(), "--narrow", "APPLE", "--narrow-ignore-case", "--no-history", "apple",
                          "fruit"});
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_EQ(all.out, "■apple : りんご\n");
    EXPECT_EQ(ReadBytes(ini), before) << "the options are this run's only";
    EXPECT_EQ(Cli({"search", "--tag", "apple"}).exitCode, 0);
    EXPECT_EQ(Cli({"history"}).out, "apple\n");
    EXPECT_EQ(Cli({"config", "get", "Options", "TagForm", "unset"}).out, "unset\n");
    EXPECT_EQ(Cli({"search"}).out, "■banana : バナナ\n") << "keywords left out come from the settings";
}

TEST_F(CliSearchTest, SavesTheResultsAsStored)
{
    const std::string saved = (dir / "out.txt").string();
    EXPECT_EQ(Cli({"search", "-o", saved, "--tag", "banana"}).exitCode, 0);
    const std::string path = Cp932ToUtf8(*FromNativePath(dir.Path() / "dict"));
    EXPECT_EQ(ReadBytes(saved), path + "/ZELK5.B(      1) " + Sjis("■banana : バナナ\r\n"));
}

TEST_F(CliSearchTest, BadInputIsAnErrorWithOneLine)
{
    struct Case {
        std::vector<std::string> args;
        std::string stderrPart;
    } cases[] = {
        {{"search", "😀"}, "cannot be written in Shift-JIS"},
        {{"search", "--bogus", "x"}, "usage:"},
        {{"search", "--match", "fuzzy", "x"}, "unknown match mode"},
        {{"search", "a", "b", "c"}, "usage:"},
        {{"search", "--group1", "nogroup"}, "キーワードの初期化に失敗しました(;_;)"},
        {{"register", "nowhere", "/tmp", "*.*"}, "unknown category"},
        {{"quick", "set", "AB", "x"}, "LETTER"},
        {{"group", "add", "a|b", "w"}, "cannot contain"},
    };
    for (const Case& c : cases) {
        const auto r = Cli(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args[1];
        EXPECT_NE(r.err.find(c.stderrPart), std::string::npos) << r.err;
    }
}

TEST_F(CliSearchTest, WordGroupsThroughTheCommandLine)
{
    ASSERT_EQ(Cli({"group", "add", "fruit", "banana", "Apple", "apple"}).exitCode, 0);
    ASSERT_EQ(Cli({"group", "add", "animals", "cat"}).exitCode, 0);
    EXPECT_EQ(Cli({"group", "list"}).out, "animals\nfruit\n");
    EXPECT_EQ(Cli({"group", "show", "fruit"}).out, "Apple\nbanana\n");
    EXPECT_EQ(Cli({"search", "--group1", "fruit"}).out, "■Apple Inc. : アップル社\n■banana : バナナ\n");
    ASSERT_EQ(Cli({"group", "remove", "fruit", "apple"}).exitCode, 0);
    EXPECT_EQ(Cli({"group", "show", "fruit"}).out, "banana\n");
    ASSERT_EQ(Cli({"group", "delete", "fruit"}).exitCode, 0);
    EXPECT_EQ(Cli({"group", "list"}).out, "animals\n");
    EXPECT_EQ(Cli({"group", "show", "fruit"}).out, "banana\n") << "a deleted group's words stay stored";
}

TEST_F(CliSearchTest, CategoriesAndQuickLetters)
{
    const auto categories = Cli({"categories"}).out;
    EXPECT_EQ(categories.substr(0, categories.find('\n')),
              "ZELK電子辞書\t登録済\t" + (dir / "dict").string() + "/\tZELK5*.*");
    EXPECT_NE(categories.find("\nその他\t未登録\t\t\n"), std::string::npos);
    const auto warned = Cli({"register", "supplement", (dir / "dict").string(), "ZELK-HOI.*"});
    EXPECT_EQ(warned.exitCode, 0);
    EXPECT_NE(warned.err.find("warning"), std::string::npos);

    ASSERT_EQ(Cli({"quick", "auto"}).exitCode, 0);
    const auto quick = Cli({"quick", "show"}).out;
    EXPECT_EQ(quick.substr(0, 20), "A\tZELK5.A\nB\tZELK5.B\n");
    EXPECT_EQ(Cli({"search", "--mode", "superquick", "-c", "apple"}).out, "2\n");
}

}  // namespace
}  // namespace quilsk
