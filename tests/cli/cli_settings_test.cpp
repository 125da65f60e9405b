#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/test_support.h"

namespace quilsk {
namespace {

using test::ReadBytes;
using test::RunCli;
using test::Sjis;
using test::WriteBytes;

// quilsk-cli run with `prepare` applied to its environment first. A run that
// would wait forever is ended by an alarm, so a hang shows as a failure
// (128 + SIGALRM) instead of stopping the tests.
test::CommandResult RunCliWith(const std::vector<std::string>& args, const std::function<void()>& prepare)
{
    const test::CTempDir scratch;
    const std::string outPath = (scratch / "stdout").string();
    const std::string errPath = (scratch / "stderr").string();
    const pid_t pid = fork();
    if (pid == 0) {
        prepare();
        if (!freopen("/dev/null", "rb", stdin) || !freopen(outPath.c_str(), "wb", stdout) ||
            !freopen(errPath.c_str(), "wb", stderr))
            _exit(127);
        alarm(60);
        std::vector<char*> argv{const_cast<char*>(QUILSK_CLI_PATH)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(QUILSK_CLI_PATH, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    test::CommandResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = ReadBytes(outPath);
    result.err = ReadBytes(errPath);
    return result;
}

bool IsOneLine(const std::string& text) { return !text.empty() && text.find('\n') == text.size() - 1; }

class CliSettingsTest : public ::testing::Test {
protected:
    test::CommandResult Cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--ini", ini});
        return RunCli(args);
    }

    test::CTempDir dir;
    std::string ini = (dir / "quilsk.ini").string();
};

TEST_F(CliSettingsTest, ASettingsFileThatIsNotARegularFileIsRefusedAtOnce)
{
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
    std::filesystem::create_directory(dir / "directory");
    const std::vector<std::string> commands[] = {
        {"config", "get", "A", "k"}, {"config", "set", "A", "k", "v"}, {"search", "apple"}, {"history"}, {"lookup", "x"}};
    for (const std::string& path : {(dir / "fifo").string(), (dir / "directory").string(), std::string("/dev/null")}) {
        for (std::vector<std::string> args : commands) {
            args.insert(args.begin(), {"--ini", path});
            const auto r = RunCliWith(args, [] {});
            EXPECT_EQ(r.exitCode, 2) << path << " " << args[2];
            EXPECT_TRUE(IsOneLine(r.err)) << r.err;
            EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
        }
    }
    EXPECT_EQ(std::filesystem::status(dir / "fifo").type(), std::filesystem::file_type::fifo);
}

TEST_F(CliSettingsTest, WithoutHomeTheSettingsFileIsInTheUsersHomeDirectory)
{
    const passwd* entry = getpwuid(getuid());
    ASSERT_NE(entry, nullptr);
    const std::string expected = (std::filesystem::path(entry->pw_dir) / ".config" / "quilsk" / "quilsk.ini").string();
    for (const char* home : {static_cast<const char*>(nullptr), ""}) {
        const auto r = RunCliWith({"config", "path"}, [home] {
            unsetenv("QUILSK_HOME");
            unsetenv("XDG_CONFIG_HOME");
            if (home)
                setenv("HOME", home, 1);
            else
                unsetenv("HOME");
        });
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, expected + "\n");
    }
}

TEST_F(CliSettingsTest, GroupNamesThatCouldNotBeFoundAgainAreRefused)
{
    const std::string before = "[Options]\r\nMode=2\r\n";
    struct Case {
        const char* name;
        const char* why;
    } cases[] = {
        {"nuts ", "blank"},       {" [Options]", "blank"}, {"[Options]", "section header"}, {";x", "comment"},
        {"a=b", "\"=\""},         {"a\nb", "line break"},  {"a|b", "\"|\""},
    };
    for (const Case& c : cases) {
        WriteBytes(ini, before);
        const auto r = Cli({"group", "add", c.name, "x"});
        EXPECT_EQ(r.exitCode, 2) << c.name;
        EXPECT_TRUE(IsOneLine(r.err)) << r.err;
        EXPECT_NE(r.err.find(c.why), std::string::npos) << r.err;
        EXPECT_EQ(ReadBytes(ini), before);
    }
    EXPECT_EQ(Cli({"config", "get", "Options", "Mode"}).out, "2\n");
}

TEST_F(CliSettingsTest, WordsAreReadBackAsWritten)
{
    ASSERT_EQ(Cli({"group", "add", "g", " lead", "trail ", "ポンプ"}).exitCode, 0);
    EXPECT_EQ(Cli({"group", "show", "g"}).out, " lead\ntrail \nポンプ\n");
    const auto r = Cli({"group", "add", "g", "two\nlines"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(IsOneLine(r.err)) << r.err;
    EXPECT_EQ(Cli({"group", "show", "g"}).out, " lead\ntrail \nポンプ\n");
}

TEST_F(CliSettingsTest, KeysAndSectionsThatCouldNotBeFoundAgainAreRefusedInOneLine)
{
    struct Case {
        const char* section;
        const char* key;
        const char* why;
    } cases[] = {{"A", "k ", "blank"}, {"A", "k\nx", "line break"}, {"A", "[B]", "section header"},
                 {"A\nB", "k", "line break"}, {"A]", "k", "\"]\""}};
    for (const Case& c : cases) {
        const auto r = Cli({"config", "set", c.section, c.key, "v"});
        EXPECT_EQ(r.exitCode, 2) << c.key;
        EXPECT_TRUE(IsOneLine(r.err)) << r.err;
        EXPECT_NE(r.err.find(c.why), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST_F(CliSettingsTest, ValuesThatWouldNotBeReadBackAreRefused)
{
    for (const char* value : {" x", "x ", "a\nb", "\t"}) {
        const auto r = Cli({"config", "set", "A", "k", value});
        EXPECT_EQ(r.exitCode, 2) << value;
        EXPECT_TRUE(IsOneLine(r.err)) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(ini));
    ASSERT_EQ(Cli({"config", "set", "A", "k", "a b"}).exitCode, 0);
    EXPECT_EQ(Cli({"config", "get", "A", "k"}).out, "a b\n");
}

TEST_F(CliSettingsTest, DictionaryFilesNamedInCp932OnDiskAreSearched)
{
    const std::filesystem::path dict = dir / "dict";
    WriteBytes(dict / Sjis("ZELK略語.TXT"), Sjis("■ASAP : できるだけ早く\r\n"));
    WriteBytes(dict / "ZELK固名.TXT", Sjis("■ASAP Inc. : 会社\r\n"));  // named in UTF-8
    WriteBytes(dict / "ZELK\xFF\xFE.TXT", Sjis("■ASAP junk : 読まれない\r\n"));  // neither: skipped
    Cli({"register", "main", dict.string(), "ZELK5*.*"});  // the main pass reads nothing without it
    ASSERT_EQ(Cli({"register", "abbreviations", dict.string(), "*.TXT"}).exitCode, 0);
    const auto r = Cli({"search", "--tag", "ASAP"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, dict.string() + "/ZELK固名.TXT(      1) ■ASAP Inc. : 会社\n" + dict.string() +
                         "/ZELK略語.TXT(      1) ■ASAP : できるだけ早く\n");
}

}  // namespace
}  // namespace quilsk
