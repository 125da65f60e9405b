#include <array>
#include <map>
#include <tuple>

#include "index/index_builder.h"
#include "index/index_file_reader.h"
#include "index/index_layout.h"
#include "platform/char_case.h"
#include "platform/sjis_bytes.h"
#include "platform/text_file_reader.h"
#include "results/result_line.h"
#include "search/file_scan.h"
#include "settings/word_groups.h"
#include "support/random_text.h"
#include "support/search_fixture.h"

namespace quilsk {
namespace {

using test::Sjis;

// A search request; a keyword of several words is a group.
struct Request {
    std::vector<std::string> words1;
    std::vector<std::string> words2;
    MatchMode mode1 = MatchMode::Substring;
    MatchMode mode2 = MatchMode::Substring;
    Combination combination = Combination::And;
    bool ignoreCase = false;
    bool headwordOnly = false;
    bool skipExamples = false;
    bool tagForm = false;
};

// The search request for `r`; a keyword of several words is stored as a word
// group named after the keyword's slot.
void ApplyRequest(CSettingsStore& store, const Request& r, SearchRequest& request)
{
    const auto keyword = [&](const char* name, const std::vector<std::string>& words, std::string& text, bool& isWord,
                             bool& isGroup) {
        const bool group = words.size() > 1;
        if (group) {
            ASSERT_TRUE(WriteGroupWords(store, name, words));
        }
        text = words.empty() ? "" : group ? name : words[0];
        isWord = !group;
        isGroup = group;
    };
    keyword("Keyword1", r.words1, request.keyword1, request.keyword1IsWord, request.keyword1IsGroup);
    keyword("Keyword2", r.words2, request.keyword2, request.keyword2IsWord, request.keyword2IsGroup);
    request.andSearch = r.combination == Combination::And;
    request.notSearch = r.combination == Combination::Not;
    request.orSearch = r.combination == Combination::Or;
    request.keyword1WholeWord = r.mode1 == MatchMode::WholeWord;
    request.keyword1Prefix = r.mode1 == MatchMode::Prefix;
    request.keyword1Suffix = r.mode1 == MatchMode::Suffix;
    request.keyword2WholeWord = r.mode2 == MatchMode::WholeWord;
    request.keyword2Prefix = r.mode2 == MatchMode::Prefix;
    request.keyword2Suffix = r.mode2 == MatchMode::Suffix;
    request.ignoreCase = r.ignoreCase;
    request.headwordOnly = r.headwordOnly;
    request.skipExamples = r.skipExamples;
    request.tagForm = r.tagForm;
}

class IndexBuilderTest : public test::SearchFixture {
protected:
    void SetUp() override
    {
        Register(Category::Main, "d", "ZELK5*.*");
        Register(Category::Corpus, "c", "BIL.TXT");
        Set("Index", "Dir", DirOf("idx"));
        request.indexDir = DirOf("idx");
        std::filesystem::create_directories(dir / "idx");
    }

    // Runs the stored request as a scan on one thread and on three, and with the
    // index; `indexUsed` tells whether the last run read the index instead of
    // scanning.
    struct BothWays {
        std::vector<std::string> scanned;
        std::vector<std::string> scannedInParallel;
        std::vector<std::string> indexed;
        bool indexUsed = false;
    };
    BothWays SearchBothWays()
    {
        BothWays result;
        request.useIndex = false;
        result.scanned = Search();
        request.scanThreads = 3;
        result.scannedInParallel = Search();
        request.scanThreads = 1;
        request.useIndex = true;
        host.scannedFiles.clear();
        result.indexed = Search();
        result.indexUsed = host.scannedFiles.empty();
        return result;
    }

