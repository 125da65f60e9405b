#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>

#include "app/settings_store.h"
#include "test_support.h"

namespace quilsk {
namespace {

using test::CTempDir;
using test::ReadBytes;
using test::Sjis;
using test::WriteBytes;

class SettingsStoreTest : public ::testing::Test {
protected:
    CTempDir dir;
    std::filesystem::path file = dir / "quilsk.ini";
    CSettingsStore store{file};
};

TEST_F(SettingsStoreTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt)
{
    EXPECT_EQ(store.GetString("Keyword", "Keyword1", "dflt"), "dflt");
    EXPECT_EQ(store.GetInt("Options", "Mode", 7), 7);
    CSettingsStore nested(dir / "a" / "b" / "quilsk.ini");
    ASSERT_TRUE(nested.WriteInt("Options", "Mode", 2));
    EXPECT_EQ(ReadBytes(dir / "a" / "b" / "quilsk.ini"), "[Options]\nMode=2\n");
}

TEST_F(SettingsStoreTest, NamesMatchWithoutRegardToCaseAndBlanksAreIgnored)
{
    WriteBytes(file, "[Option]\r\nKW1Word=1\r\n  [ ReSea ]  \r\n  IgnoreCase  =  1 \t\r\n");
    EXPECT_EQ(store.GetInt("option", "kw1word", 5), 1);
    EXPECT_EQ(store.GetInt("OPTION", "Kw1Word", 5), 1);
    EXPECT_EQ(store.GetString("resea", "Ignorecase", ""), "1");
    EXPECT_EQ(store.GetInt("Options", "KW1Word", 5), 5) << "\"Option\" and \"Options\" are two sections";
}

TEST_F(SettingsStoreTest, IntegerReadTakesTheLeadingDecimalNumber)
{
    struct Case {
        const char* stored;
        int expected;
    } cases[] = {{"12abc", 12}, {"abc", 0}, {"-7", -7}, {"+3", 3}, {"0x10", 0},
                 {"  42  ", 42}, {"", 99}, {"99999999999", 2147483647}, {"-", 0}};
    for (const Case& c : cases) {
        ASSERT_TRUE(store.WriteString("S", "K", c.stored));
        EXPECT_EQ(store.GetInt("S", "K", 99), c.expected) << '"' << c.stored << '"';
    }
    EXPECT_EQ(store.GetInt("S", "Missing", -4), -4);
}

TEST_F(SettingsStoreTest, StringReadIsCutAt259BytesUnlessMoreIsAsked)
{
    const std::string longValue(300, 'x');
    ASSERT_TRUE(store.WriteString("ZELK", "Dir", longValue));
    EXPECT_EQ(store.GetString("ZELK", "Dir", ""), std::string(259, 'x'));
    EXPECT_EQ(store.GetString("ZELK", "Dir", "", CSettingsStore::kWhole), longValue);
}

TEST_F(SettingsStoreTest, WritingOneValueKeepsEveryOtherByte)
{
    const std::string before = Sjis("; 設定\r\n[ZELK電子辞書]\r\nDir = C:/DIC/  \r\nFilename=ZELK5*.*\r\n\r\n"
                                    "[Unknown]\r\nfoo=bar\r\n# not a comment=1\r\n");
    WriteBytes(file, before);
    ASSERT_TRUE(store.WriteString(Sjis("zelk電子辞書"), "dir", "/home/me/dict/"));
    const std::string after = ReadBytes(file);
    std::string expected = before;
    expected.replace(expected.find("C:/DIC/"), 7, "/home/me/dict/");
    EXPECT_EQ(after, expected);
    EXPECT_EQ(store.GetString("Unknown", "# not a comment", ""), "1");
}

TEST_F(SettingsStoreTest, NewKeysGoAtTheEndOfTheirSectionNewSectionsAtTheEnd)
{
    struct Case {
        const char* name;
        const char* before;
        const char* section;
        const char* after;
    } cases[] = {
        {"section in the middle", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n"},
        {"LF file, new section", "[A]\nx=1\n", "C", "[A]\nx=1\n[C]\nk=v\n"},
        {"no final newline", "[A]\r\nx=1", "A", "[A]\r\nx=1\r\nk=v\r\n"},
        {"no final newline, new section", "[A]\nx=1", "B", "[A]\nx=1\n[B]\nk=v\n"},
        {"empty value replaced", "[A]\nk=\nz=1\n", "A", "[A]\nk=v\nz=1\n"},
        {"BOM kept", "\xEF\xBB\xBF[A]\nx=1\n", "A", "\xEF\xBB\xBF[A]\nx=1\nk=v\n"},
    };
    for (const Case& c : cases) {
        WriteBytes(file, c.before);
        ASSERT_TRUE(store.WriteString(c.section, "k", "v")) << c.name;
        EXPECT_EQ(ReadBytes(file), c.after) << c.name;
    }
}

TEST_F(SettingsStoreTest, DamagedFilesAreReadAsFarAsTheyCanBe)
{
    const char damaged[] = "garbage line\n[A\nk=1\n=novalue\n[B]\nv=a\0b\n[A]\nk=2\nlast=9";
    WriteBytes(file, std::string(damaged, sizeof damaged - 1));
    EXPECT_EQ(store.GetInt("A", "k", 0), 1);
    EXPECT_EQ(store.GetString("B", "v", ""), "a");
    EXPECT_EQ(store.GetInt("A", "last", 0), 0) << "the first of repeated sections wins";
    ASSERT_TRUE(store.WriteString("B", "w", "x"));
    EXPECT_EQ(store.GetString("B", "w", ""), "x");
}

TEST_F(SettingsStoreTest, ValuesCannotInjectLinesAndBadNamesAreRefused)
{
    ASSERT_TRUE(store.WriteString("A", "k", "one\r\n[Evil]\r\nx=1"));
    EXPECT_EQ(store.GetString("A", "k", ""), "one");
    EXPECT_EQ(store.GetString("Evil", "x", "none"), "none");
    EXPECT_FALSE(store.WriteString("A", "a=b", "v"));
    EXPECT_FALSE(store.WriteString("A]x", "k", "v"));
    EXPECT_FALSE(store.WriteString("A", "", "v"));
    EXPECT_FALSE(store.LastError().empty());
}

TEST_F(SettingsStoreTest, FailedWritesAreReportedAndLeaveTheOldFileIntact)
{
    WriteBytes(file, "[A]\nk=old\n");
    chmod(file.c_str(), 0444);
    std::string reported;
    store.SetWriteFailureHandler([&](const std::string& why) { reported = why; });
    EXPECT_FALSE(store.WriteString("A", "k", "new"));
    EXPECT_NE(reported.find("read-only"), std::string::npos) << reported;
    EXPECT_EQ(ReadBytes(file), "[A]\nk=old\n");

    WriteBytes(dir / "plain", "not a directory");
    CSettingsStore underFile(dir / "plain" / "quilsk.ini");
    EXPECT_FALSE(underFile.WriteString("A", "k", "v"));
    EXPECT_FALSE(underFile.LastError().empty());
    EXPECT_EQ(ReadBytes(dir / "plain"), "not a directory");
}

TEST_F(SettingsStoreTest, WritesKeepPermissionsAndLeaveNoTemporaryFiles)
{
    WriteBytes(file, "[A]\nk=1\n");
    chmod(file.c_str(), 0640);
    ASSERT_TRUE(store.WriteInt("A", "k", 2));
    struct stat st {};
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) names.insert(entry.path().filename());
    EXPECT_EQ(names, (std::set<std::string>{"quilsk.ini", "quilsk.ini.lock"})) << "the lock file stays, nothing else";
}

TEST_F(SettingsStoreTest, OverridesAnswerReadsButWritesGoToTheFile)
{
    ASSERT_TRUE(store.WriteString("Keyword", "Keyword1", "stored"));
    store.SetOverride("keyword", "KEYWORD1", "override");
    EXPECT_EQ(store.GetString("Keyword", "Keyword1", ""), "override");
    ASSERT_TRUE(store.WriteString("Keyword", "Keyword1", "written"));
    EXPECT_EQ(CSettingsStore(file).GetString("Keyword", "Keyword1", ""), "written");
}

}  // namespace
}  // namespace quilsk
