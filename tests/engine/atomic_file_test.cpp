#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "test_support.h"

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
    ASSERT_EQ(writer.Begin(path), "");
    // Small pieces that fill the buffer, one the size of the buffer, one larger.
    for (size_t size : {1u, 7u, 40000u, 30000u, 65536u, 3u, 200000u, 11u}) {
        const std::string piece(size, static_cast<char>('a' + expected.size() % 26));
        writer.Write(piece);
        expected += piece;
    }
    EXPECT_EQ(ReadBytes(path), "old") << "nothing replaced before the commit";
    ASSERT_EQ(writer.Commit(), "");
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
        ASSERT_EQ(writer.Begin(path), "");
        writer.Write(std::string(100000, 'x'));
    }
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(EntryCount(dir.Path()), 1u) << "the temporary file is removed";
}

}  // namespace
}  // namespace quilsk
