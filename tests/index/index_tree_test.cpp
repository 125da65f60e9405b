#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "index/index_tree.h"
#include "index/index_word_collector.h"
#include "index/word_postings.h"
#include "platform/binary_reader.h"
#include "support/index_test_support.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using namespace test;

// The words of a tree in tree order, with their postings.
std::vector<WordRun> InOrder(const CStringTreeIndex& tree)
{
    std::vector<WordRun> runs;
    std::vector<const CINode*> stack;
    const CINode* node = tree.Root();
    while (node || !stack.empty()) {
        for (; node; node = node->less.get()) stack.push_back(node);
        node = stack.back();
        stack.pop_back();
        WordRun run{node->word, {}};
        for (size_t i = 0; i < node->postings.Count(); ++i) run.postings.push_back(node->postings.At(i));
        runs.push_back(std::move(run));
        node = node->greater.get();
    }
    return runs;
}

size_t Depth(const CStringTreeIndex& tree)
{
    size_t deepest = 0;
    std::vector<std::pair<const CINode*, size_t>> stack;
    if (tree.Root()) stack.push_back({tree.Root(), 1});
    while (!stack.empty()) {
        const auto [node, depth] = stack.back();
        stack.pop_back();
        deepest = std::max(deepest, depth);
        if (node->less) stack.push_back({node->less.get(), depth + 1});
        if (node->greater) stack.push_back({node->greater.get(), depth + 1});
    }
    return deepest;
}

TEST(COffsetTest, CapacityGrowsByExactlyTwentyFive)
{
    struct Case {
        size_t initial;
        size_t adds;
        size_t capacity;
    } cases[] = {{25, 25, 25}, {25, 26, 50}, {25, 51, 75}, {0, 0, 0}, {0, 1, 25}, {3, 4, 28}};
    for (const Case& c : cases) {
        COffset postings(c.initial);
        for (size_t i = 0; i < c.adds; ++i) postings.Add(P(static_cast<std::int32_t>(i * 10), static_cast<int>(i)));
        EXPECT_EQ(postings.Capacity(), c.capacity) << c.initial << " + " << c.adds;
        ASSERT_EQ(postings.Count(), c.adds);
        for (size_t i = 0; i < c.adds; ++i) EXPECT_EQ(postings.At(i), P(static_cast<std::int32_t>(i * 10), static_cast<int>(i)));
    }
}

TEST(CStringTreeIndexTest, InsertMergesCaseVariantsAndDropsARepeatedLine)
{
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::int32_t>> inserts;  // word, offset
        std::vector<WordRun> expected;                                 // in tree order
    } cases[] = {
        {"lower case first keeps its spelling", {{"london", 10}, {"London", 20}},
         {{"london", {P(10), P(20)}}}},
        {"capitalised first keeps its spelling", {{"London", 10}, {"LONDON", 20}, {"london", 30}},
         {{"London", {P(10), P(20), P(30)}}}},
        {"same line twice in a row", {{"cat", 5}, {"Cat", 5}, {"cat", 5}}, {{"cat", {P(5)}}}},
        {"same line again after another", {{"cat", 5}, {"cat", 9}, {"cat", 5}}, {{"cat", {P(5), P(9), P(5)}}}},
        {"order folds letters only", {{"b", 1}, {"_", 2}, {"B_", 3}, {"a", 4}},
         {{"_", {P(2)}}, {"a", {P(4)}}, {"b", {P(1)}}, {"B_", {P(3)}}}},
        {"second bytes never fold", {{Sjis("ヂ"), 1}, {Sjis("ア"), 2}, {Sjis("ヂ") + "A", 3}, {Sjis("ヂ") + "a", 4}},
         {{Sjis("ア"), {P(2)}}, {Sjis("ヂ"), {P(1)}}, {Sjis("ヂ") + "A", {P(3), P(4)}}}},
    };
    for (const Case& c : cases) {
        CStringTreeIndex tree;
        CIndexWordCollector collector;
        for (const auto& [word, offset] : c.inserts) {
            EXPECT_TRUE(tree.Insert(word, P(offset))) << c.name;
            EXPECT_TRUE(collector.Add(word, P(offset))) << c.name;
        }
        EXPECT_EQ(InOrder(tree), c.expected) << c.name;
        EXPECT_EQ(InOrder(collector.TakeBalancedTree()), c.expected) << c.name << ", balanced";
    }
}

TEST(CStringTreeIndexTest, RefusesWordsTheFileCannotHold)
{
    CStringTreeIndex tree;
    EXPECT_FALSE(tree.Insert(std::string(255, 'a'), P(0)));
    EXPECT_FALSE(tree.Insert(std::string("a\0b", 3), P(0)));
    EXPECT_TRUE(tree.IsEmpty());
    ASSERT_TRUE(tree.Insert(std::string(254, 'a'), P(0)));
    EXPECT_EQ(WriteToString(tree).substr(0, 2), "\x04\xFF") << "length byte 254 + 1";

    CIndexWordCollector words;
    EXPECT_FALSE(words.Add(std::string(255, 'a'), P(0)));
    EXPECT_FALSE(words.Add(std::string("a\0b", 3), P(0)));
    EXPECT_EQ(words.WordCount(), 0u);
}

