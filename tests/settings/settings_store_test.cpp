#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "settings/settings_store.h"
#include "support/test_support.h"

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

TEST_F(SettingsStoreTest, AGroupOfEntriesIsOneWriteWithTheBytesOfOneWritePerSection)
{
    const std::string start = "[Options]\r\nKW1Word=0\r\n\r\n[Index]\r\nDir=/old/\r\n";
    WriteBytes(file, start);
    ASSERT_TRUE(store.WriteStrings("Options", {{"KW1Word", "1"}, {"Column", "60"}}));
    ASSERT_TRUE(store.WriteStrings("WindowSize", {{"Save", "1"}}));
    ASSERT_TRUE(store.WriteStrings("Options", {{"Mode", "2"}}));
    ASSERT_TRUE(store.WriteStrings("Index", {{"Dir", "/new/"}}));
    const std::string oneWritePerSection = test::ReadBytes(file);

    WriteBytes(file, start);
    std::vector<std::string> contents;
    store.SetWriteFailureHandler([&](const std::string& why) { contents.push_back(why); });
    ASSERT_TRUE(store.Write({{setting::kKeyword1WholeWord, "1"},
                             {setting::kColumn, "60"},
                             {setting::kSavePlacement, "1"},
                             {setting::kSearchMode, "2"},
                             {setting::kIndexDir, "/new/"}}));
    EXPECT_EQ(test::ReadBytes(file), oneWritePerSection);
    EXPECT_TRUE(contents.empty());

    // A bad name anywhere in the group writes nothing.
    EXPECT_FALSE(store.Write({{setting::kColumn, "50"}, {setting::kWordGroups("bad=name"), "x"}}));
    EXPECT_EQ(test::ReadBytes(file), oneWritePerSection);
    EXPECT_EQ(contents.size(), 1u);
}

TEST_F(SettingsStoreTest, TypedReadsTakeTheSchemaDefaultAsTheUntypedReadsDid)
{
    struct Case {
        const char* stored;  // nullptr: the key is missing
        int hits;            // a Text entry: its leading number
        int mode;            // an Integer entry: the default when missing or empty
        bool ignoreCase;     // a Flag entry: set only when 1
    } cases[] = {
        {nullptr, 20, 0, false}, {"", 0, 0, false}, {"1", 1, 1, true},
        {"2", 2, 2, false},      {"1x", 1, 1, true}, {"abc", 0, 0, false},
    };
    for (const Case& c : cases) {
        WriteBytes(file, c.stored ? std::string("[Options]\nHits=") + c.stored + "\nMode=" + c.stored +
                                        "\nIgnoreCase=" + c.stored + "\n"
                                  : std::string());
        EXPECT_EQ(store.GetInt(setting::kHitsPerRefresh), c.hits) << (c.stored ? c.stored : "missing");
        EXPECT_EQ(store.GetInt(setting::kSearchMode), c.mode) << (c.stored ? c.stored : "missing");
        EXPECT_EQ(store.IsSet(setting::kIgnoreCase), c.ignoreCase) << (c.stored ? c.stored : "missing");
        EXPECT_EQ(store.Get(setting::kHitsPerRefresh), c.stored ? c.stored : "20");
    }
}

TEST_F(SettingsStoreTest, EachLineEndStyleIsReadAndKept)
{
    struct Case {
        const char* name;
        const char* br;
    } cases[] = {{"LF", "\n"}, {"CR LF", "\r\n"}, {"CR", "\r"}};
    for (const Case& c : cases) {
        const std::string br = c.br;
        WriteBytes(file, "; note" + br + "[Options]" + br + "Mode=2" + br + br + "[Other]" + br + "x=1" + br);
        EXPECT_EQ(store.GetInt("Options", "Mode", 0), 2) << c.name;
        EXPECT_EQ(store.GetInt("Other", "x", 0), 1) << c.name;
        ASSERT_TRUE(store.WriteInt("Options", "Hits", 30)) << c.name;
        ASSERT_TRUE(store.WriteInt("New", "k", 5)) << c.name;
        EXPECT_EQ(ReadBytes(file), "; note" + br + "[Options]" + br + "Mode=2" + br + "Hits=30" + br + br + "[Other]" +
                                       br + "x=1" + br + "[New]" + br + "k=5" + br)
            << c.name;
    }
}

