#include <gtest/gtest.h>

#include <cstdio>

#include "index/index_file_reader.h"
#include "index/index_tree.h"
#include "platform/binary_reader.h"
#include "support/index_test_support.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using namespace test;

// Pre-order (file order) of this tree: mango, apple, App, ap, apricot, Apply, zebra.
CStringTreeIndex FruitTree()
{
    CStringTreeIndex tree;
    tree.Insert("mango", P(10));
    tree.Insert("apple", P(20));
    tree.Insert("zebra", P(30));
    tree.Insert("App", P(40));
    tree.Insert("apricot", P(50));
    tree.Insert("Apply", P(60));
    tree.Insert("APPLE", P(70, 2, 1, 2));
    tree.Insert("ap", P(80));
    return tree;
}

std::vector<std::string> Words(const std::vector<WordRun>& runs)
{
    std::vector<std::string> words;
    for (const WordRun& run : runs) words.push_back(run.word);
    return words;
}

TEST(IndexWalkTest, WalksCompareWithoutRegardToAsciiCase)
{
    const std::string file = WriteToString(FruitTree());
    struct Case {
        std::string key;
        bool wholeWord;
        std::vector<std::string> words;
    } cases[] = {
        {"apple", true, {"apple"}},
        {"APPLE", true, {"apple"}},
        {"app", true, {"App"}},
        {"apricots", true, {}},
        {"ap", true, {"ap"}},
        {"app", false, {"apple", "App", "Apply"}},
        {"APP", false, {"apple", "App", "Apply"}},
        {"ap", false, {"apple", "App", "ap", "apricot", "Apply"}},
        {"apples", false, {}},
        {"", false, {"mango", "apple", "App", "ap", "apricot", "Apply", "zebra"}},
    };
    for (const Case& c : cases) {
        CIndexFileReader reader;
        reader.OpenBytes(file);
        CRunCollector sink;
        const WalkResult result = c.wholeWord ? reader.FindExact(c.key, sink) : reader.VisitPrefix(c.key, sink);
        EXPECT_EQ(Words(sink.runs), c.words) << c.key << (c.wholeWord ? " whole" : " prefix");
        EXPECT_EQ(result.words, c.words.size()) << c.key;
        EXPECT_FALSE(result.damaged) << c.key;
    }
}

TEST(IndexWalkTest, StoredFileIsWalkedFromDiskAsOftenAsAsked)
{
    const CTempDir dir;
    ASSERT_EQ(FruitTree().Store(dir / "$$TMP$$.a").Reason(), "");
    CIndexFileReader reader;
    ASSERT_TRUE(reader.OpenCp932(dir.Path().string() + "/$$tmp$$.A")) << "opened as on a case-insensitive file system";
    EXPECT_EQ(reader.Version(), 4);
    for (int round = 0; round < 2; ++round) {
        CRunCollector sink;
        EXPECT_EQ(reader.FindExact("Apple", sink).words, 1u);
        const std::vector<WordRun> expected{{"apple", {P(20), P(70, 2, 1, 2)}}};
        EXPECT_EQ(sink.runs, expected) << "round " << round;
    }
    CIndexFileReader missing;
    EXPECT_FALSE(missing.Open(dir / "$$TMP$$.b"));
}

TEST(IndexWalkTest, OtherVersionsAreReportedAndYieldNothing)
{
    const std::string records = RecordBytes("a", {P(1)}) + kNoChild + kNoChild;
    struct Case {
        std::string file;
        int version;
    } cases[] = {{"\x03" + records, 3}, {"\x05" + records, 5}, {"", -1}, {std::string(1, '\0') + records, 0}};
    for (const Case& c : cases) {
        CIndexFileReader reader;
        reader.OpenBytes(c.file);
        EXPECT_EQ(reader.Version(), c.version);
        EXPECT_FALSE(reader.HasSupportedVersion());
        CRunCollector sink;
        EXPECT_EQ(reader.FindExact("a", sink).words, 0u);
        EXPECT_EQ(reader.VisitPrefix("", sink).words, 0u);
        EXPECT_TRUE(sink.runs.empty());

        CStringTreeIndex tree;
        tree.Insert("kept", P(1));
        CBinaryReader in;
        in.OpenBytes(c.file);
        EXPECT_EQ(tree.Load(in), IndexLoad::UnsupportedVersion);
        ASSERT_NE(tree.Root(), nullptr);
        EXPECT_EQ(tree.Root()->word, "kept") << "the tree is left as it was";
    }
}

