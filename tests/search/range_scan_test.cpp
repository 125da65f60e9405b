#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_file_reader.h"
#include "search/file_scan.h"
#include "search/line_start_split.h"
#include "search/needle_finder.h"
#include "search/ordered_file_scan.h"
#include "support/random_text.h"
#include "support/test_support.h"
#include "text/keyword_match.h"

namespace quilsk {
namespace {

// A hit as the caller's thread sees it: the file, the line and its number.
struct FoundLine {
    size_t file;
    std::string line;
    long number;
    bool operator==(const FoundLine&) const = default;
};

class CRecordingSink : public CScanSink {
public:
    explicit CRecordingSink(size_t file, std::vector<FoundLine>& hits) : m_file(file), m_hits(hits) {}
    void Hit(std::string_view line, long lineNumber) override
    {
        m_hits.push_back({m_file, std::string(line), lineNumber});
    }
    bool KeepGoing() override { return true; }

private:
    size_t m_file;
    std::vector<FoundLine>& m_hits;
};

// Where the ranges may start: right after an LF, one after another, none empty,
// the last to the file's end.
void ExpectRangesCoverTheFile(const std::vector<FileRange>& ranges, const std::string& text, const std::string& what)
{
    ASSERT_FALSE(ranges.empty()) << what;
    EXPECT_EQ(ranges.front().begin, 0u) << what;
    EXPECT_EQ(ranges.back().end, kToTheEnd) << what;
    for (size_t i = 1; i < ranges.size(); ++i) {
        EXPECT_EQ(ranges[i].begin, ranges[i - 1].end) << what << ", range " << i;
        EXPECT_GT(ranges[i].begin, ranges[i - 1].begin) << what << ", range " << i;
        ASSERT_LT(ranges[i].begin, text.size()) << what << ", range " << i;
        EXPECT_EQ(text[ranges[i].begin - 1], '\n') << what << ", range " << i;
    }
}

// The hits of the line-by-line scan of each file, one after the other.
std::vector<FoundLine> ScannedLineByLine(const std::vector<std::filesystem::path>& files, const LineRules& rules)
{
    std::vector<FoundLine> hits;
    for (size_t f = 0; f < files.size(); ++f) {
        CRecordingSink sink(f, hits);
        CTextFileReader reader;
        if (reader.Open(files[f])) ScanLineByLine(reader, rules, sink);
    }
    return hits;
}

// Each file cut into the ranges given, scanned on three threads; a hit only
// counted is recorded without its line, numbered 0.
std::vector<FoundLine> ScannedInRanges(const std::vector<std::filesystem::path>& files,
                                       const std::vector<std::vector<FileRange>>& split, const LineRules& rules,
                                       const CNeedleFinder& finder, size_t block, bool holdLines)
{
    std::vector<FileRange> ranges;
    OrderedScanSteps steps;
    for (size_t f = 0; f < files.size(); ++f)
        for (const FileRange& range : split[f]) {
            ranges.push_back(range);
            steps.parts.push_back({f, range.end == kToTheEnd ? 0 : range.end - range.begin});
        }
    std::vector<FoundLine> hits;
    steps.holdLines = holdLines;
    steps.scanPart = [&](size_t i, CScanSink& sink) {
        return ScanBlocks(files[steps.parts[i].file], rules, finder, true, sink, ranges[i], block);
    };
    steps.fileStarted = [](size_t) {};
    steps.hit = [&](size_t f, std::string_view line, long number) {
        hits.push_back({f, holdLines ? std::string(line) : "", number});
        return true;
    };
    steps.fileFinished = [](size_t) { return true; };
    steps.keepWaiting = [] { return true; };
    ScanFilesInOrder(3, steps);
    return hits;
}

// Two random dictionaries over the whole character space, each cut into ranges
// of any size and scanned on several threads at once, in blocks small enough
// that lines cross their edges or do not fit: the hits and their numbers are
// those of the line-by-line scan of the whole files, one file after the other,
// also where the byte 0x1A ends a file's text before its last range, and where
// a file grew or shrank after it was cut (those of what it holds then).
TEST(RangeScanTest, RangesScannedAtOnceGiveTheHitsAndNumbersOfTheWholeFiles)
{
    test::CRandomText random(23);
    test::CTempDir dir;
    const std::vector<std::filesystem::path> files = {dir / "a.txt", dir / "b.txt"};
    int textEndedBeforeALaterRange = 0;
    int longLinesCut = 0;
    int compared = 0;
    for (int round = 0; round < 30; ++round) {
        std::vector<std::string> texts;
        std::vector<std::string> allLines;
        for (const auto& file : files) {
            std::string text = random.Dictionary(20 + random.Below(120));
            if (round % 5 == 0) text.insert(random.Below(text.size() + 1), "\x1a");
            test::WriteBytes(file, text);
            for (std::string& line : test::LinesOf(text)) allLines.push_back(std::move(line));
            texts.push_back(std::move(text));
        }
        std::vector<std::string> primary;
        for (size_t n = 1 + random.Below(3); n > 0; --n) primary.push_back(random.Keyword(allLines));
        const std::vector<std::string> secondary;
        LineRules rules;
        rules.ignoreCase = random.OneIn(2);
        if (rules.ignoreCase)
            for (std::string& word : primary) FoldKeyword(word);
        rules.hit = {&primary, &secondary, static_cast<MatchMode>(random.Below(4)), MatchMode::Substring,
                     Combination::Or};
        rules.skipExamples = random.OneIn(3);
        const CNeedleFinder finder(primary, rules.ignoreCase);
        const std::vector<FoundLine> reference = ScannedLineByLine(files, rules);
        std::vector<FoundLine> counted;
        for (const FoundLine& hit : reference) counted.push_back({hit.file, "", 0});

        std::vector<std::vector<FileRange>> split(files.size());
        for (const std::uint64_t rangeBytes : {std::uint64_t{1}, std::uint64_t{61}, std::uint64_t{900},
                                               std::uint64_t{texts[0].size() / 3 + 1}}) {
            const std::string what = "round " + std::to_string(round) + ", ranges of " + std::to_string(rangeBytes);
            for (size_t f = 0; f < files.size(); ++f) {
                split[f] = SplitAtLineStarts(files[f], texts[f].size(), rangeBytes);
                ExpectRangesCoverTheFile(split[f], texts[f], what);
                const size_t eof = texts[f].find('\x1a');
                for (const FileRange& range : split[f]) {
                    textEndedBeforeALaterRange += range.begin > eof && eof != std::string::npos;
                    longLinesCut += range.end != kToTheEnd && range.end - range.begin > kMaxLineRead;
                }
            }
            for (const size_t block : {size_t{97}, size_t{4096 + 7}}) {
                ASSERT_EQ(ScannedInRanges(files, split, rules, finder, block, true), reference)
                    << what << ", block " << block;
                EXPECT_EQ(ScannedInRanges(files, split, rules, finder, block, false), counted)
                    << what << ", block " << block << ", counting";
                ++compared;
            }
        }

        const bool grown = round % 2 == 0;
        test::WriteBytes(files[0], grown ? texts[0] + random.Dictionary(10)
                                         : texts[0].substr(0, random.Below(texts[0].size() + 1)));
        EXPECT_EQ(ScannedInRanges(files, split, rules, finder, 97, true), ScannedLineByLine(files, rules))
            << "round " << round << (grown ? ", the first file grew" : ", the first file shrank");
    }
    EXPECT_EQ(compared, 240);
    EXPECT_GT(textEndedBeforeALaterRange, 10) << "0x1A must end a text before a later range";
    EXPECT_GT(longLinesCut, 3) << "lines longer than a read must fall in split files";
}

// A file too small to cut, a file without a line feed and one whose only line
// feeds lie near its start stay in as few ranges as their lines allow.
TEST(RangeScanTest, AFileIsCutOnlyWhereALineStarts)
{
    test::CTempDir dir;
    const auto file = dir / "dict.txt";
    struct Case {
        std::string text;
        std::uint64_t rangeBytes;
        std::vector<std::uint64_t> begins;
    } cases[] = {
        {"abc\r\ndef\r\n", 10, {0}},
        {std::string(100, 'x'), 10, {0}},
        {"a\nb\n" + std::string(100, 'x'), 10, {0}},
        {std::string(30, 'x') + "\n" + std::string(69, 'y'), 10, {0, 31}},
        {"aaaa\nbbbb\ncccc\ndddd\n", 5, {0, 5, 10, 15}},
        {"aaaa\nbbbb\ncccc\ndddd\n", 0, {0}},
    };
    for (const Case& c : cases) {
        test::WriteBytes(file, c.text);
        const std::vector<FileRange> ranges = SplitAtLineStarts(file, c.text.size(), c.rangeBytes);
        std::vector<std::uint64_t> begins;
        for (const FileRange& range : ranges) begins.push_back(range.begin);
        EXPECT_EQ(begins, c.begins) << c.text;
        ExpectRangesCoverTheFile(ranges, c.text, c.text);
    }
    EXPECT_EQ(SplitAtLineStarts(dir / "missing.txt", 100, 10).size(), 1u);
}

}  // namespace
}  // namespace quilsk