TEST_F(SettingsStoreTest, NamesThatCouldNotBeFoundAgainAreRefusedAndSayWhy)
{
    const std::string before = "[Options]\nMode=2\n[WordGroup]\nnuts=a|\n";
    struct Case {
        std::string section;
        std::string key;
        const char* why;
    } cases[] = {
        {"WordGroup", "nuts ", "blank"},
        {"WordGroup", " [Options]", "blank"},
        {"WordGroup", "\tx", "blank"},
        {"WordGroup", "[Options]", "section header"},
        {"WordGroup", ";x", "comment"},
        {"WordGroup", "a=b", "\"=\""},
        {"WordGroup", "a\rb", "line break"},
        {"WordGroup", "a\nb", "line break"},
        {"WordGroup", std::string("a\0b", 3), "NUL"},
        {"WordGroup", "", "empty"},
        {" Options", "Mode", "blank"},
        {"Options ", "Mode", "blank"},
        {"a]b", "k", "\"]\""},
        {"a\nb", "k", "line break"},
        {"", "k", "empty"},
    };
    for (const Case& c : cases) {
        WriteBytes(file, before);
        std::string reported;
        store.SetWriteFailureHandler([&](const std::string& why) { reported = why; });
        EXPECT_FALSE(store.WriteString(c.section, c.key, "v")) << c.section << "/" << c.key;
        EXPECT_NE(reported.find(c.why), std::string::npos) << reported;
        EXPECT_EQ(store.LastError(), reported);
        EXPECT_EQ(ReadBytes(file), before);
        EXPECT_EQ(store.GetInt("Options", "Mode", 0), 2);
    }
}

