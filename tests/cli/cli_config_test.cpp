#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/test_support.h"

namespace quilsk {
namespace {

using test::ReadBytes;
using test::RunCli;
using test::Sjis;
using test::WriteBytes;

class CliConfigTest : public ::testing::Test {
protected:
    test::CTempDir dir;
    std::string ini = (dir / "quilsk.ini").string();

    test::CommandResult Config(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--ini", ini, "config"});
        return RunCli(args);
    }
};

TEST_F(CliConfigTest, ReadsAnyCaseAndConvertsAtTheTerminalEdge)
{
    WriteBytes(ini, Sjis("[Option]\r\nKW1Word=1\r\n[ZELK電子辞書]\r\nDir=/辞書/\r\n[N]\r\nv=12abc\r\nw=abc\r\n"));
    EXPECT_EQ(Config({"get", "option", "kw1word"}).out, "1\n");
    EXPECT_EQ(Config({"get", "zelk電子辞書", "DIR"}).out, "/辞書/\n");
    EXPECT_EQ(Config({"get", "Missing", "key", "既定"}).out, "既定\n");
    EXPECT_EQ(Config({"get-int", "N", "v", "5"}).out, "12\n");
    EXPECT_EQ(Config({"get-int", "N", "w", "5"}).out, "0\n");
    EXPECT_EQ(Config({"get-int", "N", "none", "-3"}).out, "-3\n");
}

TEST_F(CliConfigTest, GetWithoutADefaultGivesTheDefaultTheProgramReads)
{
    WriteBytes(ini, "[Options]\r\nColumn=60\r\n");
    struct Case {
        std::vector<std::string> args;
        const char* out;
    } cases[] = {
        {{"get", "Options", "Column"}, "60\n"},        // stored
        {{"get", "options", "hits"}, "20\n"},          // the search's default
        {{"get", "Option", "KW1Word"}, "1\n"},         // a plain word by default
        {{"get", "Options", "KW1Word"}, "0\n"},        // the other section's key
        {{"get", "Font", "TextFontFace"}, "FixedSys\n"},
        {{"get", "Options", "Hits", "7"}, "7\n"},      // a default given wins
        {{"get", "Quick", "A"}, "\n"},
        {{"get", "Unknown", "key"}, "\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(Config(c.args).out, c.out) << c.args[1] << "/" << c.args[2];
    EXPECT_EQ(ReadBytes(ini), "[Options]\r\nColumn=60\r\n");
}

TEST_F(CliConfigTest, SetWritesCp932AndChangesOnlyThatValue)
{
    const std::string before = Sjis("; メモ\r\n[固有名辞書]\r\nDir=/a/\r\nextra=1\r\n");
    WriteBytes(ini, before);
    ASSERT_EQ(Config({"set", "固有名辞書", "dir", "/辞書/"}).exitCode, 0);
    EXPECT_EQ(ReadBytes(ini), Sjis("; メモ\r\n[固有名辞書]\r\nDir=/辞書/\r\nextra=1\r\n"));
    EXPECT_EQ(Config({"get", "固有名辞書", "Dir"}).out, "/辞書/\n");
}

TEST_F(CliConfigTest, PathHonoursTheSettingsFileOption)
{
    const auto r = Config({"path"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, ini + "\n");
}

TEST_F(CliConfigTest, FailuresAndBadArgumentsExitWithTwo)
{
    struct Case {
        std::vector<std::string> args;
        std::string stderrPart;
    } cases[] = {
        {{"get"}, "usage:"},
        {{"frobnicate"}, "usage:"},
        {{"get-int", "A", "k", "x"}, "DEFAULT must be an integer"},
        {{"set", "A", "k", "😀"}, "cannot be written in Shift-JIS"},
    };
    for (const Case& c : cases) {
        const auto r = Config(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args[0];
        EXPECT_NE(r.err.find(c.stderrPart), std::string::npos) << r.err;
    }
    EXPECT_EQ(RunCli({"--ini", ini}).exitCode, 2);
}

TEST_F(CliConfigTest, UnwritableSettingsFileFailsAndStaysIntact)
{
    WriteBytes(ini, "[A]\nk=old\n");
    chmod(ini.c_str(), 0444);
    auto r = Config({"set", "A", "k", "new"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("quilsk-cli: "), std::string::npos);
    EXPECT_EQ(ReadBytes(ini), "[A]\nk=old\n");

    WriteBytes(dir / "file", "x");
    r = RunCli({"--ini", (dir / "file" / "quilsk.ini").string(), "config", "set", "A", "k", "v"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
}

}  // namespace
}  // namespace quilsk
