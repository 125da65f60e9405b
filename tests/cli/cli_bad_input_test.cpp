#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/test_support.h"

namespace quilsk {
namespace {

using test::CliRun;
using test::RunCli;
using test::RunCliWith;
using test::Sjis;
using test::WriteBytes;

// A registered dictionary, a word group and an index, so that every command has
// something to print.
class CliBadInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteBytes(dir / "dict" / "ZELK5.A", Sjis("■apple : りんご\r\n■apricot : あんず\r\n"));
        std::filesystem::create_directories(dir / "idx");
        ASSERT_EQ(Cli({"register", "main", (dir / "dict").string(), "ZELK5*.*"}).exitCode, 0);
        ASSERT_EQ(Cli({"config", "set", "Index", "Dir", (dir / "idx").string() + "/"}).exitCode, 0);
        ASSERT_EQ(Cli({"group", "add", "fruit", "apple"}).exitCode, 0);
        ASSERT_EQ(Cli({"index", "build"}).exitCode, 0);
        ASSERT_EQ(Cli({"search", "apple"}).exitCode, 0);
    }

    std::vector<std::string> WithIni(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"--ini", ini});
        return args;
    }
    test::CommandResult Cli(const std::vector<std::string>& args) const { return RunCli(WithIni(args)); }

    // Replaces a file by a FIFO nobody writes to.
    void MakeFifo(const std::filesystem::path& path) const
    {
        std::filesystem::remove(path);
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    }

    test::CTempDir dir;
    std::string ini = (dir / "quilsk.ini").string();
};

TEST_F(CliBadInputTest, EmptyOrMissingPathsAreRefusedWithAMessage)
{
    const std::string out = (dir / "out").string();
    const std::vector<std::vector<std::string>> commands = {
        {"search", "apple", "--index-dir"},
        {"search", "--index-dir", "", "apple"},
        {"search", "--index-dir=", "apple"},
        {"search", "-o", "", "apple"},
        {"search", "apple", "-o"},
        {"register", "main", "", "*"},
        {"import-edict", "--from", "", out},
        {"import-edict", ""},
    };
    for (const auto& args : commands) {
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 2) << args[0] << " " << args[1] << ": " << r.err;
        EXPECT_TRUE(r.err.find("the path is empty\n") != std::string::npos ||
                    r.err.find("needs a value\n") != std::string::npos)
            << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
    }
    const auto noIni = RunCli({"--ini", "", "history"});
    EXPECT_EQ(noIni.exitCode, 2);
    EXPECT_NE(noIni.err.find("--ini: the path is empty"), std::string::npos) << noIni.err;
}

TEST_F(CliBadInputTest, ThreadCountsOutsideOneToSixtyFourAreRefused)
{
    for (const char* count : {"0", "65", "-1", "x", "2x", ""}) {
        const auto r = Cli({"search", "--threads", count, "apple"});
        EXPECT_EQ(r.exitCode, 2) << count;
        EXPECT_NE(r.err.find("not a number of threads from 1 to 64"), std::string::npos) << count << ": " << r.err;
    }
}

// Arguments that fit no command are one line on stderr, as every other error.
TEST_F(CliBadInputTest, ArgumentsThatFitNoCommandAreOneLine)
{
    const std::vector<std::vector<std::string>> commands = {
        {},          {"frobnicate"}, {"lookup"},        {"lookup", "a", "b"}, {"index"},      {"index", "build", "x"},
        {"group"},   {"group", "add"}, {"quick"},       {"quick", "set", "A"}, {"config"},     {"config", "get", "A"},
        {"history", "3"}, {"categories", "x"}, {"register", "main"}, {"search", "--bogus"}, {"search", "a", "b", "c"},
        {"import-edict"}, {"import-edict", "--bogus", "d"},
    };
    for (const auto& args : commands) {
        const auto r = Cli(args);
        const std::string shown = args.empty() ? "(none)" : args[0];
        EXPECT_EQ(r.exitCode, 2) << shown;
        EXPECT_EQ(r.out, "") << shown;
        EXPECT_EQ(r.err.find("quilsk-cli: "), 0u) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
    }
    EXPECT_NE(Cli({"frobnicate"}).err.find("unknown command: frobnicate"), std::string::npos);
}

