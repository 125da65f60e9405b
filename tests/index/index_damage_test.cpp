#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "index/index_file_reader.h"
#include "index/index_tree.h"
#include "platform/binary_reader.h"
#include "platform/char_case.h"
#include "support/index_test_support.h"

namespace quilsk {
namespace {

using namespace test;

// "m" with a less child "b" and a greater child "x".
const std::string kWhole = kVersion4 + RecordBytes("m", {P(100)}) + kChild + RecordBytes("b", {P(1), P(2)}) +
                           kNoChild + kNoChild + kChild + RecordBytes("x", {P(3)}) + kNoChild + kNoChild;
const std::vector<WordRun> kWholeRuns{{"m", {P(100)}}, {"b", {P(1), P(2)}}, {"x", {P(3)}}};

// Loading the file and writing the tree back keeps exactly what the walk hands
// over: the loader and the walkers read damaged files alike.
void ExpectLoaderAgrees(std::string_view file, const std::vector<WordRun>& walked, bool damaged)
{
    CBinaryReader in;
    in.OpenBytes(file);
    CStringTreeIndex tree;
    ASSERT_EQ(tree.Load(in), damaged ? IndexLoad::Damaged : IndexLoad::Loaded);
    EXPECT_EQ(AllRuns(WriteToString(tree)), walked);
}

bool IsPrefixOf(const std::vector<WordRun>& part, const std::vector<WordRun>& whole)
{
    if (part.size() > whole.size()) return false;
    for (size_t i = 0; i < part.size(); ++i) {
        const bool last = i + 1 == part.size();
        if (part[i].word != whole[i].word) return false;
        if (!last && part[i].postings != whole[i].postings) return false;
        if (last && (part[i].postings.size() > whole[i].postings.size() ||
                     !std::equal(part[i].postings.begin(), part[i].postings.end(), whole[i].postings.begin())))
            return false;
    }
    return true;
}

TEST(IndexDamageTest, FileCutAnywhereYieldsWhatPrecedesTheCut)
{
    ASSERT_EQ(AllRuns(kWhole), kWholeRuns);
    for (size_t length = 1; length <= kWhole.size(); ++length) {
        SCOPED_TRACE(length);
        const std::string file = kWhole.substr(0, length);
        WalkResult result;
        const std::vector<WordRun> runs = AllRuns(file, &result);
        EXPECT_TRUE(IsPrefixOf(runs, kWholeRuns));
        const bool complete = length == 1 || length == kWhole.size();  // the version byte alone is an empty index
        EXPECT_EQ(result.damaged, !complete);
        ExpectLoaderAgrees(file, runs, !complete);
    }
}

TEST(IndexDamageTest, MalformedRecordsAreReadUpToTheDamage)
{
    const std::string m = RecordBytes("m", {P(100)});
    const std::string b = RecordBytes("b", {P(1)});
    const std::string leaf = kNoChild + kNoChild;
    struct Case {
        const char* name;
        std::string file;
        std::vector<WordRun> runs;
        bool damaged;
    } cases[] = {
        {"length byte 0 at the root", kVersion4 + std::string(1, '\0') + m + leaf, {}, true},
        {"length byte 0 in a child", kVersion4 + m + kChild + std::string(1, '\0') + b + leaf + kNoChild,
         {{"m", {P(100)}}}, true},
        {"length byte past the end of the file", kVersion4 + "\xFF" "abc", {}, true},
        {"word without its NUL: the last byte stands for it",
         kVersion4 + "\x03" "abc" + U32(1) + PostingRunBytes({P(5)}) + leaf, {{"ab", {P(5)}}}, false},
        {"NUL inside the word ends it", kVersion4 + std::string("\x04" "a\0cd", 5) + U32(0) + PostingRunBytes({}) + leaf,
         {{"a", {}}}, false},
        {"count far larger than the file", kVersion4 + std::string("\x02m\0", 3) + U32(0xFFFFFFFF) +
                                               PostingRunBytes({P(5), P(6)}) + leaf,
         {{"m", {P(5), P(6)}}}, false},
        {"more postings than the count", kVersion4 + std::string("\x02m\0", 3) + U32(1) + PostingRunBytes({P(5), P(6)}) +
                                             leaf,
         {{"m", {P(5)}}}, true},
        {"terminator missing before the child flags",
         kVersion4 + std::string("\x02m\0", 3) + U32(1) + PostingBytes(P(5)) + kChild + b + leaf + kNoChild,
         {{"m", {P(5)}}}, true},
        {"terminator missing at the end", kVersion4 + std::string("\x02m\0", 3) + U32(1) + PostingBytes(P(5)),
         {{"m", {P(5)}}}, true},
        {"posting cut short", kVersion4 + std::string("\x02m\0", 3) + U32(1) + PostingBytes(P(5)).substr(0, 6),
         {{"m", {}}}, true},
        {"child flags other than 0 mean a child follows",
         kVersion4 + m + "\x02" + b + leaf + "\xFF" + RecordBytes("x", {P(3)}) + leaf,
         {{"m", {P(100)}}, {"b", {P(1)}}, {"x", {P(3)}}}, false},
        {"less child announced, none follows", kVersion4 + m + kChild, {{"m", {P(100)}}}, true},
        {"has-greater flag missing", kVersion4 + m + kNoChild, {{"m", {P(100)}}}, true},
        {"bytes after the last record are ignored", kWhole + "garbage", kWholeRuns, false},
        {"negative offsets and file ids are handed over",
         kVersion4 + RecordBytes("m", {P(-5, -1, -1, 2), P(0x7FFFFFFE, 0, 0x7FFF, 255)}) + leaf,
         {{"m", {P(-5, -1, -1, 2), P(0x7FFFFFFE, 0, 0x7FFF, 255)}}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WalkResult result;
        EXPECT_EQ(AllRuns(c.file, &result), c.runs);
        EXPECT_EQ(result.damaged, c.damaged);
        EXPECT_EQ(result.words, c.runs.size());
        ExpectLoaderAgrees(c.file, c.runs, c.damaged);
    }
}

// A valid file of a few random words, then changed at random: bytes replaced,
// removed or inserted, the end cut off. Deterministic: the same files every run.
std::string MutatedIndexFile(std::mt19937& random)
{
    const auto pick = [&random](size_t n) { return static_cast<size_t>(random() % n); };
    const char letters[] = "abAB";
    const char likelyBytes[] = {0, 1, 2, 4, '\xFF', 'a'};
    CStringTreeIndex tree;
    for (size_t words = 1 + pick(8); words > 0; --words) {
        std::string word;
        for (size_t n = 1 + pick(3); n > 0; --n) word += letters[pick(4)];
        for (size_t n = pick(3); n > 0; --n)
            tree.Insert(word, P(static_cast<std::int32_t>(pick(4)), 1, static_cast<std::int16_t>(pick(3)), 1));
    }
    std::string file = WriteToString(tree);
    for (size_t changes = 1 + pick(3); changes > 0 && file.size() > 1; --changes) {
        const size_t at = 1 + pick(file.size() - 1);
        switch (pick(4)) {
        case 0: file[at] = pick(2) ? likelyBytes[pick(6)] : static_cast<char>(random()); break;
        case 1: file.erase(at, 1 + pick(4)); break;
        case 2: file.insert(file.begin() + static_cast<std::ptrdiff_t>(at), likelyBytes[pick(6)]); break;
        default: file.resize(at); break;
        }
    }
    return file;
}

TEST(IndexDamageTest, DamagedFilesNeverMakeTheLoaderAndTheWalkersDisagree)
{
    std::mt19937 random(20240601);
    size_t damaged = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string file = MutatedIndexFile(random);
        SCOPED_TRACE(i);
        WalkResult result;
        const std::vector<WordRun> runs = AllRuns(file, &result);
        ExpectLoaderAgrees(file, runs, result.damaged);
        damaged += result.damaged;
        if (runs.empty()) continue;
        // The first node is found by its word in any case.
        CIndexFileReader reader;
        reader.OpenBytes(file);
        CRunCollector found;
        reader.FindExact(ToUpperA(runs.front().word), found);
        ASSERT_EQ(found.runs.size(), 1u);
        EXPECT_EQ(found.runs.front(), runs.front());
    }
    EXPECT_GT(damaged, 1000u) << "the changes should damage most files";
}

}  // namespace
}  // namespace quilsk
