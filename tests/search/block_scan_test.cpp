#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "platform/char_case.h"
#include "platform/text_file_reader.h"
#include "search/file_scan.h"
#include "search/needle_finder.h"
#include "support/random_text.h"
#include "support/test_support.h"
#include "text/keyword_match.h"

namespace quilsk {
namespace {

using test::Sjis;

using Hits = std::vector<std::pair<std::string, long>>;

class CRecordingSink : public CScanSink {
public:
    void Hit(std::string_view line, long lineNumber) override { hits.emplace_back(std::string(line), lineNumber); }
    bool KeepGoing() override { return true; }
    Hits hits;
};

// Random dictionaries and requests over the whole character space: the block
// scan, with and without vector instructions and in blocks small enough that
// lines cross their edges or do not fit, gives the hits and line numbers of the
// line-by-line scan.
TEST(BlockScanTest, GivesTheHitsAndLineNumbersOfTheLineByLineScan)
{
    test::CRandomText random(7);
    test::CTempDir dir;
    const auto file = dir / "dict.txt";
    const size_t page = 4096;
    std::array<bool, test::kByteRanges> coveredIgnoringCase{};
    int compared = 0;
    int roundsWithHits = 0;
    // The finder tests the first bytes of several words one way when all of
    // them are ASCII and another way when not; both must be drawn.
    std::array<int, 2> severalWordsAsciiFirst{};
    for (int round = 0; round < 60; ++round) {
        const std::string text = random.Dictionary(40 + random.Below(160));
        test::WriteBytes(file, text);
        const std::vector<std::string> lines = test::LinesOf(text);
        const auto someWords = [&](size_t most) {
            std::vector<std::string> words;
            for (size_t n = 1 + random.Below(most); n > 0; --n) words.push_back(random.Keyword(lines));
            return words;
        };
        std::vector<std::string> primary = someWords(3);
        std::vector<std::string> secondary = random.OneIn(2) ? std::vector<std::string>{} : someWords(2);
        const Combination combination =
            random.Pick(std::vector<Combination>{Combination::And, Combination::Not, Combination::Or});
        if (combination == Combination::Or) {  // as keyword preparation puts them
            primary.insert(primary.end(), secondary.begin(), secondary.end());
            secondary.clear();
        }
        LineRules rules;
        rules.ignoreCase = random.OneIn(2);
        if (rules.ignoreCase) {
            for (const std::string& word : primary) {
                const auto ranges = test::RangesOf(word);
                for (size_t r = 0; r < test::kByteRanges; ++r) coveredIgnoringCase[r] |= ranges[r];
            }
            for (std::string& word : primary) FoldKeyword(word);
            for (std::string& word : secondary) FoldKeyword(word);
        }
        const auto mode = [&] { return static_cast<MatchMode>(random.Below(4)); };
        rules.hit = {&primary, &secondary, mode(), mode(), combination};
        if (primary.size() > 1) {
            size_t shortest = 3;
            for (const std::string& word : primary) shortest = std::min(shortest, word.size());
            bool asciiFirst = true;
            for (const std::string& word : primary)
                for (size_t i = 0; i < shortest; ++i) asciiFirst = asciiFirst && static_cast<unsigned char>(word[i]) < 0x80;
            ++severalWordsAsciiFirst[asciiFirst];
        }
        rules.skipExamples = random.OneIn(2);
        rules.headwordOnly = random.OneIn(2);

        CRecordingSink reference;
        CTextFileReader reader;
        ASSERT_TRUE(reader.Open(file));
        ScanLineByLine(reader, rules, reference);
        roundsWithHits += !reference.hits.empty();

        for (const bool vectors : {true, false}) {
            const CNeedleFinder finder(primary, rules.ignoreCase, vectors);
            for (const size_t block : {size_t{97}, page + 7, 3 * page, kScanBlockBytes}) {
                CRecordingSink blocks;
                ScanBlocks(file, rules, finder, true, blocks, {}, block);
                ASSERT_EQ(blocks.hits, reference.hits)
                    << "round " << round << ", block " << block << ", vectors " << vectors << ", word " << primary[0];
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 480);
    EXPECT_GT(roundsWithHits, 20) << "the requests must find something to compare";
    EXPECT_GE(severalWordsAsciiFirst[false], 5);
    EXPECT_GE(severalWordsAsciiFirst[true], 5);
    for (size_t r = 0; r < test::kByteRanges; ++r)
        EXPECT_TRUE(coveredIgnoringCase[r])
            << "no keyword with case ignored held a byte of " << test::NameOf(static_cast<test::ByteRange>(r));
}

// With case ignored the finder may flag more than the exact test accepts, but
// it flags every place where a word occurs in the folded text.
TEST(NeedleFinderTest, FlagsEveryOccurrenceInTheFoldedText)
{
    test::CRandomText random(31);
    int occurrences = 0;
    for (int round = 0; round < 1000; ++round) {
        std::vector<std::string> lines;
        for (size_t n = 1 + random.Below(6); n > 0; --n) lines.push_back(random.Line());
        std::vector<std::string> words;
        for (size_t n = 1 + random.Below(3); n > 0; --n) {
            words.push_back(random.Keyword(lines));
            FoldKeyword(words.back());
        }
        std::string block;
        std::vector<size_t> expected;  // where a word occurs, line by line in the folded lines
        for (const std::string& line : lines) {
            std::string folded = line;
            FoldLine(folded);
            for (size_t pos = 0; pos < folded.size(); ++pos)
                for (const std::string& word : words)
                    if (folded.compare(pos, word.size(), word) == 0) {
                        expected.push_back(block.size() + pos);
                        break;
                    }
            block += line + "\n";
        }
        for (const bool vectors : {true, false}) {
            const CNeedleFinder finder(words, true, vectors);
            for (const size_t at : expected) {
                const ScanEvent event = finder.Next(block.data(), at, block.size());
                ASSERT_EQ(event.position, at) << "round " << round << ", word " << words[0] << ", vectors " << vectors;
                ASSERT_EQ(event.kind, ScanEventKind::Word);
            }
        }
        occurrences += static_cast<int>(expected.size());
    }
    EXPECT_GT(occurrences, 1000);
}

// Many words share the eight buckets of the vector filter, more than 64 of them
// even its starting groups: with vectors and without, the finder stops at the
// next place where a word occurs (a capital taken for its small letter when case
// is ignored), a lone CR or the end-of-file byte stands, and nowhere before it.
TEST(NeedleFinderTest, ManyWordsStopAtTheNextPlaceThatNeedsALook)
{
    const auto occursAt = [](const std::string& word, const std::string& text, size_t pos, bool ignoreCase) {
        if (pos + word.size() > text.size()) return false;
        for (size_t i = 0; i < word.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[pos + i]);
            const auto w = static_cast<unsigned char>(word[i]);
            if (ignoreCase ? !MayFoldTo(c, w) : c != w) return false;
        }
        return true;
    };
    test::CRandomText random(53);
    int wordEvents = 0;
    for (const size_t wordCount : {size_t{2}, size_t{9}, size_t{20}, size_t{70}, size_t{150}}) {
        for (int round = 0; round < 6; ++round) {
            const std::string text = random.Dictionary(200);
            const std::vector<std::string> lines = test::LinesOf(text);
            const bool ignoreCase = random.OneIn(2);
            std::vector<std::string> words;
            while (words.size() < wordCount) {
                words.push_back(random.Keyword(lines));
                if (ignoreCase) FoldKeyword(words.back());
            }
            const auto expectedFrom = [&](size_t from) {
                for (size_t p = from; p < text.size(); ++p) {
                    if (text[p] == '\x1A') return ScanEvent{p, ScanEventKind::EndOfFile};
                    if (text[p] == '\r' && (p + 1 == text.size() || text[p + 1] != '\n'))
                        return ScanEvent{p, ScanEventKind::LoneCarriageReturn};
                    for (const std::string& word : words)
                        if (occursAt(word, text, p, ignoreCase)) return ScanEvent{p, ScanEventKind::Word};
                }
                return ScanEvent{text.size(), ScanEventKind::Word};
            };
            for (const bool vectors : {true, false}) {
                const CNeedleFinder finder(words, ignoreCase, vectors);
                for (size_t from = 0; from < text.size();) {
                    const ScanEvent expected = expectedFrom(from);
                    const ScanEvent event = finder.Next(text.data(), from, text.size());
                    ASSERT_EQ(event.position, expected.position)
                        << wordCount << " words, round " << round << ", vectors " << vectors;
                    ASSERT_EQ(event.kind, expected.kind);
                    if (expected.position == text.size()) break;
                    if (event.kind == ScanEventKind::Word) {
                        ASSERT_LT(event.word, words.size());
                        EXPECT_TRUE(occursAt(words[event.word], text, event.position, ignoreCase));
                        ++wordEvents;
                    }
                    from = expected.position + 1;
                }
            }
        }
    }
    EXPECT_GT(wordEvents, 5000);
}

TEST(BlockScanTest, LinesLongerThanABlockAndFilesWithoutLineFeeds)
{
    test::CTempDir dir;
    const auto file = dir / "dict.txt";
    const size_t page = 4096;
    const std::vector<std::string> texts = {
        "first key\r\n" + std::string(5 * page, 'x') + "key\r\nlast key\r\n",
        "key\rkey\rkey\r" + std::string(3 * page, 'y') + "key",
        std::string(7000, 'k') + "key" + std::string(7000, 'z') + "\n",
    };
    const std::vector<std::string> words = {"key"};
    const std::vector<std::string> none;
    LineRules rules;
    rules.hit = {&words, &none, MatchMode::Substring, MatchMode::Substring, Combination::And};
    const CNeedleFinder finder(words, false);
    for (const std::string& text : texts) {
        test::WriteBytes(file, text);
        CRecordingSink reference;
        CTextFileReader reader;
        ASSERT_TRUE(reader.Open(file));
        ScanLineByLine(reader, rules, reference);
        ASSERT_FALSE(reference.hits.empty());
        CRecordingSink blocks;
        ScanBlocks(file, rules, finder, true, blocks, {}, page);
        EXPECT_EQ(blocks.hits, reference.hits) << text.size();
    }
}

// A stop asked for between blocks ends the scan there: the hits of the first
// block are given, nothing after it is read.
TEST(BlockScanTest, StopsAfterTheBlockWhereTheStopWasAsked)
{
    test::CTempDir dir;
    const auto file = dir / "dict.txt";
    std::string text;
    for (int i = 0; i < 200; ++i) text += "key " + std::to_string(1000 + i) + "\r\n";  // 10 bytes a line
    test::WriteBytes(file, text);
    const std::vector<std::string> words = {"key"};
    const std::vector<std::string> none;
    LineRules rules;
    rules.hit = {&words, &none, MatchMode::Substring, MatchMode::Substring, Combination::And};
    const CNeedleFinder finder(words, false);

    class CStoppingSink : public CRecordingSink {
    public:
        bool KeepGoing() override { return ++asked < 2; }
        int asked = 0;
    };
    for (const size_t block : {size_t{64}, size_t{105}, size_t{1000}}) {
        CStoppingSink sink;
        ScanBlocks(file, rules, finder, true, sink, {}, block);
        EXPECT_EQ(sink.asked, 2) << block;
        ASSERT_EQ(sink.hits.size(), 2 * (block / 10)) << "the whole lines of two blocks, block " << block;
        EXPECT_EQ(sink.hits.back(), std::make_pair("key " + std::to_string(1000 + 2 * (block / 10) - 1), long(2 * (block / 10))));
    }
}

// With case ignored the finder may take a capital for its small letter, but it
// must never pass over a word whose second bytes lie in "A"-"Z" (83 41 is ア).
TEST(NeedleFinderTest, CaseIgnoredNeverPassesOverAWordWithCapitalLikeSecondBytes)
{
    const std::vector<std::vector<std::string>> wordSets = {
        {Sjis("アップル")}, {Sjis("コーヒー")}, {Sjis("ウ")}, {Sjis("、")}, {Sjis("アップル"), Sjis("コーヒー")},
        {"x" + Sjis("ア")}};
    for (const auto& words : wordSets) {
        const std::string text = std::string(300, 'q') + Sjis("ABCアイウエオ") + words.front() + "\n" + std::string(300, 'q');
        const size_t at = text.find(words.front(), 300);
        for (const bool vectors : {true, false}) {
            const CNeedleFinder finder(words, true, vectors);
            const ScanEvent event = finder.Next(text.data(), 0, text.size());
            EXPECT_EQ(event.position, at) << words.front() << ", vectors " << vectors;
            EXPECT_EQ(event.kind, ScanEventKind::Word);
        }
    }
}

}  // namespace
}  // namespace quilsk
