#include <algorithm>
#include <random>

#include "index/index_builder.h"
#include "index/index_file_reader.h"
#include "index/index_layout.h"
#include "platform/char_case.h"
#include "search_fixture.h"

namespace quilsk {
namespace {

using test::Sjis;

class IndexBuilderTest : public test::SearchFixture {
protected:
    void SetUp() override
    {
        Register(Category::Main, "d", "ZELK5*.*");
        Register(Category::Corpus, "c", "BIL.TXT");
        Set("Index", "Dir", DirOf("idx"));
        std::filesystem::create_directories(dir / "idx");
    }

    // Every posting the index holds for a word, as found by an exact walk.
    std::vector<IndexPosting> PostingsOf(const std::string& word)
    {
        struct CCollect : CPostingSink {
            void Add(const IndexPosting& p) override { postings.push_back(p); }
            std::vector<IndexPosting> postings;
        } sink;
        CIndexFileReader reader;
        if (reader.Open(dir / "idx" / (std::string("$$TMP$$.") + word[0]))) reader.FindExact(word, sink);
        return sink.postings;
    }
};

TEST_F(IndexBuilderTest, WordsOffsetsLineNumbersAndTypes)
{
    AddFile("d/ZELK5.A", Sjis("■apple's core : 芯\r\n* an apple : りんご\r\n■x-ray : エックス線\r\n"));
    AddFile("c/BIL.TXT", "* corpus : apple\r\n");
    const IndexBuildResult result = BuildIndex(store);
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.files, 2u);

    const std::vector<IndexPosting> apple = PostingsOf("apple");
    ASSERT_EQ(apple.size(), 3u);
    EXPECT_EQ(apple[0], (IndexPosting{0, 1, 0, kHeadwordType})) << "found inside \"apple's\" after the headword mark";
    EXPECT_EQ(apple[1], (IndexPosting{static_cast<std::int32_t>(Sjis("■apple's core : 芯\r\n").size()), 2, 0, kExampleType}));
    EXPECT_EQ(apple[2], (IndexPosting{0, 1, 1, kWholeLineType})) << "corpus lines are indexed whole";
    EXPECT_EQ(PostingsOf("apple's").size(), 1u);
    EXPECT_EQ(PostingsOf("x-ray").size(), 0u) << "the tokenizer splits at the hyphen";
    EXPECT_EQ(PostingsOf("ray").size(), 1u);
    EXPECT_EQ(PostingsOf("core").size(), 1u);

    const std::string table = test::ReadBytes(dir / "idx" / "vrnindex.ini");
    EXPECT_NE(table.find("0=" + ToUpperA(DirOf("d")) + "ZELK5.A"), std::string::npos) << table;
    EXPECT_NE(table.find("1=" + ToUpperA(DirOf("c")) + "BIL.TXT"), std::string::npos) << table;
}

TEST_F(IndexBuilderTest, RebuildingRemovesDataFilesOfLettersWithoutWords)
{
    AddFile("d/ZELK5.A", "quince : x\r\n");
    ASSERT_EQ(BuildIndex(store).error, "");
    ASSERT_TRUE(std::filesystem::exists(dir / "idx" / "$$TMP$$.q"));
    AddFile("d/ZELK5.A", "apple : x\r\n");
    ASSERT_EQ(BuildIndex(store).error, "");
    EXPECT_FALSE(std::filesystem::exists(dir / "idx" / "$$TMP$$.q"));
}

TEST_F(IndexBuilderTest, RefusesWithoutAnIndexDirectory)
{
    Set("Index", "Dir", "");
    EXPECT_NE(BuildIndex(store).error, "");
    Set("Index", "Dir", DirOf("missing"));
    EXPECT_NE(BuildIndex(store).error, "");
}

// Random dictionaries and requests: an index search must give the lines a
// headword scan gives, in the same order for whole words.
TEST_F(IndexBuilderTest, IndexSearchAgreesWithTheScan)
{
    std::mt19937 random(20261208);
    const std::vector<std::string> vocabulary = {"apple", "Apple", "APPLE", "app", "pie", "don't", "3.14", "1,000,000",
                                                 "ice-cream", "cat", "category", "bobcat", "New", "York", "a", "x"};
    const std::vector<std::string> marks = {Sjis("■"), Sjis("●"), "* ", "", Sjis("ｱ")};
    auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
    auto phrase = [&] {
        std::string text;
        for (size_t n = 1 + random() % 4; n > 0; --n) text += pick(vocabulary) + (random() % 3 ? " " : "'s ");
        return text;
    };
    for (const char* file : {"d/ZELK5.A", "d/ZELK5.B", "c/BIL.TXT"}) {
        std::string text;
        for (int line = 0; line < 60; ++line)
            text += pick(marks) + phrase() + (random() % 4 ? " : " + phrase() + Sjis("りんご") : "") + "\r\n";
        AddFile(file, text);
    }
    ASSERT_EQ(BuildIndex(store).error, "");
    Set("Option", "Entry", "1");
    doc.SetRecordHistory(false);

    int roundsWithHits = 0;
    for (int round = 0; round < 150; ++round) {
        const bool wholeWord = random() % 2;
        std::string keyword = pick(vocabulary);
        if (!wholeWord && random() % 2) keyword = keyword.substr(0, 1 + random() % keyword.size());
        if (random() % 5 == 0) keyword += " " + pick(vocabulary);
        const std::string keyword2 = random() % 3 == 0 ? pick(vocabulary) : "";
        // Overrides, not writes: hundreds of settings-file writes would make the test slow.
        const auto set = [&](const char* section, const char* key, bool on) { store.SetOverride(section, key, on ? "1" : "0"); };
        set("Options", "KW1Word", wholeWord);
        set("Options", "KW1Forward", !wholeWord);
        set("Options", "IgnoreCase", random() % 2);
        set("Options", "TagForm", random() % 2);
        set("Option", "Example", random() % 2);
        set("Keyword", "AndSearch", random() % 2);
        set("Keyword", "NotSearch", true);
        store.SetOverride("Keyword", "Keyword1", keyword);
        store.SetOverride("Keyword", "Keyword2", keyword2);

        set("Options", "Index", false);
        std::vector<std::string> scanned = Search();
        set("Options", "Index", true);
        std::vector<std::string> indexed = Search();
        if (!wholeWord) {
            std::sort(scanned.begin(), scanned.end());
            std::sort(indexed.begin(), indexed.end());
        }
        roundsWithHits += !scanned.empty();
        ASSERT_EQ(indexed, scanned) << "round " << round << ": \"" << keyword << "\" / \"" << keyword2 << "\"";
    }
    EXPECT_GT(roundsWithHits, 75) << "the requests must find something to compare";
}

}  // namespace
}  // namespace quilsk
