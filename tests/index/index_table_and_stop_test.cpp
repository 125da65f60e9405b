#include <random>

#include "index/file_number_table.h"
#include "index/index_builder.h"
#include "index/index_layout.h"
#include "index/index_tree.h"
#include "settings/ini_text.h"
#include "support/search_fixture.h"

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
        ASSERT_EQ(BuildIndex(store).status.Reason(), "");
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

    request.useIndex = true;
    request.indexDir = DirOf("idx");
    request.headwordOnly = true;
    request.keyword1WholeWord = true;
    request.keyword1 = "apple";
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
    const std::string a = DirOf("d") + "A.TXT";
    const std::string b = DirOf("d") + "B.TXT";
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
    ASSERT_EQ(tree.Store(dir / "idx" / "$$TMP$$.a").Reason(), "");
    test::WriteBytes(dir / "idx" / "vrnindex.ini", table);
    doc.LookUpWord("apple", 0);
    EXPECT_EQ(Lines(), expected);
}

}  // namespace
}  // namespace quilsk
