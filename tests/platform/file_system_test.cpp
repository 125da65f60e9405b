#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <dlfcn.h>

#include "platform/cp932.h"
#include "platform/file_system.h"
#include "platform/text_file_reader.h"
#include "support/test_support.h"

// A disk that fails in the middle of a listing: once armed, readdir hands out
// that many more entries and then fails with EIO. Every listing of the test
// program goes through it; unarmed it only passes the call on.
namespace {
std::atomic<int> g_entriesBeforeReadError{-1};
}  // namespace

extern "C" struct dirent* readdir(DIR* dir)
{
    using Readdir = struct dirent* (*)(DIR*);
    static const auto next = reinterpret_cast<Readdir>(::dlsym(RTLD_NEXT, "readdir"));
    int left = g_entriesBeforeReadError.load();
    while (left > 0 && !g_entriesBeforeReadError.compare_exchange_weak(left, left - 1)) {
    }
    if (left == 0) {
        errno = EIO;
        return nullptr;
    }
    return next(dir);
}

namespace quilsk {
namespace {

using test::Sjis;
using test::WriteBytes;

// A read error in the middle of a listing ends it as unreadable; it never
// escapes as an exception (the desktop application has no handler for one).
TEST(FileSystemTest, AReadErrorInTheMiddleOfAListingIsReportedNotThrown)
{
    test::CTempDir dir;
    // Six entries in each directory, "." and ".." included.
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) WriteBytes(dir / "d" / name, "x");
    for (const char* name : {"e", "f", "g"}) std::filesystem::create_directory(dir / name);
    const std::string cp932Dir = *FromNativePath(dir / "d") + "/";
    ASSERT_EQ(ListFiles(cp932Dir, "*.txt").names.size(), 4u);
    // Armed for one listing at a time, and disarmed whatever happens.
    struct CReadErrorAfter {
        explicit CReadErrorAfter(int entries) { g_entriesBeforeReadError = entries; }
        ~CReadErrorAfter() { g_entriesBeforeReadError = -1; }
    };
    const auto failingAfter = [](int entries, const auto& list) {
        const CReadErrorAfter armed(entries);
        return list();
    };
    for (int entries = 0; entries < 6; ++entries) {
        const DirectoryListing files = failingAfter(entries, [&] { return ListFiles(cp932Dir, "*.txt"); });
        const DirectoryListing dirs =
            failingAfter(entries, [&] { return ListDirectories(*FromNativePath(dir.Path()) + "/"); });
        const auto resolved = failingAfter(entries, [&] { return ResolveCaseInsensitive(dir / "d" / "C.TXT"); });
        EXPECT_FALSE(files.readable) << entries;
        EXPECT_LE(files.names.size(), 4u);
        EXPECT_FALSE(dirs.readable) << entries;
        if (resolved) {
            EXPECT_EQ(*resolved, dir / "d" / "c.txt") << entries;
        }
    }
}

TEST(MaskTest, WildcardsMatchWithoutRegardToAsciiCase)
{
    struct Case {
        std::string name, mask;
        bool expected;
    } cases[] = {
        {"ZELK5.A", "*.*", true}, {"README", "*.*", true}, {"zelk5.a", "ZELK5*.*", true},
        {"ZELK5", "ZELK5*.*", true}, {"ZELK6.A", "ZELK5*.*", false}, {"ZELK5.A01", "ZELK5.A0?", true},
        {"ZELK5.A", "ZELK5.A0?", false}, {Sjis("ZELK略語.TXT"), Sjis("zelk略語.*"), true},
        {Sjis("ZELK略語.TXT"), "ZELK??.TXT", true}, {Sjis("ZELK略語.TXT"), "ZELK???.TXT", false},
        {"a.b.c", "*.c", true}, {"abc", "a*c*", true}, {"abc", "", false}, {"", "*", true},
    };
    for (const Case& c : cases) EXPECT_EQ(MatchesMask(c.name, c.mask), c.expected) << c.name << " ~ " << c.mask;
}

TEST(FileSystemTest, PathsOpenWithoutRegardToAsciiCase)
{
    test::CTempDir dir;
    WriteBytes(dir / "Dict" / "zelk5.a", "x");
    WriteBytes(dir / "$$TMP$$.a", "y");
    const std::string base = *FromNativePath(dir.Path());
    auto resolved = ResolveCaseInsensitive(ToNativePath(base + "/DICT/ZELK5.A"));
    ASSERT_TRUE(resolved);
    EXPECT_EQ(*resolved, dir / "Dict" / "zelk5.a");
    EXPECT_TRUE(ResolveCaseInsensitive(ToNativePath(base + "/$$TMP$$.A")));
    EXPECT_FALSE(ResolveCaseInsensitive(ToNativePath(base + "/DICT/missing")));
}

TEST(FileSystemTest, RealSpellingIsThePathAsOnDisk)
{
    test::CTempDir dir;
    WriteBytes(dir / "Dict" / Cp932ToUtf8(Sjis("Zelk略語.a")), "x");
    const std::string base = *FromNativePath(dir.Path());
    struct Case {
        std::string path;
        std::string spelt;
    } cases[] = {
        {base + Sjis("/DICT/ZELK略語.A"), base + Sjis("/Dict/Zelk略語.a")},
        {base + "/DICT/", base + "/Dict/"},  // the trailing '/' of a directory stays
        {base + "/dict", base + "/Dict"},
        {base + "/DICT/MISSING", base + "/DICT/MISSING"},  // nothing there: unchanged
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(RealSpelling(c.path), c.spelt) << c.path;
}

TEST(FileSystemTest, ListingsHoldMatchingRegularFilesSortedByName)
{
    test::CTempDir dir;
    for (const char* name : {"b.TXT", "A.txt", "c.doc", ".hidden.txt", "Sub.txt/inner"}) WriteBytes(dir / name, "");
    WriteBytes(dir / Cp932ToUtf8(Sjis("略語.txt")), "");
    const std::string base = *FromNativePath(dir.Path()) + "/";
    const DirectoryListing files = ListFiles(base, "*.TXT");
    EXPECT_TRUE(files.readable);
    EXPECT_EQ(files.names, (std::vector<std::string>{"A.txt", "b.TXT", Sjis("略語.txt")}));
    EXPECT_EQ(ListDirectories(base).names, std::vector<std::string>{"Sub.txt"});
    EXPECT_TRUE(ListFiles(base + "missing/", "*.*").names.empty());
}

TEST(TextFileReaderTest, ReadsAsTextModeDoes)
{
    test::CTempDir dir;
    WriteBytes(dir / "f", "one\r\ntwo\rthree\nlong-line\n\x1A" "after\n");
    CTextFileReader reader;
    ASSERT_TRUE(reader.Open(dir / "f"));
    char buf[16];
    std::vector<std::string> pieces;
    for (size_t n; (n = reader.ReadLine(buf, 5)) > 0;) pieces.emplace_back(buf, n);
    EXPECT_EQ(pieces, (std::vector<std::string>{"one\n", "twoth", "ree\n", "long-", "line\n"}));
}

TEST(TextFileReaderTest, SeeksToAStoredOffsetAndRefusesDirectories)
{
    test::CTempDir dir;
    WriteBytes(dir / "f", "first\r\nsecond\r\nthird");
    CTextFileReader reader;
    ASSERT_TRUE(reader.Open(dir / "f"));
    ASSERT_TRUE(reader.Seek(7));
    char buf[64];
    EXPECT_EQ(std::string(buf, reader.ReadLine(buf, sizeof buf)), "second\n");
    EXPECT_EQ(std::string(buf, reader.ReadLine(buf, sizeof buf)), "third");
    EXPECT_EQ(reader.ReadLine(buf, sizeof buf), 0u);
    EXPECT_FALSE(reader.Open(dir.Path()));
    EXPECT_FALSE(reader.Open(dir / "missing"));
}

TEST(Cp932Test, ConvertsBothWaysAndMarksInvalidBytes)
{
    EXPECT_EQ(Cp932ToUtf8(Sjis("青りんご\x1b")), "青りんご\x1b");
    EXPECT_EQ(Cp932ToUtf8("a\x81 b"), "a\xEF\xBF\xBD b");
    EXPECT_EQ(Cp932ToUtf8("\xFF\x82\xA0"), "\xEF\xBF\xBD\xE3\x81\x82");
    EXPECT_EQ(Cp932ToUtf8("x\x82"), "x\xEF\xBF\xBD");
    EXPECT_EQ(*Utf8ToCp932("〜"), "\x81\x60");
    EXPECT_FALSE(Utf8ToCp932("😀"));
    EXPECT_FALSE(Utf8ToCp932("\xC3"));
}

}  // namespace
}  // namespace quilsk
