#include <gtest/gtest.h>

#include "platform/directory_navigation.h"
#include "platform/drive_roots.h"
#include "results/command_word_quote.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::Sjis;

TEST(DirectoryNavigationTest, EntriesMoveUpDownOrNowhereKeepingCase)
{
    struct Case {
        std::string directory;
        std::string entry;
        std::string result;
    } cases[] = {
        {"/dic/Sub/", "[..]", "/dic/"},
        {"/dic/", "[..]", "/"},
        {"/", "[..]", "/"},
        {"/dic/", "[Sub]", "/dic/Sub/"},
        {"/dic/", Sjis("[ヂx]"), Sjis("/dic/ヂx/")},
        {"/Dic/", "[odd", "/Dic/"},
        {"/dic/", "[a]b]", "/dic/a]b/"},
    };
    for (const Case& c : cases) EXPECT_EQ(DirectoryAfterEntry(c.directory, c.entry), c.result) << c.entry;
    EXPECT_EQ(DirectoryEntry("x"), "[x]");
    EXPECT_EQ(WithTrailingSlash("/a"), "/a/");
    EXPECT_EQ(WithTrailingSlash("/a/"), "/a/");
    EXPECT_EQ(WithTrailingSlash(""), "");
}

TEST(DriveRootsTest, MountPointsUnderTheVolumeFolders)
{
    const char* table =
        "/dev/sda1 / ext4 rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "/dev/sdb1 /media/alice/USB\\040STICK vfat rw 0 0\n"
        "/dev/sdc1 /mnt/data ext4 rw 0 0\n"
        "tmpfs /mnt tmpfs rw 0 0\n"
        "/dev/sdd1 /run/media/bob/CD iso9660 ro 0 0\n"
        "/dev/sde1 /mediafiles ext4 rw 0 0\n";
    EXPECT_EQ(RemovableMountPoints(table),
              (std::vector<std::string>{"/media/alice/USB STICK", "/mnt/data", "/run/media/bob/CD"}));
    const std::vector<std::string> roots = DriveRoots();
    ASSERT_FALSE(roots.empty());
    EXPECT_EQ(roots.front(), "/");
    for (const std::string& root : roots) EXPECT_EQ(root.back(), '/') << root;
}

TEST(CommandWordQuoteTest, QuotesOnlyWhatSplittingWouldBreak)
{
    struct Case {
        std::string word;
        std::string quoted;
    } cases[] = {
        {"/usr/bin/vim", "/usr/bin/vim"},
        {"/opt/My Editor/ed", "'/opt/My Editor/ed'"},
        {"/opt/it's/ed", "'/opt/it'\\''s/ed'"},
        {"C:\\ed", "'C:\\ed'"},
        {Sjis("/opt/ソ/ed"), "'" + Sjis("/opt/ソ/ed") + "'"},
        {"", "''"},
    };
    for (const Case& c : cases) EXPECT_EQ(QuoteCommandWord(c.word), c.quoted) << c.word;
}

}  // namespace
}  // namespace quilsk
