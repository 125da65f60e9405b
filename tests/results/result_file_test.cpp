#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/file_system.h"
#include "results/result_file.h"
#include "results/result_list.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::CTempDir;
using test::ReadBytes;
using test::Sjis;
using test::WriteBytes;

std::vector<std::string> Lines(const CExStringList& results) { return {results.begin(), results.end()}; }

std::string Cp932(const std::filesystem::path& path) { return *FromNativePath(path); }

TEST(ResultFileTest, SavesEveryByteAndLoadsTheSameList)
{
    CTempDir dir;
    const std::vector<std::string> lines{
        "apple : x\r\n",
        Sjis("/辞書/表.TXT(     12) 表 : ひょう\r\n"),
        "\x1B" "esc\x1B marked\r\n",
        "\r\n",
        std::string("nul\0byte\r\n", 10),
        "lone\rcr\r\n",
    };
    CExStringList results;
    for (const std::string& line : lines) results.Append(line);
    const std::filesystem::path file = dir / "\xE7\xB5\x90\xE6\x9E\x9C.txt";  // 結果.txt
    WriteBytes(file, "an older and much longer content that must disappear\n");

    ASSERT_EQ(SaveResultFile(results, Cp932(file)).Reason(), "");
    std::string expected;
    for (const std::string& line : lines) expected += line;
    EXPECT_EQ(ReadBytes(file), expected);

    CExStringList loaded;
    loaded.Append(std::string_view("stale\r\n"));
    ASSERT_EQ(LoadResultFile(Cp932(file), loaded).Reason(), "");
    EXPECT_EQ(Lines(loaded), lines);
    EXPECT_EQ(loaded.GetLongestLength(), static_cast<int>(lines[1].size()));
}

TEST(ResultFileTest, LoadedLinesAllEndWithCrLf)
{
    struct Case {
        std::string content;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb", {"a\r\n", "b\r\n"}},
        {"a\nb\n", {"a\r\n", "b\r\n"}},
        {"a\r\nb\r", {"a\r\n", "b\r\n"}},
        {"\n\r\n", {"\r\n", "\r\n"}},
    };
    CTempDir dir;
    for (const Case& c : cases) {
        WriteBytes(dir / "r.txt", c.content);
        CExStringList loaded;
        ASSERT_EQ(LoadResultFile(Cp932(dir / "r.txt"), loaded).Reason(), "");
        EXPECT_EQ(Lines(loaded), c.lines) << c.content;
    }
}

TEST(ResultFileTest, FailuresAreReportedAndLeaveTheListAlone)
{
    CTempDir dir;
    WriteBytes(dir / "file", "x");
    CExStringList results;
    results.Append(std::string_view("kept\r\n"));

    EXPECT_NE(SaveResultFile(results, Cp932(dir / "file" / "r.txt")).Reason(), "");
    for (const auto& path : {dir / "missing.txt", dir.Path()}) {
        EXPECT_NE(LoadResultFile(Cp932(path), results).Reason(), "") << path;
        EXPECT_EQ(Lines(results), std::vector<std::string>{"kept\r\n"}) << path;
    }
}

// Opened once, as it exists on disk: a name stored as cp932 bytes, a FIFO never waited on.
TEST(ResultFileTest, LoadsAFileNamedInCp932OnDiskAndRefusesAFifo)
{
    CTempDir dir;
    const std::string name = Sjis("結果.txt");
    WriteBytes(dir / name, "a\r\nb\n");
    CExStringList results;
    ASSERT_EQ(LoadResultFile(Cp932(dir.Path()) + "/" + name, results).Reason(), "");
    EXPECT_EQ(Lines(results), (std::vector<std::string>{"a\r\n", "b\r\n"}));

    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_NE(LoadResultFile(Cp932(dir / "fifo"), results).Reason().find("not a regular file"), std::string::npos);
    EXPECT_EQ(Lines(results), (std::vector<std::string>{"a\r\n", "b\r\n"}));
}

}  // namespace
}  // namespace quilsk