TEST(CStringTreeIndexTest, WritesTheLayoutByteForByte)
{
    CStringTreeIndex tree;
    tree.Insert("m", P(100, 7, 2, 1));
    tree.Insert("b", P(0, 1, 0, 2));
    tree.Insert("x", P(0x7FFFFFFF, 0x12345678, -2, 255));
    tree.Insert("ab", P(40, 3, 258, 1));
    tree.Insert("b", P(60, 5, 0, 1));
    const std::string expected = kVersion4 + RecordBytes("m", {P(100, 7, 2, 1)}) + kChild +
                                 RecordBytes("b", {P(0, 1, 0, 2), P(60, 5, 0, 1)}) + kChild +
                                 RecordBytes("ab", {P(40, 3, 258, 1)}) + kNoChild + kNoChild + kNoChild + kChild +
                                 RecordBytes("x", {P(0x7FFFFFFF, 0x12345678, -2, 255)}) + kNoChild + kNoChild;
    EXPECT_EQ(WriteToString(tree), expected);
    EXPECT_EQ(expected.substr(1, 3), std::string("\x02m\0", 3)) << "a one-character word has length byte 2";
    EXPECT_EQ(WriteToString(CStringTreeIndex()), kVersion4) << "an empty tree";
}

TEST(CStringTreeIndexTest, StoreThenLoadGivesTheSameTreeAndBytes)
{
    const CTempDir dir;
    CStringTreeIndex tree;
    const char* words[] = {"kiwi", "Apple", "zebra", "apple", "banana", "Kiwi", "cherry", "a", "z", "mango"};
    for (int i = 0; i < 200; ++i) {
        const std::string word = words[(i * 7) % 10];
        tree.Insert(word, P(i * 31, i, static_cast<std::int16_t>(i % 5 - 1), static_cast<std::uint8_t>(1 + i % 2)));
    }
    const auto path = dir / "$$TMP$$.k";
    WriteBytes(path, "old content");
    ASSERT_EQ(tree.Store(path).Reason(), "");

    CBinaryReader in;
    ASSERT_TRUE(in.Open(path));
    CStringTreeIndex loaded;
    ASSERT_EQ(loaded.Load(in), IndexLoad::Loaded);
    EXPECT_EQ(InOrder(loaded), InOrder(tree));
    EXPECT_EQ(WriteToString(loaded), ReadBytes(path));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "no temporary file left";
}

TEST(CStringTreeIndexTest, ZeroPostingNodeLoadsAndWritesBack)
{
    const std::string file = kVersion4 + RecordBytes("empty", {}) + kNoChild + kChild + RecordBytes("full", {P(3)}) +
                             kNoChild + kNoChild;
    ASSERT_EQ(file.substr(8, 8), U32(0) + U32(0xFFFFFFFF)) << "count 0, then the terminator";
    CBinaryReader in;
    in.OpenBytes(file);
    CStringTreeIndex tree;
    ASSERT_EQ(tree.Load(in), IndexLoad::Loaded);
    ASSERT_NE(tree.Root(), nullptr);
    EXPECT_EQ(tree.Root()->postings.Count(), 0u);
    EXPECT_EQ(WriteToString(tree), file);
}

TEST(CIndexWordCollectorTest, BalancedTreeHoldsWhatInsertionWouldInTheSameOrder)
{
    // Sorted like a dictionary, with case variants and repeated lines.
    std::vector<std::pair<std::string, std::int32_t>> tokens;
    for (int i = 0; i < 3000; ++i) {
        std::string word = "w" + std::to_string(100000 + i / 3);
        if (i % 3 == 1) word[0] = 'W';
        tokens.push_back({word, (i % 3 == 2) ? (i - 1) * 10 : i * 10});
        if (i % 250 == 0) tokens.push_back({"Zeta", i});
    }
    CStringTreeIndex inserted;
    CIndexWordCollector collected;
    for (const auto& [word, offset] : tokens) {
        inserted.Insert(word, P(offset));
        collected.Add(word, P(offset));
    }
    EXPECT_EQ(collected.WordCount(), 1001u);
    const CStringTreeIndex balanced = collected.TakeBalancedTree();
    EXPECT_EQ(collected.WordCount(), 0u);

    EXPECT_EQ(InOrder(balanced), InOrder(inserted));
    EXPECT_EQ(Depth(inserted), 1001u) << "sorted input makes a chain";
    EXPECT_EQ(Depth(balanced), 10u) << "1001 words fit in 10 levels";

    // The file of the balanced tree is a tree the insertion order would give too.
    CStringTreeIndex replayed;
    for (const WordRun& run : AllRuns(WriteToString(balanced)))
        for (const IndexPosting& p : run.postings) replayed.Insert(run.word, p);
    EXPECT_EQ(WriteToString(replayed), WriteToString(balanced));
}

}  // namespace
}  // namespace quilsk