    // Keyword 1 alone, headword part only.
    void SetRequest(const std::string& keyword, MatchMode mode, bool ignoreCase)
    {
        Request request;
        request.words1 = {keyword};
        request.mode1 = mode;
        request.ignoreCase = ignoreCase;
        request.headwordOnly = true;
        ApplyRequest(store, request, this->request);
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
    ASSERT_EQ(result.status.Reason(), "");
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
    EXPECT_NE(table.find("0=" + DirOf("d") + "ZELK5.A"), std::string::npos) << table;
    EXPECT_NE(table.find("1=" + DirOf("c") + "BIL.TXT"), std::string::npos) << table;
}

TEST_F(IndexBuilderTest, RebuildingRemovesDataFilesOfLettersWithoutWords)
{
    AddFile("d/ZELK5.A", "quince : x\r\n");
    ASSERT_EQ(BuildIndex(store).status.Reason(), "");
    ASSERT_TRUE(std::filesystem::exists(dir / "idx" / "$$TMP$$.q"));
    AddFile("d/ZELK5.A", "apple : x\r\n");
    ASSERT_EQ(BuildIndex(store).status.Reason(), "");
    EXPECT_FALSE(std::filesystem::exists(dir / "idx" / "$$TMP$$.q"));
}

// While reading, the build reports the bytes of the files before the one it
// reads and of all of them; then the files it writes and replaces.
TEST_F(IndexBuilderTest, ReadingReportsTheBytesOfTheFiles)
{
    AddFile("d/ZELK5.A", "apple : x\r\n");  // 11 bytes
    AddFile("d/ZELK5.B", "banana : y\r\n");  // 12
    AddFile("c/BIL.TXT", "cherry : z\r\n");  // 12
    std::vector<std::tuple<size_t, size_t, uint64_t, uint64_t>> reading;
    std::vector<size_t> writing;
    ASSERT_EQ(BuildIndex(store, [&](const IndexBuildProgress& p) {
                  if (p.step == IndexBuildProgress::Step::Reading)
                      reading.emplace_back(p.fileIndex, p.fileCount, p.bytesDone, p.byteCount);
                  if (p.step == IndexBuildProgress::Step::Writing) writing.push_back(p.fileIndex);
              }).status.Reason(),
              "");
    const std::vector<std::tuple<size_t, size_t, uint64_t, uint64_t>> expected = {
        {0, 3, 0, 35}, {1, 3, 11, 35}, {2, 3, 23, 35}};
    EXPECT_EQ(reading, expected);
    ASSERT_FALSE(writing.empty());
    for (size_t i = 0; i < writing.size(); ++i) EXPECT_EQ(writing[i], i);
}

TEST_F(IndexBuilderTest, RefusesWithoutAnIndexDirectory)
{
    Set("Index", "Dir", "");
    EXPECT_NE(BuildIndex(store).status.Reason(), "");
    Set("Index", "Dir", DirOf("missing"));
    EXPECT_NE(BuildIndex(store).status.Reason(), "");
}

Request DrawRequest(test::CRandomText& random, const std::vector<std::string>& lines)
{
    const auto keyword = [&] {
        std::vector<std::string> words(random.OneIn(5) ? 2 + random.Below(2) : 1);
        for (;;) {
            std::string stored;
            for (std::string& word : words) stored += (word = random.Keyword(lines)) + "|";
            if (words.size() == 1 || SplitStoredList(stored) == words) return words;  // a group that reads back
        }
    };
    Request r;
    r.words1 = keyword();
    if (random.OneIn(2)) r.words2 = keyword();
    r.mode1 = random.OneIn(4) ? static_cast<MatchMode>(random.Below(4))
                              : random.OneIn(2) ? MatchMode::WholeWord : MatchMode::Prefix;
    r.mode2 = static_cast<MatchMode>(random.Below(4));
    r.combination = random.Pick(std::vector<Combination>{Combination::And, Combination::Not, Combination::And,
                                                         Combination::Not, Combination::Or});
    r.ignoreCase = random.OneIn(2);
    r.headwordOnly = !random.OneIn(5);
    r.skipExamples = random.OneIn(2);
    r.tagForm = random.OneIn(2);
    return r;
}

// The word lists a search prepares from the request.
std::pair<std::vector<std::string>, std::vector<std::string>> WordLists(const Request& r)
{
    const auto prepared = [&](std::vector<std::string> words) {
        if (r.ignoreCase)
            for (std::string& word : words) FoldKeyword(word);
        return words;
    };
    std::vector<std::string> primary = prepared(r.words1);
    std::vector<std::string> secondary;
    const std::vector<std::string> second = prepared(r.words2);
    std::vector<std::string>& target = r.combination == Combination::Or ? primary : secondary;
    target.insert(target.end(), second.begin(), second.end());
    return {primary, secondary};
}

class CCollectingSink : public CScanSink {
public:
    CCollectingSink(std::vector<std::string>& results, const std::string& path, bool tagForm)
        : m_results(results), m_path(path), m_tagForm(tagForm)
    {
    }
    void Hit(std::string_view line, long lineNumber) override
    {
        m_results.push_back(m_tagForm ? MakeTagResultLine(m_path, lineNumber, line) : MakePlainResultLine(line));
    }
    bool KeepGoing() override { return true; }

private:
    std::vector<std::string>& m_results;
    const std::string& m_path;
    bool m_tagForm;
};

// What the request finds, read line by line in the order of the passes.
std::vector<std::string> LineByLineResults(const CSettingsStore& store, const Request& r)
{
    const auto [primary, secondary] = WordLists(r);
    std::vector<std::string> results;
    for (const Pass pass : {Pass::Main, Pass::Corpus, Pass::Other}) {
        LineRules rules;
        rules.hit = {&primary, &secondary, r.mode1, r.mode2, r.combination};
        rules.ignoreCase = r.ignoreCase;
        rules.skipExamples = pass == Pass::Main && r.skipExamples;
        rules.headwordOnly = pass == Pass::Main && r.headwordOnly;
        for (const DictionaryFile& file : BuildPassFiles(store, pass).files) {
            CTextFileReader reader;
            if (!reader.Open(file.native)) continue;
            CCollectingSink sink(results, file.path, r.tagForm);
            ScanLineByLine(reader, rules, sink);
        }
    }
    return results;
}

// Why the index leaves a request to the scan, or "" when it serves it: it holds
// only words without Japanese characters, by their runs of letters and digits or
// half-width katakana, for one word searched whole or by prefix in headwords.
std::string WhyNotIndexed(const Request& r)
{
    const std::vector<std::string> primary = WordLists(r).first;
    if (!r.headwordOnly) return "not the headword part only";
    if (primary.size() != 1) return "several words";
    if (r.mode1 != MatchMode::WholeWord && r.mode1 != MatchMode::Prefix) return "suffix or substring";
    bool hasRun = false;
    for (const char c : primary[0]) {
        const auto b = static_cast<unsigned char>(c);
        if (IsLeadByte(b)) return "a Japanese character";
        hasRun = hasRun || IsAsciiLetter(b) || IsAsciiDigit(b) || IsHalfWidthKatakana(b);
    }
    return hasRun ? "" : "no letter, digit or half-width katakana";
}

// Where two result lists part, for a failure message of readable length.
std::string Difference(const std::vector<std::string>& actual, const std::vector<std::string>& expected)
{
    size_t i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
    const auto shown = [&](const std::vector<std::string>& lines) {
        return i < lines.size() ? "\"" + lines[i].substr(0, 160) + "\"" : std::string("(none)");
    };
    return std::to_string(actual.size()) + " lines instead of " + std::to_string(expected.size()) + "; line " +
           std::to_string(i) + " is " + shown(actual) + " instead of " + shown(expected);
}

// Random dictionaries of every category and random requests over the whole
// character space: the search (block scan), the line-by-line reference and,
// where it serves the request, the index give the same lines in the same order.
// Narrowing the lines agrees with folding them. The search mode is Normal: the
// quick modes read other files first or only.
TEST_F(IndexBuilderTest, ScanReferenceAndIndexGiveTheSameLines)
{
    Register(Category::Supplement, "s", "HOI.TXT");
    Register(Category::Others, "o", "*.TXT");
    doc.SetRecordHistory(false);
    test::CRandomText random(20261208);
    std::array<bool, test::kByteRanges> coveredIgnoringCase{};
    std::map<std::string, int> requests;  // by why the index did not serve them
    int withHits = 0;
    int indexedWithHits = 0;
    int narrowed = 0;
    for (int set = 0; set < 3; ++set) {
        std::vector<std::string> lines;
        for (const char* file : {"d/ZELK5.A", "d/ZELK5.B", "s/HOI.TXT", "c/BIL.TXT", "o/MEMO.TXT", "o/NOTES.TXT"}) {
            const std::string text = random.Dictionary(20 + random.Below(40));
            AddFile(file, text);
            for (std::string& line : test::LinesOf(text)) lines.push_back(std::move(line));
        }
        ASSERT_EQ(BuildIndex(store).status.Reason(), "");

        for (int round = 0; round < 100; ++round) {
            const Request r = DrawRequest(random, lines);
            if (r.ignoreCase) {
                for (const auto* words : {&r.words1, &r.words2})
                    for (const std::string& word : *words) {
                        const auto ranges = test::RangesOf(word);
                        for (size_t i = 0; i < test::kByteRanges; ++i) coveredIgnoringCase[i] |= ranges[i];
                    }
            }
            ApplyRequest(store, r, request);
            const std::vector<std::string> expected = LineByLineResults(store, r);
            const std::string why = WhyNotIndexed(r);
            withHits += !expected.empty();
            indexedWithHits += why.empty() && !expected.empty();
            ++requests[why];
            const std::string what = "set " + std::to_string(set) + ", round " + std::to_string(round) +
                                     ", keyword \"" + r.words1[0] + "\"" + (why.empty() ? "" : " (" + why + ")");

            const BothWays result = SearchBothWays();
            ASSERT_TRUE(result.scanned == expected) << what << ", scan: " << Difference(result.scanned, expected);
            ASSERT_TRUE(result.scannedInParallel == expected)
                << what << ", scan on threads: " << Difference(result.scannedInParallel, expected);
            ASSERT_TRUE(result.indexed == expected) << what << ", index: " << Difference(result.indexed, expected);
            ASSERT_EQ(result.indexUsed, why.empty()) << what;

            if (round % 3 == 0) {
                const std::string keyword = random.Keyword(lines);
                const bool ignoreCase = random.OneIn(2);
                const auto mode = static_cast<MatchMode>(random.Below(4));

                std::string folded = keyword;
                if (ignoreCase) FoldKeyword(folded);
                std::vector<std::string> kept;
                for (const std::string& line : expected) {
                    std::string work = line;
                    if (ignoreCase) FoldLine(work);
                    if (HasValidOccurrence(work, folded, mode)) kept.push_back(line);
                }
                doc.Narrow({keyword, true, false, ignoreCase, mode});
                ASSERT_TRUE(Lines() == kept)
                    << what << ", narrowed by \"" << keyword << "\": " << Difference(Lines(), kept);
                narrowed += kept.size() != expected.size();
            }
        }
    }
    EXPECT_GT(withHits, 100) << "the requests must find something to compare";
    EXPECT_GT(indexedWithHits, 15) << "indexed requests must find something to compare";
    EXPECT_GT(narrowed, 10);
    EXPECT_GT(random.CutsAtSecondBytes(), 20u) << "keywords cut out at second bytes";
    for (const char* reason : {"", "not the headword part only", "several words", "suffix or substring",
                               "a Japanese character", "no letter, digit or half-width katakana"})
        EXPECT_GT(requests[reason], 5) << "requests " << (*reason ? reason : "the index serves");
    for (size_t i = 0; i < test::kByteRanges; ++i)
        EXPECT_TRUE(coveredIgnoringCase[i])
            << "no keyword with case ignored held a byte of " << test::NameOf(static_cast<test::ByteRange>(i));
}

// The same offset in another file is another line: each category keeps it.
TEST_F(IndexBuilderTest, ALineAtTheSameOffsetInEachFileIsIndexedForEach)
{
    Register(Category::Others, "o", "NOTES.TXT");
    AddFile("d/ZELK5.A", Sjis("■apple : りんご\r\n"));
    AddFile("c/BIL.TXT", "corpus apple : x\r\n");
    AddFile("o/NOTES.TXT", Sjis("other apple : その他\r\n"));
    ASSERT_EQ(BuildIndex(store).status.Reason(), "");
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
    for (const std::string headword : {"apple  pie", "apple pie", "a -x b", longRun.c_str(), longestKeyword.c_str(),
                                       "a \x1bx", "a\x1bx", "apple", "apply", "applet", "a - b", "-\xa1" "abc",
                                       "\x92" "0abc"})
        text += Sjis("■") + headword + " : " + std::to_string(++number) + "\r\n";
    AddFile("d/ZELK5.A", text);
    ASSERT_EQ(BuildIndex(store).status.Reason(), "");
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
        {"after a lead byte without its trail byte", "0abc", MatchMode::WholeWord, false, 1, true},
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
