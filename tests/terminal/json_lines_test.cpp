#include <gtest/gtest.h>

#include "terminal/json_lines.h"
#include "platform/cp932.h"
#include "support/random_text.h"
#include "support/test_support.h"
#include "text/keyword_match.h"

namespace quilsk {
namespace {

using test::Sjis;

TEST(JsonLinesTest, StringsAreEscapedAsJsonRequires)
{
    struct Case {
        std::string_view in;
        std::string_view out;
    } cases[] = {
        {"plain", "\"plain\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"C:\\DIC\\", "\"C:\\\\DIC\\\\\""},
        {"a\tb\rc\nd\be\ff", "\"a\\tb\\rc\\nd\\be\\ff\""},
        {std::string_view("\x00\x01\x1b\x1f\x7f", 5), "\"\\u0000\\u0001\\u001b\\u001f\\u007f\""},
        {"りんご/\xEF\xBF\xBD", "\"りんご/\xEF\xBF\xBD\""},
    };
    for (const Case& c : cases) {
        std::string out;
        AppendJsonString(out, c.in);
        EXPECT_EQ(out, c.out);
    }
}

TEST(JsonLinesTest, KindsFollowTheSortGroups)
{
    struct Case {
        std::string line;
        const char* kind;
    } cases[] = {
        {Sjis("■apple : りんご"), "headword"},   {Sjis("●an apple a day : 医者いらず"), "phrase"},
        {Sjis("* an apple : りんご"), "example"}, {Sjis("* no translation"), "example"},
        {"Good morning. : x", "entry"},          {Sjis("《日常会話》"), "other"},
        {"*no blank", "other"},                  {"", "other"},
    };
    for (const Case& c : cases) EXPECT_STREQ(NameOfKind(KindOfLine(c.line)), c.kind) << Cp932ToUtf8(c.line);
}

TEST(JsonLinesTest, TagsAreReadAsTheTagWritesThem)
{
    struct Case {
        std::string line;
        std::vector<std::pair<std::string, long>> readings;
        std::string text;  // of the first reading
    } cases[] = {
        {"/D/ZELK5.A(     12) apple\r\n", {{"/D/ZELK5.A", 12}}, "apple"},
        {"/D/A(12345678) x\r\n", {{"/D/A", 12345678}}, "x"},
        {"/D/A(     -1) x", {{"/D/A", -1}}, "x"},
        {"/D/A(    12) x", {}, ""},                 // six wide: not a tag
        {"/D/A(      +12) x", {}, ""},
        {"/D/A(  12 34) x", {}, ""},
        {"/D/A (1) (      3) x", {{"/D/A (1) ", 3}}, "x"},
        {"/D/A(      1) B(      2) x", {{"/D/A", 1}, {"/D/A(      1) B", 2}}, "B(      2) x"},
        {"no tag at all", {}, ""},
    };
    for (const Case& c : cases) {
        const std::vector<TaggedLine> tags = ReadTags(c.line);
        ASSERT_EQ(tags.size(), c.readings.size()) << c.line;
        for (size_t i = 0; i < tags.size(); ++i) {
            EXPECT_EQ(tags[i].path, c.readings[i].first) << c.line;
            EXPECT_EQ(tags[i].lineNumber, c.readings[i].second) << c.line;
        }
        if (!tags.empty()) {
            EXPECT_EQ(tags.front().text, c.text);
        }
    }
}

std::string HitObject(std::string_view line, std::vector<ByteSpan> matches)
{
    std::string out;
    AppendJsonHit(out, {std::string("/d/f"), 3, line, std::move(matches)});
    return out;
}

TEST(JsonLinesTest, OffsetsCountCharactersOfTheTextWithoutEscBytes)
{
    const std::string prefix = "{\"type\":\"hit\",\"path\":\"/d/f\",\"line_number\":3,";
    struct Case {
        std::string line;
        std::vector<ByteSpan> matches;  // bytes of `line`
        std::string rest;
    } cases[] = {
        // "りんご" is three characters of two bytes: "apple" starts at character 4.
        {Sjis("りんご apple"), {{7, 12}},
         R"("kind":"other","text":"りんご apple","matches":[{"start":4,"end":9}],"highlights":[])"},
        // ESC bytes take no place; the span between them is a highlight.
        {Sjis("■apple : \x1bりんご\x1b"), {{2, 7}},
         R"("kind":"headword","text":"■apple : りんご","matches":[{"start":1,"end":6}],"highlights":[{"start":9,"end":12}])"},
        // An odd ESC highlights the rest; a match across an ESC keeps its place.
        {Sjis("hot : 熱い、\x1b辛い"), {{4, 15}},
         R"("kind":"entry","text":"hot : 熱い、辛い","matches":[{"start":4,"end":10}],"highlights":[{"start":9,"end":11}])"},
        // Overlapping places are joined, touching ones stay apart; empty ESC pairs vanish.
        {"aaa\x1b\x1b b", {{0, 2}, {1, 3}, {6, 7}},
         R"("kind":"other","text":"aaa b","matches":[{"start":0,"end":3},{"start":4,"end":5}],"highlights":[])"},
        // A span that ends inside a two-byte character takes the whole character.
        {Sjis("x塔"), {{0, 2}}, R"("kind":"other","text":"x塔","matches":[{"start":0,"end":2}],"highlights":[])"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HitObject(c.line, c.matches), prefix + c.rest + "}\n") << Cp932ToUtf8(c.line);
}

TEST(JsonLinesTest, BytesThatAreNotCp932KeepTheStoredLine)
{
    const std::string line = std::string("a\xFF") + "\"\x81";  // 0xFF, then a lead byte at the end
    EXPECT_EQ(HitObject(line, {}),
              "{\"type\":\"hit\",\"path\":\"/d/f\",\"line_number\":3,\"kind\":\"other\",\"text\":\"a\xEF\xBF\xBD\\\"\xEF\xBF\xBD\","
              "\"matches\":[],\"highlights\":[],\"line_base64\":\"Yf8igQ==\"}\n");
    std::string out;
    AppendJsonHit(out, {std::nullopt, 0, "ab", {}});
    EXPECT_NE(out.find("\"path\":null,"), std::string::npos) << out;
    EXPECT_EQ(out.find("line_base64"), std::string::npos) << out;
}

TEST(JsonLinesTest, SummaryObject)
{
    std::string out;
    AppendJsonSummary(out, {12, 31, 1.5, true});
    EXPECT_EQ(out, "{\"type\":\"summary\",\"lines\":12,\"files_searched\":31,\"elapsed_ms\":1.500,\"stopped_early\":true}\n");
}

// The places reported are those the search itself accepts: a line has one
// exactly when the hit test finds the word, over random text of every cp932
// range, in every mode, with and without case.
TEST(JsonLinesTest, WordSpansAgreeWithTheHitTest)
{
    test::CRandomText random(20261209);
    std::vector<std::string> lines;
    for (int i = 0; i < 300; ++i) lines.push_back(random.Line());
    size_t withSpans = 0;
    for (const std::string& line : lines) {
        for (int k = 0; k < 6; ++k) {
            std::string word = random.Keyword(lines);
            for (bool ignoreCase : {false, true}) {
                std::string folded = word;
                if (ignoreCase) FoldKeyword(folded);
                for (MatchMode mode : {MatchMode::Substring, MatchMode::WholeWord, MatchMode::Prefix, MatchMode::Suffix}) {
                    std::vector<ByteSpan> spans;
                    AddWordSpans(line, {folded}, mode, ignoreCase, spans);
                    const bool present = ignoreCase ? HasValidOccurrenceIgnoringCase(line, folded, mode)
                                                    : HasValidOccurrence(line, folded, mode);
                    ASSERT_EQ(!spans.empty(), present) << Cp932ToUtf8(line) << " / " << Cp932ToUtf8(word);
                    withSpans += !spans.empty();
                    for (const ByteSpan& span : spans) {
                        ASSERT_EQ(span.end - span.begin, folded.size());
                        std::string found = line.substr(span.begin, folded.size());
                        if (ignoreCase) FoldLine(found);
                        ASSERT_EQ(found, folded);
                    }
                }
            }
        }
    }
    EXPECT_GT(withSpans, 500u) << "the keywords should often occur";
}

}  // namespace
}  // namespace quilsk
