#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "platform/file_system.h"
#include "platform/native_name.h"
#include "platform/text_file_reader.h"
#include "support/test_support.h"

// Names on disk in UTF-8 and in cp932 bytes, as archives made on other systems
// unpack them.

namespace quilsk {
namespace {

using test::Sjis;
using test::WriteBytes;

TEST(NativeNameTest, Utf8FirstThenCp932ElseNothing)
{
    struct Case {
        std::string name;
        bool utf8;
        std::optional<std::string> cp932;
    } cases[] = {
        {"ZELK5.A", true, "ZELK5.A"},
        {"ZELK略語.TXT", true, Sjis("ZELK略語.TXT")},
        {Sjis("ZELK略語.TXT"), false, Sjis("ZELK略語.TXT")},
        {Sjis("ﾃｽﾄ.txt"), false, Sjis("ﾃｽﾄ.txt")},
        {"😀.txt", true, std::nullopt},          // UTF-8 that cp932 cannot write
        {"\xFF\xFE.TXT", false, std::nullopt},   // neither
        {"x\x81", false, std::nullopt},          // a lead byte without its trail
        {"\xC0\xAF", false, "\xC0\xAF"},          // overlong UTF-8, but cp932 half-width katakana
        {"\xED\xA0\x80", false, std::nullopt},   // a UTF-16 surrogate
        {"\xF4\x90\x80\x80", false, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidUtf8(c.name), c.utf8) << testing::PrintToString(c.name);
        EXPECT_EQ(NativeNameToCp932(c.name), c.cp932) << testing::PrintToString(c.name);
        if (c.cp932) {
            EXPECT_EQ(NativeNameToUtf8(c.name), Cp932ToUtf8(*c.cp932)) << testing::PrintToString(c.name);
        }
    }
}

class NativeNamesOnDiskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteBytes(dir / Sjis("ZELK略語.TXT"), "cp932 name");
        WriteBytes(dir / "ZELK固名.TXT", "utf-8 name");
        WriteBytes(dir / "ZELK\xFF\xFE.TXT", "neither");
        WriteBytes(dir / Sjis("辞書") / "inner.txt", "under a cp932 directory");
    }

    test::CTempDir dir;
    std::string base = *FromNativePath(dir.Path()) + "/";
};

TEST_F(NativeNamesOnDiskTest, ListingsHoldBothAndSkipNamesThatAreNeither)
{
    const DirectoryListing files = ListFiles(base, "ZELK*.TXT");
    EXPECT_EQ(files.names, (std::vector<std::string>{Sjis("ZELK固名.TXT"), Sjis("ZELK略語.TXT")}));
    ASSERT_EQ(files.nativePaths.size(), 2u);
    EXPECT_EQ(files.nativePaths[0], dir / "ZELK固名.TXT");
    EXPECT_EQ(files.nativePaths[1], dir / Sjis("ZELK略語.TXT"));
    EXPECT_EQ(ListDirectories(base).names, std::vector<std::string>{Sjis("辞書")});
    EXPECT_EQ(ListFiles(base + Sjis("辞書/"), "*.*").names, std::vector<std::string>{"inner.txt"});
}

TEST_F(NativeNamesOnDiskTest, EnginePathsOpenFilesStoredUnderEitherName)
{
    struct Case {
        std::string cp932Path;
        std::filesystem::path onDisk;
        std::string content;
    } cases[] = {
        {base + Sjis("ZELK略語.TXT"), dir / Sjis("ZELK略語.TXT"), "cp932 name"},
        {base + Sjis("zelk略語.txt"), dir / Sjis("ZELK略語.TXT"), "cp932 name"},
        {base + Sjis("ZELK固名.TXT"), dir / "ZELK固名.TXT", "utf-8 name"},
        {base + Sjis("辞書/INNER.TXT"), dir / Sjis("辞書") / "inner.txt", "under a cp932 directory"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResolveCaseInsensitive(ToNativePath(c.cp932Path)), c.onDisk) << Cp932ToUtf8(c.cp932Path);
        CTextFileReader reader;
        ASSERT_TRUE(reader.OpenCp932(c.cp932Path)) << Cp932ToUtf8(c.cp932Path);
        char line[64];
        const size_t length = reader.ReadLine(line, sizeof line);
        EXPECT_EQ(std::string(line, length), c.content);
    }
    EXPECT_EQ(FromNativePath(dir / Sjis("辞書") / "inner.txt"), base + Sjis("辞書/inner.txt"));
    EXPECT_EQ(FromNativePath(dir / "ZELK\xFF\xFE.TXT"), std::nullopt);
}

}  // namespace
}  // namespace quilsk
