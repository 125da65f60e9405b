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

    // Runs the stored request twice, as a scan and with the index; `indexUsed`
    // tells whether the second run read the index instead of scanning.
    struct BothWays {
        std::vector<std::string> scanned;
        std::vector<std::string> indexed;
        bool indexUsed = false;
    };
    BothWays SearchBothWays()
    {
        BothWays result;
        store.SetOverride("Options", "Index", "0");
        result.scanned = Search();
        store.SetOverride("Options", "Index", "1");
        host.scannedFiles.clear();
        result.indexed = Search();
        result.indexUsed = host.scannedFiles.empty();
        return result;
    }

    // Keyword 1 alone, headword part only; overrides, not writes, so that many
    // requests stay fast.
    void SetRequest(const std::string& keyword, MatchMode mode, bool ignoreCase)
    {
        const auto flag = [&](const char* key, bool on) { store.SetOverride("Options", key, on ? "1" : "0"); };
        store.SetOverride("Keyword", "Keyword1", keyword);
        store.SetOverride("Keyword", "Keyword2", "");
        store.SetOverride("Option", "Entry", "1");
        flag("KW1Word", mode == MatchMode::WholeWord);
        flag("KW1Forward", mode == MatchMode::Prefix);
        flag("KW1Back", mode == MatchMode::Suffix);
        flag("IgnoreCase", ignoreCase);
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

// The same offset in another file is another line: each category keeps it.
TEST_F(IndexBuilderTest, ALineAtTheSameOffsetInEachFileIsIndexedForEach)
{
    Register(Category::Others, "o", "NOTES.TXT");
    AddFile("d/ZELK5.A", Sjis("■apple : りんご\r\n"));
    AddFile("c/BIL.TXT", "corpus apple : x\r\n");
    AddFile("o/NOTES.TXT", Sjis("other apple : その他\r\n"));
    ASSERT_EQ(BuildIndex(store).error, "");
    EXPECT_EQ(PostingsOf("apple"), (std::vector<IndexPosting>{{0, 1, 0, kHeadwordType}, {0, 1, 1, kWholeLineType},
                                                              {0, 1, 2, kWholeLineType}}));
    doc.SetRecordHistory(false);
    SetRequest("apple", MatchMode::WholeWord, false);
    const BothWays result = SearchBothWays();
    EXPECT_TRUE(result.indexUsed);
    EXPECT_EQ(result.scanned.size(), 3u);
    EXPECT_EQ(result.indexed, result.scanned);
}

// Keywords whose lines the index once missed or added: the index search finds
// what the scan finds, or leaves the request to the scan.
TEST_F(IndexBuilderTest, EveryShapeOfKeywordFindsWhatTheScanFinds)
{
    const std::string longRun(300, 'a');
    const std::string longestKeyword(CSettingsStore::kStringLimit, 'a');  // as long as a stored keyword can be
    std::string text;
    int number = 0;
    for (const std::string headword : {"apple  pie", "apple pie", "a -x b", longRun.c_str(), longestKeyword.c_str(), "a \x1bx", "a\x1bx",
                                       "apple", "apply", "applet", "a - b", "-\xa1" "abc"})
        text += Sjis("■") + headword + " : " + std::to_string(++number) + "\r\n";
    AddFile("d/ZELK5.A", text);
    ASSERT_EQ(BuildIndex(store).error, "");
    doc.SetRecordHistory(false);
    struct Case {
        const char* name;
        std::string keyword;
        MatchMode mode;
        bool ignoreCase;
        size_t lines;
        bool indexUsed;
    } cases[] = {
        {"trailing blank", "apple ", MatchMode::WholeWord, true, 1, true},
        {"leading punctuation", "-x", MatchMode::WholeWord, false, 1, true},
        {"runs longer than an index word", "aaa", MatchMode::Prefix, false, 2, true},
        {"a keyword longer than an index word", longestKeyword, MatchMode::WholeWord, true, 1, true},
        {"control byte after a blank", "\x1bx", MatchMode::WholeWord, true, 1, true},
        {"several words by prefix, in file order", "appl", MatchMode::Prefix, true, 5, true},
        {"punctuation inside a token", "\xa1" "abc", MatchMode::WholeWord, true, 0, true},
        {"nothing but punctuation", "-", MatchMode::WholeWord, false, 2, false},
        {"suffix", "ple", MatchMode::Suffix, false, 3, false},
    };
    for (const Case& c : cases) {
        SetRequest(c.keyword, c.mode, c.ignoreCase);
        const BothWays result = SearchBothWays();
        EXPECT_EQ(result.indexed, result.scanned) << c.name;
        EXPECT_EQ(result.scanned.size(), c.lines) << c.name;
        EXPECT_EQ(result.indexUsed, c.indexUsed) << c.name;
    }
}

}  // namespace
}  // namespace quilsk