TEST_F(CliBadInputTest, OutputThatCannotBeWrittenIsAnError)
{
    const std::vector<std::vector<std::string>> commands = {
        {"search", "apple"},      {"search", "-c", "apple"}, {"search", "--json", "apple"}, {"lookup", "apple"},
        {"history"},
        {"config", "get", "Index", "Dir"}, {"config", "path"}, {"categories"}, {"group", "show", "fruit"},
        {"quick", "show"},
    };
    for (const auto output : {CliRun::Output::DevFull, CliRun::Output::ClosedPipe}) {
        for (const auto& args : commands) {
            const auto r = RunCliWith(WithIni(args), {output});
            EXPECT_EQ(r.exitCode, 2) << args[0] << " " << args.back();
            EXPECT_NE(r.err.find("cannot write the output: "), std::string::npos) << args[0] << ": " << r.err;
            EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
        }
    }
    const auto full = RunCliWith(WithIni({"history"}), {CliRun::Output::DevFull});
    EXPECT_NE(full.err.find("No space left on device"), std::string::npos) << full.err;
    const auto pipe = RunCliWith(WithIni({"search", "apple"}), {CliRun::Output::ClosedPipe});
    EXPECT_NE(pipe.err.find("Broken pipe"), std::string::npos) << pipe.err;
}

// A FIFO where a file is expected is refused or skipped at once: nothing waits
// for a writer (the watchdog would end a run that does, with status 142).
TEST_F(CliBadInputTest, FifosAreNeverWaitedOn)
{
    const CliRun watched{CliRun::Output::File, 20};
    const std::vector<std::string> lookup = WithIni({"lookup", "apple"});
    const std::vector<std::string> indexed =
        WithIni({"search", "--index", "--headword-only", "--match", "word", "apple"});

    const std::filesystem::path dataFile = dir / "idx" / "$$TMP$$.a";
    const std::string data = test::ReadBytes(dataFile);
    MakeFifo(dataFile);
    for (const auto& args : {lookup, indexed}) {
        const auto r = RunCliWith(args, watched);
        EXPECT_EQ(r.exitCode, 2) << args[2];
        EXPECT_NE(r.err.find("$$TMP$$.a"), std::string::npos) << r.err;
    }
    std::filesystem::remove(dataFile);
    WriteBytes(dataFile, data);

    const std::filesystem::path table = dir / "idx" / "vrnindex.ini";
    const std::string tableText = test::ReadBytes(table);
    MakeFifo(table);
    const auto noTable = RunCliWith(lookup, watched);
    EXPECT_EQ(noTable.exitCode, 2);
    EXPECT_NE(noTable.err.find("vrnindex.ini"), std::string::npos) << noTable.err;
    std::filesystem::remove(table);
    WriteBytes(table, tableText);

    // A dictionary is skipped as an unreadable one is: no lines, no message.
    MakeFifo(dir / "dict" / "ZELK5.A");
    for (const auto& args : {lookup, indexed, WithIni({"search", "apple"})}) {
        const auto r = RunCliWith(args, watched);
        EXPECT_EQ(r.exitCode, 1) << args[2] << ": " << r.err;
        EXPECT_EQ(r.out, "");
    }

    MakeFifo(dir / "edict");
    const auto import =
        RunCliWith(WithIni({"import-edict", "--from", (dir / "edict").string(), (dir / "e").string()}), watched);
    EXPECT_EQ(import.exitCode, 2);
    EXPECT_NE(import.err.find("not a regular file"), std::string::npos) << import.err;
}

TEST_F(CliBadInputTest, ImportFromSomethingThatIsNotEdictLeavesTheRegistration)
{
    const std::string before = Cli({"categories"}).out;
    WriteBytes(dir / "empty.txt", "");
    WriteBytes(dir / "notes.txt", "just some text\n");
    for (const std::string& from : {dir.Path().string(), (dir / "empty.txt").string(), (dir / "notes.txt").string()}) {
        const auto r = Cli({"import-edict", "--from", from, "--register", (dir / "edict").string()});
        EXPECT_EQ(r.exitCode, 2) << from;
        EXPECT_EQ(r.out, "") << "no \"0 entries\" report";
        EXPECT_NE(r.err.find(from + ": "), std::string::npos) << r.err;
        EXPECT_EQ(Cli({"categories"}).out, before) << from;
        EXPECT_FALSE(std::filesystem::exists(dir / "edict" / "EDICT.SYM")) << from;
    }
}

}  // namespace
}  // namespace quilsk