TEST(IndexWalkTest, PumpRunsDuringLongWalks)
{
    CStringTreeIndex tree;
    for (int i = 0; i < 20000; ++i) tree.Insert("w" + std::to_string(i), P(i));
    const std::string file = WriteToString(tree);
    CIndexFileReader reader;
    reader.OpenBytes(file);
    int pumps = 0;
    reader.SetPump([&pumps] { ++pumps; });
    CRunCollector sink;
    EXPECT_EQ(reader.VisitPrefix("w1", sink).words, 11111u);
    EXPECT_GT(pumps, 0);
}

// A chain of `depth` nodes, every node the only child of the one before: along
// the less links (each node's has-greater flag waits until the bottom is read)
// or along the greater links (the shape a sorted dictionary inserted in order
// gives). Words are "w" and seven digits; only the deepest node has a posting.
std::string ChainFile(size_t depth, bool alongLess)
{
    const std::string emptyRecord = RecordBytes("w0000000", {});
    std::string file = kVersion4;
    file.reserve(depth * (emptyRecord.size() + 2) + 16);
    for (size_t i = 0; i < depth; ++i) {
        const bool last = i + 1 == depth;
        const size_t at = file.size();
        file += last ? RecordBytes("w0000000", {P(static_cast<std::int32_t>(i))}) : emptyRecord;
        std::snprintf(&file[at + 1], 9, "w%07zu", alongLess ? depth - 1 - i : i);  // its NUL lands on the word's
        if (alongLess) {
            file += last ? std::string(2, '\0') : kChild;
        } else {
            file += kNoChild + (last ? kNoChild : kChild);
        }
    }
    if (alongLess) file.append(depth - 1, '\0');
    return file;
}

class CWordCounter : public CPostingSink {
public:
    void BeginWord(std::string_view, size_t) override { ++words; }
    void Add(const IndexPosting&) override { ++postings; }

    size_t words = 0;
    size_t postings = 0;
};

constexpr size_t kChainDepth = 1000000;

TEST(IndexWalkTest, MillionDeepChainsAreWalkedWithoutRecursion)
{
    for (const bool alongLess : {true, false}) {
        SCOPED_TRACE(alongLess ? "less chain" : "greater chain");
        const std::string file = ChainFile(kChainDepth, alongLess);
        CIndexFileReader reader;
        reader.OpenBytes(file);
        const std::string deepest = alongLess ? "w0000000" : "w0999999";
        CRunCollector found;
        EXPECT_FALSE(reader.FindExact(deepest, found).damaged);
        const std::vector<WordRun> expected{{deepest, {P(kChainDepth - 1)}}};
        EXPECT_EQ(found.runs, expected);

        CWordCounter all;
        EXPECT_FALSE(reader.VisitPrefix("W", all).damaged);
        EXPECT_EQ(all.words, kChainDepth);
        EXPECT_EQ(all.postings, 1u);
    }
}

// The less chain is the one that needs the deepest stack while reading and writing.
TEST(IndexWalkTest, MillionDeepChainIsLoadedAndWrittenBackWithoutRecursion)
{
    const CTempDir dir;
    const auto path = dir / "chain";
    const std::string file = ChainFile(kChainDepth, true);
    WriteBytes(path, file);
    {
        CBinaryReader in;
        ASSERT_TRUE(in.Open(path));
        CStringTreeIndex tree;
        ASSERT_EQ(tree.Load(in), IndexLoad::Loaded);
        ASSERT_EQ(tree.Store(path).Reason(), "");
    }
    EXPECT_TRUE(ReadBytes(path) == file) << "the chain is written back byte for byte";
}

}  // namespace
}  // namespace quilsk