TEST_F(SettingsStoreTest, WritersWaitForTheLockAndGiveUpWithAReport)
{
    WriteBytes(file, "[A]\nk=old\n");
    const int holder = open((dir / "quilsk.ini.lock").c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
    store.SetLockTimeout(std::chrono::milliseconds(0));
    std::string reported;
    store.SetWriteFailureHandler([&](const std::string& why) { reported = why; });
    EXPECT_FALSE(store.WriteString("A", "k", "new"));
    EXPECT_NE(reported.find("locked"), std::string::npos) << reported;
    EXPECT_EQ(ReadBytes(file), "[A]\nk=old\n");
    close(holder);
    EXPECT_TRUE(store.WriteString("A", "k", "new"));
    EXPECT_EQ(ReadBytes(file), "[A]\nk=new\n");
}

TEST_F(SettingsStoreTest, AnUpdateHoldsTheLockAndReadsTheFileAsItIsNow)
{
    WriteBytes(file, "[A]\nn=1\n");
    EXPECT_EQ(store.GetInt("A", "n", 0), 1);
    CSettingsStore other(file);
    ASSERT_TRUE(other.WriteInt("A", "n", 2));
    bool lockedMeanwhile = false;
    ASSERT_TRUE(store.Update([&] {
        const int probe = open((dir / "quilsk.ini.lock").c_str(), O_RDWR);
        lockedMeanwhile = probe >= 0 && flock(probe, LOCK_EX | LOCK_NB) != 0;
        if (probe >= 0) close(probe);
        return store.WriteInt("A", "n", store.GetInt("A", "n", 0) + 1);
    }));
    EXPECT_TRUE(lockedMeanwhile);
    EXPECT_EQ(ReadBytes(file), "[A]\nn=3\n");
}

// A replacement with the same size and times as the file it replaces, and a
// rewrite in place of the same size, are both seen by a store that read the
// file before.
TEST_F(SettingsStoreTest, ChangesOfTheSameSizeAndTimeAreSeen)
{
    WriteBytes(file, "[A]\nk=1\n");
    struct stat original {};
    ASSERT_EQ(stat(file.c_str(), &original), 0);
    const timespec times[2] = {original.st_atim, original.st_mtim};
    EXPECT_EQ(store.GetInt("A", "k", 0), 1);

    WriteBytes(dir / "replacement", "[A]\nk=2\n");
    ASSERT_EQ(utimensat(AT_FDCWD, (dir / "replacement").c_str(), times, 0), 0);
    ASSERT_EQ(rename((dir / "replacement").c_str(), file.c_str()), 0);
    EXPECT_EQ(store.GetInt("A", "k", 0), 2);

    WriteBytes(file, "[A]\nk=3\n");
    ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    EXPECT_EQ(store.GetInt("A", "k", 0), 3);

    ASSERT_TRUE(CSettingsStore(file).WriteInt("A", "k", 4));
    EXPECT_EQ(store.GetInt("A", "k", 0), 4);
}

// Bytes this process has read, from the kernel's own count.
long long BytesReadSoFar()
{
    std::ifstream io("/proc/self/io");
    std::string field;
    long long value = 0;
    while (io >> field >> value)
        if (field == "rchar:") return value;
    return -1;
}

TEST_F(SettingsStoreTest, ALargeFileIsReadOnceForManyLookups)
{
    std::string content;
    for (int i = 0; i < 100000; ++i) content += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    content += "[Options]\nMode=2\n";
    WriteBytes(file, content);
    const long long before = BytesReadSoFar();
    ASSERT_GE(before, 0);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(store.GetInt("options", "mode", 0), 2);
        ASSERT_EQ(store.GetInt("s" + std::to_string(i * 997), "K", -1), i * 997);
    }
    const long long read = BytesReadSoFar() - before;
    // A file changed within the clock tick it was first read in is read once
    // more, as it may have changed again unseen; never once a lookup.
    EXPECT_LT(read, 3 * static_cast<long long>(content.size())) << "the file is read once, not for every lookup";
}

TEST_F(SettingsStoreTest, WhatIsNotARegularFileIsRefusedWithoutWaiting)
{
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
    std::filesystem::create_directory(dir / "directory");
    struct Case {
        std::filesystem::path path;
        const char* kind;
    } cases[] = {{dir / "fifo", "named pipe"}, {dir / "directory", "directory"}, {"/dev/null", "device"}};
    for (const Case& c : cases) {
        CSettingsStore special(c.path);
        EXPECT_NE(special.ReadProblem().find(c.kind), std::string::npos) << special.ReadProblem();
        EXPECT_EQ(special.GetString("A", "k", "default"), "default");
        EXPECT_FALSE(special.WriteString("A", "k", "v"));
        EXPECT_NE(special.LastError().find(c.kind), std::string::npos) << special.LastError();
    }
    EXPECT_EQ(CSettingsStore(dir / "missing.ini").ReadProblem(), "");
    WriteBytes(file, "[A]\nk=1\n");
    EXPECT_EQ(store.ReadProblem(), "");
}

TEST_F(SettingsStoreTest, ALinkIsWrittenThroughAndStaysALinkEvenWhenDangling)
{
    std::filesystem::create_symlink("conf/real.ini", dir / "link.ini");
    CSettingsStore linked(dir / "link.ini");
    ASSERT_TRUE(linked.WriteInt("A", "k", 1)) << linked.LastError();
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
    EXPECT_EQ(ReadBytes(dir / "conf" / "real.ini"), "[A]\nk=1\n");
    EXPECT_TRUE(std::filesystem::exists(dir / "conf" / "real.ini.lock")) << "the lock is beside the file replaced";
    ASSERT_TRUE(linked.WriteInt("A", "k", 2));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
    EXPECT_EQ(CSettingsStore(dir / "conf" / "real.ini").GetInt("A", "k", 0), 2);
}

}  // namespace
}  // namespace quilsk
