#include <gtest/gtest.h>

#include "platform/char_case.h"
#include "support/random_text.h"
#include "support/test_support.h"
#include "text/keyword_match.h"
#include "text/sjis_text.h"
#include "text/word_tokenizer.h"

namespace quilsk {
namespace {

using test::Sjis;

TEST(CharClassTest, TwoByteCodesFollowTheFirstRowThatApplies)
{
    struct Case {
        unsigned code;
        int expected;
    } cases[] = {
        {0x8141, 7}, {0x817A, 7}, {0x815B, 3}, {0x817B, 10},  // punctuation; the prolonged sound mark is katakana
        {0x889F, 5}, {0x9872, 5}, {0x989F, 5}, {0xEA9E, 5},  // both kanji levels
        {0x887F, 10}, {0x98A0, 5}, {0x9873, 10},              // between and around the levels
        {0x829F, 4}, {0x82F1, 4}, {0x82F2, 10},               // hiragana
        {0x8340, 3}, {0x837E, 3}, {0x8380, 3}, {0x8396, 3}, {0x8397, 10},
        {0x824F, 6}, {0x8281, 6}, {0x8294, 6}, {0x829A, 10},  // full-width small z falls out of class 6
        {0x8140, 8}, {0x8100, 10}, {0xFC40, 10}};
    for (const Case& c : cases) EXPECT_EQ(ClassOfCode(c.code), c.expected) << std::hex << c.code;
}

TEST(CharClassTest, SingleBytes)
{
    struct Case {
        unsigned char byte;
        int expected;
    } cases[] = {{'a', 0}, {'Z', 0}, {'5', 0}, {'-', 1}, {'@', 1}, {'~', 1}, {0xA1, 1}, {0xA5, 1},
                 {0xA6, 2}, {0xDF, 2}, {' ', 9}, {'\t', 9}, {0x1B, 9}, {0x7F, 9}, {0x80, 9}, {0xA0, 9}, {0xFD, 9}};
    for (const Case& c : cases) EXPECT_EQ(ClassOfByte(c.byte), c.expected) << int(c.byte);
}

TEST(CharAtTest, WalksFromTheStartOfTheLine)
{
    const std::string line = "a" + Sjis("塔") + "\x81 " + "\x82";  // a, 93 83, lead + blank, lone lead at the end
    struct Case {
        int offset;
        CharKind kind;
        int klass;
    } cases[] = {{-1, CharKind::Single, 9}, {0, CharKind::Single, 0}, {1, CharKind::FirstByte, 5},
                 {2, CharKind::SecondByte, 5}, {3, CharKind::FirstByte, 10}, {4, CharKind::Single, 9},
                 {5, CharKind::FirstByte, 10}, {6, CharKind::Single, 9}};
    for (const Case& c : cases) {
        EXPECT_EQ(CharAt(line, c.offset).kind, c.kind) << c.offset;
        EXPECT_EQ(ClassAt(line, c.offset), c.klass) << c.offset;
    }
}

TEST(BoundaryTest, EdgeCasesOfTheFourModes)
{
    struct Case {
        std::string name;
        std::string line;
        std::string word;
        bool ignoreCase;
        bool substring, whole, prefix, suffix;
    } cases[] = {
        {"hiragana after kanji at the end", Sjis("青りんご"), Sjis("りんご"), false, true, true, true, true},
        {"hiragana before hiragana", Sjis("りんごの"), Sjis("りんご"), false, true, false, true, false},
        {"hyphenated, case ignored", "Ice-cream", "ice", true, true, true, true, true},
        {"inside a word", "concatenate", "cat", false, true, false, false, false},
        {"word with apostrophe", "the cat's", "cat", false, true, true, true, true},
        {"plural", "cats", "cat", false, true, false, true, false},
        {"katakana with the prolonged sound mark", Sjis("コーヒー"), Sjis("コーヒー"), false, true, true, true, true},
        {"part of a katakana word", Sjis("コーヒー"), Sjis("ヒー"), false, true, false, false, true},
        {"kanji among hiragana", Sjis("この塔は"), Sjis("塔"), false, true, true, true, true},
        {"kanji inside kanji", Sjis("冬林檎"), Sjis("林檎"), false, true, false, false, true},
        {"full-width a next to full-width z", Sjis("ａｚ"), Sjis("ａ"), false, true, true, true, true},
        {"commercial at inside an ideographic space", "\x81\x40", "@", false, false, false, false, false},
        {"katakana byte pair that spells a kanji", Sjis("ンヘ"), Sjis("塔"), false, false, false, false, false},
        {"capital I inside a kanji", Sjis("紀元"), "I", false, false, false, false, false},
        {"ASCII after a two-byte character", Sjis("私はI"), "I", false, true, true, true, true},
    };
    for (Case& c : cases) {
        if (c.ignoreCase) FoldLine(c.line);
        const bool results[] = {c.substring, c.whole, c.prefix, c.suffix};
        for (int mode = 0; mode < 4; ++mode)
            EXPECT_EQ(HasValidOccurrence(c.line, c.word, static_cast<MatchMode>(mode)), results[mode])
                << c.name << ", mode " << mode;
    }
}

TEST(BoundaryTest, RawTestOfAnOccurrenceOnASecondByte)
{
    const std::string line = "\x81\x40";
    EXPECT_EQ(Find(line, 0, "@"), 1u);
    EXPECT_TRUE(BoundaryTest(line, 1, 1, MatchMode::Substring));
    EXPECT_TRUE(BoundaryTest(line, 1, 1, MatchMode::Suffix));
    EXPECT_FALSE(BoundaryTest(line, 1, 1, MatchMode::WholeWord));
    EXPECT_FALSE(BoundaryTest(line, 1, 1, MatchMode::Prefix));
}

TEST(BoundaryTest, ARejectedOccurrenceResumesOneByteLater)
{
    EXPECT_TRUE(HasValidOccurrence("dog category cat", "cat", MatchMode::WholeWord));
    EXPECT_TRUE(HasValidOccurrence("aaa a", "a", MatchMode::WholeWord));
    EXPECT_FALSE(HasValidOccurrence("aaaa", "aa", MatchMode::WholeWord));
    EXPECT_TRUE(HasValidOccurrence("anything", "", MatchMode::WholeWord));
}

// Case is ignored either by folding the line or by the comparison itself; both
// must agree, trail bytes that look like capitals included. Folding a line or a
// keyword is folding each character: A-Z outside two-byte characters.
TEST(BoundaryTest, IgnoringCaseByComparisonEqualsFoldingTheLine)
{
    test::CRandomText random(11);
    for (int round = 0; round < 4000; ++round) {
        const std::string line = random.Line();
        std::string byCharacters = line;
        CSjisCursor cursor(line);
        for (size_t i = 0; i < line.size(); ++i)
            byCharacters[i] = static_cast<char>(
                FoldByte(static_cast<unsigned char>(line[i]), cursor.IsSecondByte(static_cast<std::ptrdiff_t>(i))));
        std::string folded = line;
        FoldLine(folded);
        ASSERT_EQ(folded, byCharacters) << line;
        std::string keyword = line;
        FoldKeyword(keyword);
        ASSERT_EQ(keyword, byCharacters) << line;

        std::string word = random.Keyword({line});
        FoldKeyword(word);
        const auto mode = static_cast<MatchMode>(random.Below(4));
        ASSERT_EQ(HasValidOccurrenceIgnoringCase(line, word, mode), HasValidOccurrence(folded, word, mode))
            << "line \"" << line << "\" word \"" << word << "\" mode " << static_cast<int>(mode);
    }
}

TEST(FindTest, IsByteWise)
{
    EXPECT_EQ(Find("abcabc", 0, "bc"), 1u);
    EXPECT_EQ(Find("abcabc", 2, "bc"), 4u);
    EXPECT_EQ(Find("abcabc", 5, "bc"), kNotFound);
    EXPECT_EQ(Find("abc", 3, ""), 3u);
    EXPECT_EQ(Find("abc", 4, "a"), kNotFound);
}

TEST(FoldTest, OnlyAsciiCapitalsOutsideTwoByteCharactersChange)
{
    std::string line = "ABC" + Sjis("Ａ") + "\x83\x41" + "Z\x81";  // full-width A, katakana with trail 0x41, lone lead
    FoldLine(line);
    EXPECT_EQ(line, "abc" + Sjis("Ａ") + "\x83\x41" + "z\x81");

    std::string keyword = "MiXeD" + Sjis("ア");
    FoldKeyword(keyword);
    EXPECT_EQ(keyword, "mixed" + Sjis("ア"));
}

TEST(WordTokenizerTest, SplitsEnglishAndJapanese)
{
    struct Case {
        std::string text;
        std::vector<std::string> words;
    } cases[] = {
        {"don't stop, 3.14 x", {"don't", "stop", "3.14", "x"}},
        {"  1,000 yen... 'quoted' a'", {"1,000", "yen", "quoted", "a"}},
        {Sjis("東京・大阪 trip"), {Sjis("東京・大阪"), "trip"}},
        {Sjis("ソ") + "-x", {Sjis("ソ"), "x"}},  // 0x835C: its trail byte is no separator
        {"!!!", {}},
        {"", {}},
        {"a\x81", {"a\x81"}},
    };
    for (const Case& c : cases) {
        CWordTokenizer tokenizer;
        std::vector<std::string> words;
        for (auto w = tokenizer.NextWord(c.text); w; w = tokenizer.NextWord()) words.emplace_back(*w);
        EXPECT_EQ(words, c.words) << c.text;
        EXPECT_FALSE(tokenizer.NextWord()) << "the position is forgotten at the end";
    }
}

TEST(WordTokenizerTest, TwoTokenizersKeepTheirOwnPositions)
{
    CWordTokenizer first;
    CWordTokenizer second;
    EXPECT_EQ(*first.NextWord("one two"), "one");
    EXPECT_EQ(*second.NextWord("alpha beta"), "alpha");
    EXPECT_EQ(*first.NextWord(), "two");
    EXPECT_EQ(*second.NextWord(), "beta");
}

}  // namespace
}  // namespace quilsk
