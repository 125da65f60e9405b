#include <random>

#include "index/file_number_table.h"
#include "index/index_builder.h"
#include "index/index_layout.h"
#include "index/string_tree_index.h"
#include "platform/char_case.h"
#include "platform/ini_text.h"
#include "search_fixture.h"

namespace quilsk {
namespace {

using test::Sjis;

// Two dictionaries holding "apple" on every line, indexed by the builder.
class IndexTableAndStopTest : public test::SearchFixture {
protected:
    void SetUp() override
    {
        std::string first, second, many;
        for (int i = 0; i < 100; ++i) {
            first += Sjis("■apple ") + std::to_string(i) + " : first\r\n";
            second += Sjis("■apple pie ") + std::to_string(i) + " : second\r\n";
        }
        for (int i = 0; i < 10000; ++i) many += "b" + std::to_string(i) + " : x\r\n";
        AddFile("d/A.TXT", first);
        AddFile("d/B.TXT", second);
        AddFile("d/C.TXT", many);
        Register(Category::Main, "d", "*.TXT");
        Set("Index", "Dir", DirOf("idx"));
        std::filesystem::create_directories(dir / "idx");
        ASSERT_EQ(BuildIndex(store).error, "");
        doc.SetRecordHistory(false);
    }

    // Sets the stop request at the `n`-th pump, as Ctrl-C or the stop command would.
    void StopAtPump(int n)
    {
        host.pumps = 0;
        host.onPump = [this, n] {
            if (host.pumps == n) app.stopRequested = true;
        };
    }
};

TEST_F(IndexTableAndStopTest, TheStopRequestEndsTheWalkAtOnce)
{
    doc.LookUpWord("apple", 0);
    ASSERT_EQ(Lines().size(), 200u);

    StopAtPump(50);
    doc.LookUpWord("apple", 0);
    EXPECT_EQ(Lines().size(), 49u) << "the lines found before the stop stay";
    EXPECT_EQ(host.pumps, 50) << "no posting is read after the stop";
    EXPECT_FALSE(app.stopRequested) << "cleared for the next search";

    store.SetOverride("Options", "Index", "1");
    store.SetOverride("Option", "Entry", "1");
    store.SetOverride("Options", "KW1Word", "1");
    store.SetOverride("Keyword", "Keyword1", "apple");
    StopAtPump(120);
    EXPECT_EQ(Search().size(), 119u);
    EXPECT_EQ(host.pumps, 120);
    EXPECT_FALSE(app.stopRequested);

    // 10,000 words and no posting handed over: the walk itself stops at its
    // first pump instead of reading on to the end of the file.
    StopAtPump(1);
    doc.LookUpWord("b99999", 0);
    EXPECT_EQ(host.pumps, 1);
}

// The postings switch files; the table is read once, before the walk, so one
// replaced during the search changes nothing.
TEST_F(IndexTableAndStopTest, TheTableIsReadOncePerSearch)
{
    doc.LookUpWord("apple", 0);
    const std::vector<std::string> expected = Lines();
    const std::string table = test::ReadBytes(dir / "idx" / "vrnindex.ini");
    const std::string a = ToUpperA(DirOf("d")) + "A.TXT";
    const std::string b = ToUpperA(DirOf("d")) + "B.TXT";
    ASSERT_NE(table.find("0=" + a), std::string::npos) << table;

    host.onPump = [&] { test::WriteBytes(dir / "idx" / "vrnindex.ini", "[FileID]\r\n0=" + b + "\r\n1=" + a + "\r\n"); };
    doc.LookUpWord("apple", 0);
    EXPECT_EQ(Lines(), expected);
}

// More files than stay open, taken in turn twice: each line comes from the file
// its posting names.
TEST_F(IndexTableAndStopTest, PostingsThatCycleThroughManyFiles)
{
    std::string table = "[FileID]\r\n";
    CStringTreeIndex tree;
    std::vector<std::string> expected;
    for (int round = 0; round < 2; ++round) {
        for (int file = 0; file < 6; ++file) {
            // Lines before them, so that no two files give "apple" one offset:
            // a posting of the offset just added is dropped.
            const std::string before(static_cast<size_t>(file + 1), '\n');
            const std::string name = "F" + std::to_string(file) + ".TXT";
            const std::string first = "apple " + std::to_string(file) + " : x\r\n";
            if (round == 0) {
                AddFile("cycle/" + name, before + first + "apple again " + std::to_string(file) + " : y\r\n");
                table += std::to_string(file) + "=" + DirOf("cycle") + name + "\r\n";
            }
            const auto offset = static_cast<std::int32_t>(before.size() + (round == 0 ? 0 : first.size()));
            tree.Insert("apple", {offset, round + 1, static_cast<std::int16_t>(file), kHeadwordType});
            expected.push_back(round == 0 ? first : "apple again " + std::to_string(file) + " : y\r\n");
        }
    }
    ASSERT_EQ(tree.Store(dir / "idx" / "$$TMP$$.a"), "");
    test::WriteBytes(dir / "idx" / "vrnindex.ini", table);
    doc.LookUpWord("apple", 0);
    EXPECT_EQ(Lines(), expected);
}

// The one-pass reading of the table's section gives what IniLookup gives, key
// by key, on random INI text.
TEST(ReadIniSectionTest, AgreesWithIniLookup)
{
    std::mt19937 random(20240611);
    const std::vector<std::string> headers = {"[FileID]",  "[fileid]",  " [ FileID ] ",
                                              "[Other]",   "[FileIDs]", "[FileID"};
    const std::vector<std::string> keys = {"0", "1", "2", " 3 ", "03", "-1", "X", "x"};
    const std::vector<std::string> values = {"/d/A.TXT", " /d/B.TXT ", "", "a=b", std::string("/d/C\0D", 6),
                                             Sjis("/辞書/ZELK略語.TXT"), "\t/t\t"};
    const std::vector<std::string> others = {"", "; 0=comment", "=orphan", "no equals", "  "};
    auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
    for (int round = 0; round < 2000; ++round) {
        std::string content = random() % 8 == 0 ? "\xEF\xBB\xBF" : "";
        const std::string lineEnd = random() % 2 ? "\r\n" : "\n";
        for (int line = static_cast<int>(random() % 12); line > 0; --line) {
            switch (random() % 4) {
            case 0: content += pick(headers); break;
            case 1: content += pick(others); break;
            default: content += pick(keys) + (random() % 2 ? "=" : " = ") + pick(values); break;
            }
            content += lineEnd;
        }
        const auto section = ReadIniSection(content, "FileID");
        for (const char* key : {"0", "1", "2", "3", "03", "-1", "x", "4"}) {
            const auto found = section.find(key);
            const std::optional<std::string> mine =
                found == section.end() ? std::nullopt : std::optional(found->second);
            ASSERT_EQ(mine, IniLookup(content, "FileID", key))
                << "round " << round << ", key " << key << ":\n" << content;
        }
    }
    EXPECT_EQ(ReadIniSection("[FileID]\r0=a\r1=b\r", "FileID").size(), 2u) << "CR alone ends a line too";
}

}  // namespace
}  // namespace quilsk
