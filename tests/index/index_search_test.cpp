#include <map>

#include "index/index_layout.h"
#include "index/index_location.h"
#include "index/index_tree.h"
#include "index/word_lookup.h"
#include "platform/char_case.h"
#include "platform/sjis_bytes.h"
#include "support/search_fixture.h"

namespace quilsk {
namespace {

using test::Sjis;

// A dictionary file, an index of it written word by word, and a request.
class IndexSearchTest : public test::SearchFixture {
protected:
    void SetUp() override
    {
        const std::string text = Sjis("■apple : りんご\r\n■Apple pie : アップルパイ\r\n* an apple a day : 一日一個\r\n"
                                      "■application : 応用\r\n■London : ロンドン\r\n");
        AddFile("d/A.TXT", text);
        path = ToUpperA(DirOf("d") + "A.TXT");
        for (size_t start = 0; start < text.size(); start = text.find('\n', start) + 1)
            offsets.push_back(static_cast<std::int32_t>(start));
        // "apple" is spelled lower case in its node, "london" too: the walks must not care.
        Index({{"apple", 1}, {"Apple", 2}, {"pie", 2}, {"apple", 3}, {"day", 3}, {"application", 4}, {"london", 5}});
        AddFile("idx/vrnindex.ini", "[FileID]\r\n0=" + path + "\r\n");
        Set("Index", "Dir", DirOf("idx"));  // for the word look-up
        request.indexDir = DirOf("idx");
        request.useIndex = true;
        request.headwordOnly = true;
        Register(Category::Main, "d", "*.TXT");
    }

    // Postings of (word, line number) in file 0, type 2 for line 3, each word in
    // the data file of its first letter.
    void Index(const std::vector<std::pair<std::string, int>>& words)
    {
        std::map<char, CStringTreeIndex> trees;
        for (const auto& [word, line] : words) {
            const auto type = static_cast<std::uint8_t>(line == 3 ? kExampleType : kHeadwordType);
            const char selector = IndexSelector(static_cast<char>(AsciiLower(static_cast<unsigned char>(word[0]))));
            trees[selector].Insert(word, {offsets[static_cast<size_t>(line - 1)], line, 0, type});
        }
        for (const auto& [selector, tree] : trees)
            ASSERT_EQ(tree.Store(dir / "idx" / (std::string("$$TMP$$.") + selector)).Reason(), "");
    }

    std::vector<std::string> SearchWith(const std::string& keyword, const char* match, bool ignoreCase,
                                        const std::string& keyword2 = "", const char* combination = "AndSearch")
    {
        SetKeywords(keyword, keyword2);
        request.keyword1WholeWord = match == std::string("word");
        request.keyword1Prefix = match == std::string("prefix");
        request.keyword1Suffix = match == std::string("suffix");
        request.ignoreCase = ignoreCase;
        request.andSearch = combination == std::string("AndSearch");
        request.notSearch = combination == std::string("NotSearch");
        request.orSearch = combination == std::string("OrSearch");
        host.scannedFiles.clear();
        return Search();
    }

