#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "platform/binary_reader.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using namespace test;

std::string RandomBytes(size_t size, std::mt19937& random)
{
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

// What one step of a reader returned, to compare the file-backed reader with
// the reader of the same bytes in memory.
struct Step {
    bool ok = false;
    std::string bytes;
    size_t position = 0;
    bool operator==(const Step&) const = default;
};

Step TakeStep(CBinaryReader& reader, unsigned kind, size_t amount)
{
    Step step;
    switch (kind) {
    case 0: {
        step.bytes.assign(amount, '\0');
        step.ok = reader.Read(step.bytes.data(), amount);
        break;
    }
    case 1: {
        std::uint8_t byte = 0;
        step.ok = reader.ReadByte(byte);
        step.bytes.assign(1, static_cast<char>(byte));
        break;
    }
    case 2: {
        std::uint32_t value = 0;
        step.ok = reader.ReadUInt32(value);
        step.bytes = std::to_string(value);
        break;
    }
    case 3: step.ok = reader.Skip(amount); break;
    default: step.ok = reader.SeekTo(amount); break;
    }
    step.position = reader.Position();
    return step;
}

// The file is read a block at a time; every read, skip and seek, across block
// ends and past the file's end, gives what the same bytes in memory give.
TEST(BinaryReaderTest, AFileReadsAsItsBytesInMemory)
{
    CTempDir dir;
    std::mt19937 random(20261209);
    for (const size_t size : {size_t{0}, size_t{1}, size_t{4095}, size_t{4097}, size_t{65535}, size_t{65536},
                              size_t{65537}, size_t{69633}, size_t{300001}}) {
        const std::string bytes = RandomBytes(size, random);
        WriteBytes(dir / "data.bin", bytes);
        CBinaryReader file;
        ASSERT_TRUE(file.Open(dir / "data.bin"));
        CBinaryReader memory;
        memory.OpenBytes(bytes);
        for (int n = 0; n < 5000; ++n) {
            const unsigned kind = random() % 5;
            // Short reads mostly, now and then one longer than a block; seeks anywhere, past the end too.
            const size_t amount = kind == 4   ? random() % (size + 10)
                                  : n % 50 == 0 ? random() % 200000
                                                : random() % 300;
            ASSERT_EQ(TakeStep(file, kind, amount), TakeStep(memory, kind, amount))
                << "size " << size << ", step " << n << ", kind " << kind << ", amount " << amount;
        }
    }
}

// A file cut short while it is read ends where its bytes end: the reads past
// the cut fail, those before it give the bytes that are left.
TEST(BinaryReaderTest, AFileCutWhileReadEndsAtTheCut)
{
    CTempDir dir;
    std::mt19937 random(7);
    const std::string bytes = RandomBytes(200000, random);
    WriteBytes(dir / "data.bin", bytes);
    CBinaryReader reader;
    ASSERT_TRUE(reader.Open(dir / "data.bin"));
    std::filesystem::resize_file(dir / "data.bin", 100000);

    std::string head(100000, '\0');
    ASSERT_TRUE(reader.Read(head.data(), head.size()));
    EXPECT_EQ(head, bytes.substr(0, 100000));
    std::uint8_t byte = 0;
    EXPECT_FALSE(reader.ReadByte(byte));
    EXPECT_FALSE(reader.SeekTo(150000));
    ASSERT_TRUE(reader.SeekTo(99998));
    std::uint32_t value = 0;
    EXPECT_FALSE(reader.ReadUInt32(value));
    EXPECT_EQ(reader.Position(), 100000u);
}

}  // namespace
}  // namespace quilsk
