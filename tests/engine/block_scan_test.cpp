#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "platform/mapped_window.h"
#include "platform/text_file_reader.h"
#include "search/file_scan.h"
#include "search/keyword_match.h"
#include "search/needle_finder.h"
#include "test_support.h"

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

// Random dictionary text with everything that makes reading text hard.
std::string RandomDictionary(std::mt19937& random, const std::vector<std::string>& vocabulary)
{
    const std::vector<std::string> pieces = {" ", " : ", "* ", Sjis("■"), "\r", "\x1b", std::string(1, '\0'), "'s",
                                             "-", "\x82", Sjis("りんご"), Sjis("ｱｲ"), "\t", "x\rz"};
    std::string text;
    const int lines = 50 + static_cast<int>(random() % 300);
    for (int i = 0; i < lines; ++i) {
        const int parts = static_cast<int>(random() % 12);
        for (int p = 0; p < parts; ++p)
            text += random() % 3 ? vocabulary[random() % vocabulary.size()] : pieces[random() % pieces.size()];
        if (random() % 40 == 0) text += std::string(2000 + random() % 9000, 'a') + vocabulary[random() % vocabulary.size()];
        text += random() % 5 ? "\r\n" : "\n";
    }
    if (random() % 4 == 0) text.insert(random() % text.size(), 1, '\x1a');
    if (random() % 3 == 0) text += vocabulary[random() % vocabulary.size()];  // no final line feed
    return text;
}

TEST(BlockScanTest, GivesTheHitsAndLineNumbersOfTheLineByLineScan)
{
    std::mt19937 random(7);
    const std::vector<std::string> vocabulary = {"apple", "Apple", "APP", "pie", "cat", "category", "a", "b",
                                                 Sjis("塔"), Sjis("ン") + Sjis("ヘ"), "3.14", "don't", "WATER", "water"};
    test::CTempDir dir;
    const auto file = dir / "dict.txt";
    const size_t page = CMappedWindow::PageSize();
    int compared = 0;
    for (int round = 0; round < 120; ++round) {
        test::WriteBytes(file, RandomDictionary(random, vocabulary));
        std::vector<std::string> primary{vocabulary[random() % vocabulary.size()]};
        if (random() % 3 == 0) primary.push_back(vocabulary[random() % vocabulary.size()]);
        if (random() % 5 == 0) primary.push_back(Sjis("ご"));
        std::vector<std::string> secondary =
            random() % 3 ? std::vector<std::string>{} : std::vector<std::string>{vocabulary[random() % vocabulary.size()]};
        LineRules rules;
        rules.ignoreCase = random() % 2;
        if (rules.ignoreCase) {  // as keyword preparation folds them
            for (std::string& word : primary) FoldKeyword(word);
            for (std::string& word : secondary) FoldKeyword(word);
        }
        rules.hit = {&primary, &secondary, static_cast<MatchMode>(random() % 4), static_cast<MatchMode>(random() % 4),
                     random() % 2 ? Combination::And : Combination::Not};
        rules.skipExamples = random() % 2;
        rules.headwordOnly = random() % 2;

        CRecordingSink reference;
        CTextFileReader reader;
        ASSERT_TRUE(reader.Open(file));
        ScanLineByLine(reader, rules, reference);

        for (const bool vectors : {true, false}) {
            const CNeedleFinder finder(primary, rules.ignoreCase, vectors);
            for (const size_t window : {page, 3 * page, kScanWindowBytes}) {
                CRecordingSink blocks;
                ScanBlocks(file, rules, finder, true, blocks, window);
                ASSERT_EQ(blocks.hits, reference.hits)
                    << "round " << round << ", window " << window << ", vectors " << vectors << ", word " << primary[0];
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 720);
}

TEST(BlockScanTest, LinesLongerThanAWindowAndFilesWithoutLineFeeds)
{
    test::CTempDir dir;
    const auto file = dir / "dict.txt";
    const size_t page = CMappedWindow::PageSize();
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
        ScanBlocks(file, rules, finder, true, blocks, page);
        EXPECT_EQ(blocks.hits, reference.hits) << text.size();
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