    std::string path;
    std::vector<std::int32_t> offsets;
};

const std::string kApple = Sjis("■apple : りんご\r\n");
const std::string kApplePie = Sjis("■Apple pie : アップルパイ\r\n");
const std::string kExample = Sjis("* an apple a day : 一日一個\r\n");
const std::string kApplication = Sjis("■application : 応用\r\n");
const std::string kLondon = Sjis("■London : ロンドン\r\n");

// A word with more postings than pay off to read one by one is scanned, with
// the scan's results; one with as many as pay off is looked up.
TEST_F(IndexSearchTest, AWordWithTooManyPostingsIsScannedInstead)
{
    const size_t most = CDictionarySearch::kMostPostingsWorthReading;
    for (const size_t postings : {most, most + 1}) {
        CStringTreeIndex tree;
        tree.Insert("london", {offsets[4], 5, 0, kHeadwordType});
        // Postings past the file's end stand for lines of a larger file; they are never read.
        for (size_t n = 1; n < postings; ++n)
            tree.Insert("london", {static_cast<std::int32_t>(1000 + n), static_cast<std::int32_t>(10 + n), 0, kHeadwordType});
        ASSERT_EQ(tree.Store(dir / "idx" / (std::string("$$TMP$$.") + IndexSelector('l'))).Reason(), "");
        EXPECT_EQ(SearchWith("london", "word", true), std::vector<std::string>{kLondon}) << postings;
        EXPECT_EQ(doc.ScannedForManyPostings(), postings > most) << postings;
        EXPECT_EQ(host.scannedFiles.size(), postings > most ? 1u : 0u) << postings;
    }
}

TEST_F(IndexSearchTest, EveryRowFindsWhatAHeadwordScanFinds)
{
    struct Case {
        const char* name;
        std::string keyword;
        const char* match;
        bool ignoreCase;
        std::string keyword2;
        const char* combination;
        std::vector<std::string> expected;
    } cases[] = {
        {"one word, whole, case ignored", "APPLE", "word", true, "", "AndSearch", {kApple, kApplePie, kExample}},
        {"one word, whole, case respected", "Apple", "word", false, "", "AndSearch", {kApplePie}},
        {"node spelled otherwise", "London", "word", false, "", "AndSearch", {kLondon}},
        {"one word, prefix, case ignored", "APP", "prefix", true, "", "AndSearch", {kApple, kApplePie, kExample, kApplication}},
        {"one word, prefix, case respected", "app", "prefix", false, "", "AndSearch", {kApple, kExample, kApplication}},
        {"several tokens, whole", "apple pie", "word", true, "", "AndSearch", {kApplePie}},
        {"several tokens, respected", "apple pie", "word", false, "", "AndSearch", {}},
        {"several tokens, prefix", "Apple p", "prefix", false, "", "AndSearch", {kApplePie}},
        {"second keyword, AND", "apple", "word", true, "pie", "AndSearch", {kApplePie}},
        {"second keyword, NOT", "apple", "word", true, "pie", "NotSearch", {kApple, kExample}},
        {"second keyword, prefix", "ap", "prefix", true, "day", "AndSearch", {kExample}},
        {"second keyword, respected", "apple", "word", false, "day", "NotSearch", {kApple}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SearchWith(c.keyword, c.match, c.ignoreCase, c.keyword2, c.combination), c.expected) << c.name;
        EXPECT_TRUE(host.scannedFiles.empty()) << c.name << ": no scan after an index search";
    }
}

TEST_F(IndexSearchTest, SuffixSubstringAndJapaneseKeywordsScanInstead)
{
    EXPECT_EQ(SearchWith("apple", "suffix", true), (std::vector<std::string>{kApple, kApplePie, kExample}));
    EXPECT_FALSE(host.captions.empty());
    EXPECT_EQ(host.captions[0], Sjis("Zelkle1 <<インデックス検索中>>"));
    request.searchModeSetting = 2;
    SetKeywords(Sjis("りんご"));
    host.scannedFiles.clear();
    Search();
    EXPECT_EQ(host.scannedFiles.size(), 1u) << "normal mode despite super-quick";
}

TEST_F(IndexSearchTest, ExamplesTagFormAndTheLineOnce)
{
    request.skipExamples = true;
    EXPECT_EQ(SearchWith("apple", "word", true), (std::vector<std::string>{kApple, kApplePie}));
    request.skipExamples = false;
    request.tagForm = true;
    EXPECT_EQ(SearchWith("pie", "word", true), std::vector<std::string>{path + "(      2) " + kApplePie});
    Index({{"a", 3}, {"an", 3}, {"apple", 3}});
    request.tagForm = false;
    EXPECT_EQ(SearchWith("a", "prefix", true), std::vector<std::string>{kExample}) << "three words, one line";
}

TEST_F(IndexSearchTest, FileNumbersResolveThroughTheTableOrTheSettings)
{
    std::filesystem::remove(dir / "idx" / "vrnindex.ini");
    EXPECT_TRUE(SearchWith("london", "word", true).empty());
    Set("FileID", "0", path);
    EXPECT_EQ(SearchWith("london", "word", true), std::vector<std::string>{kLondon});

    CStringTreeIndex tree;
    tree.Insert("london", {offsets[4], 5, 7, kHeadwordType});
    tree.Insert("london", {offsets[0], 1, 3, kHeadwordType});
    tree.Insert("london", {offsets[4], 5, 0, kHeadwordType});
    ASSERT_EQ(tree.Store(dir / "idx" / "$$TMP$$.l").Reason(), "");
    EXPECT_EQ(SearchWith("london", "word", true), std::vector<std::string>{kLondon})
        << "postings of unnamed files are skipped, the others still read";
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(IndexSearchTest, VersionMessageExceptWithASecondKeyword)
{
    test::WriteBytes(dir / "idx" / "$$TMP$$.a", std::string("\x05", 1));
    EXPECT_TRUE(SearchWith("apple", "word", true).empty());
    EXPECT_EQ(host.messages, std::vector<std::string>{Sjis(
                                 "このバージョンのインデックスファイルには対応しておりません。m(__)m\n"
                                 "対応したIDXMAKR.EXEを入手の上、インデックスを作り直してください。")});
    host.messages.clear();
    EXPECT_TRUE(SearchWith("apple", "word", true, "pie").empty());
    EXPECT_TRUE(host.messages.empty());
    std::filesystem::remove(dir / "idx" / "$$TMP$$.a");
    EXPECT_TRUE(SearchWith("apple", "word", true).empty());
    EXPECT_TRUE(host.messages.empty()) << "a missing index file is no error";
}

// A keyword is looked up under its run of letters and digits or of half-width
// katakana, in the data file of that run's first byte.
TEST_F(IndexSearchTest, SelectorFiles)
{
    const std::vector<std::string> lines = {Sjis("■3.14 : pi\r\n"), Sjis("■-x : y\r\n"), Sjis("■ｱｲ : z\r\n")};
    AddFile("d/B.TXT", lines[0] + lines[1] + lines[2]);
    AddFile("idx/vrnindex.ini", "[FileID]\r\n0=" + path + "\r\n1=" + ToUpperA(DirOf("d") + "B.TXT") + "\r\n");
    const auto offset = [&](size_t line) {
        size_t at = 0;
        for (size_t i = 0; i < line; ++i) at += lines[i].size();
        return static_cast<std::int32_t>(at);
    };
    const std::pair<const char*, std::string> files[] = {{"_", "14"}, {"x", "x"}, {"#", Sjis("ｱｲ")}};
    for (size_t i = 0; i < 3; ++i) {
        CStringTreeIndex tree;
        tree.Insert(files[i].second, {offset(i), static_cast<std::int32_t>(i + 1), 1, kHeadwordType});
        ASSERT_EQ(tree.Store(dir / "idx" / (std::string("$$TMP$$.") + files[i].first)).Reason(), "");
    }
    EXPECT_EQ(SearchWith("3.14", "word", true), std::vector<std::string>{lines[0]});
    EXPECT_EQ(SearchWith("-x", "word", true), std::vector<std::string>{lines[1]});
    EXPECT_EQ(SearchWith(Sjis("ｱｲ"), "word", true), std::vector<std::string>{lines[2]});
    EXPECT_TRUE(host.scannedFiles.empty());
}

TEST_F(IndexSearchTest, WordLookUpReplacesTheResults)
{
    doc.Results().Append(std::string_view("old\r\n"));
    EXPECT_TRUE(doc.LookUpWord("see \x1b" "APPLE\x1b here", 6));
    EXPECT_EQ(Lines(), (std::vector<std::string>{kApple, kApplePie, kExample}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.LookUpWord("a, b", 1));
    EXPECT_FALSE(doc.LookUpWord(Sjis("りんご"), 0));
}

TEST(WordAroundTest, RunsBetweenBlanksPunctuationAndControlBytes)
{
    struct Case {
        std::string line;
        size_t index;
        std::string word;
    } cases[] = {
        {"the cat's toy", 5, "cat"}, {"the cat's toy", 3, ""}, {"3.14", 0, "3"}, {"x\x1bword\x1by", 3, "word"},
        {Sjis("■apple"), 3, Sjis("■apple")}, {"end", 9, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(WordAround(c.line, c.index), c.word) << c.line << " @" << c.index;
}

}  // namespace
}  // namespace quilsk
