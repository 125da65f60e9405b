#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::CTempDir;
using test::ReadBytes;
using test::WriteBytes;

size_t EntryCount(const std::filesystem::path& dir)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

TEST(CAtomicFileWriterTest, PiecesOfEverySizeArriveInOrder)
{
    const CTempDir dir;
    const auto path = dir / "big";
    WriteBytes(path, "old");
    std::string expected;
    CAtomicFileWriter writer;
    ASSERT_EQ(writer.Begin(path).Reason(), "");
    // Small pieces that fill the buffer, one the size of the buffer, one larger.
    for (size_t size : {1u, 7u, 40000u, 30000u, 65536u, 3u, 200000u, 11u}) {
        const std::string piece(size, static_cast<char>('a' + expected.size() % 26));
        writer.Write(piece);
        expected += piece;
    }
    EXPECT_EQ(ReadBytes(path), "old") << "nothing replaced before the commit";
    ASSERT_EQ(writer.Commit().Reason(), "");
    EXPECT_TRUE(ReadBytes(path) == expected);
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

TEST(CAtomicFileWriterTest, WriterGivenUpLeavesTheOldFile)
{
    const CTempDir dir;
    const auto path = dir / "kept";
    WriteBytes(path, "old");
    {
        CAtomicFileWriter writer;
        ASSERT_EQ(writer.Begin(path).Reason(), "");
        writer.Write(std::string(100000, 'x'));
    }
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(EntryCount(dir.Path()), 1u) << "the temporary file is removed";
}

TEST(WriteFileAtomicallyTest, LinksAreWrittenThroughEvenWhenDangling)
{
    const CTempDir dir;
    namespace fs = std::filesystem;
    fs::create_symlink("chain", dir / "settings.ini");  // a relative chain of links
    fs::create_symlink(dir / "sub" / "real.ini", dir / "chain");
    ASSERT_EQ(WriteFileAtomically(dir / "settings.ini", "first").Reason(), "");
    EXPECT_TRUE(fs::is_symlink(dir / "settings.ini"));
    EXPECT_TRUE(fs::is_symlink(dir / "chain"));
    EXPECT_EQ(ReadBytes(dir / "sub" / "real.ini"), "first");
    ASSERT_EQ(WriteFileAtomically(dir / "settings.ini", "second").Reason(), "");
    EXPECT_TRUE(fs::is_symlink(dir / "settings.ini"));
    EXPECT_EQ(ReadBytes(dir / "sub" / "real.ini"), "second");

    fs::create_symlink("loop-b", dir / "loop-a");
    fs::create_symlink("loop-a", dir / "loop-b");
    EXPECT_NE(WriteFileAtomically(dir / "loop-a", "x").Reason(), "");
    EXPECT_TRUE(fs::is_symlink(dir / "loop-a"));
}

}  // namespace
}  // namespace quilsk
