#include <algorithm>
#include <numeric>

#include "search/duplicate_check.h"
#include "search/result_sort.h"
#include "support/random_text.h"
#include "support/search_fixture.h"

namespace quilsk {
namespace {

using test::Sjis;

CExStringList ListOf(std::initializer_list<std::string> lines)
{
    CExStringList list;
    for (const std::string& line : lines) list.Append(line);
    return list;
}

std::vector<std::string> Items(const CExStringList& list) { return {list.begin(), list.end()}; }

TEST(DuplicateCheckTest, LaterCopiesGoWhateverTheirCase)
{
    CExStringList list = ListOf({"a\r\n", "a\r\n", "b\r\n", "a\r\n", "A\r\n", "B\r\n"});
    RemoveDuplicateLines(list, false);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"a\r\n", "b\r\n"}));

    CExStringList tagged = ListOf({"/X/A(      1) line\r\n", "/Y/B(     20) LINE\r\n", "/X/A(      2) other\r\n"});
    RemoveDuplicateLines(tagged, true);
    EXPECT_EQ(Items(tagged), (std::vector<std::string>{"/X/A(      1) line\r\n", "/X/A(      2) other\r\n"}));

    CExStringList kana = ListOf({Sjis("ア\r\n"), Sjis("ヂ\r\n"), Sjis("アA\r\n"), Sjis("アa\r\n")});
    RemoveDuplicateLines(kana, false);
    EXPECT_EQ(Items(kana), (std::vector<std::string>{Sjis("ア\r\n"), Sjis("ヂ\r\n"), Sjis("アA\r\n")}))
        << "83 41 and 83 61 are two characters; the single-byte A still folds";

    CExStringList empty;
    RemoveDuplicateLines(empty, false);
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(DuplicateCheckTest, TheTreeCountsInsertions)
{
    CStringTree tree;
    EXPECT_EQ(tree.Insert("x").count, 1u);
    EXPECT_EQ(tree.Insert("X").count, 2u);
    EXPECT_EQ(tree.Insert("y").count, 1u);
    EXPECT_EQ(tree.Insert("x").count, 3u);
}

TEST(ResultSortTest, FiveStableGroups)
{
    CExStringList list = ListOf({"plain\r\n", Sjis("●idiom\r\n"), "* ex : rei\r\n", "w : t\r\n", Sjis("■b\r\n"),
                                 Sjis("■a\r\n"), "* ex2\r\n"});
    SortByLineKind(list, false);
    EXPECT_EQ(Items(list), (std::vector<std::string>{Sjis("■b\r\n"), Sjis("■a\r\n"), Sjis("●idiom\r\n"), "* ex : rei\r\n",
                                                     "* ex2\r\n", "w : t\r\n", "plain\r\n"}));

    CExStringList tagged = ListOf({"/P(      1) x : y\r\n", "/P(      2) " + Sjis("■z\r\n")});
    SortByLineKind(tagged, true);
    EXPECT_EQ(Items(tagged), (std::vector<std::string>{"/P(      2) " + Sjis("■z\r\n"), "/P(      1) x : y\r\n"}));
}

// Random lines over the whole cp932 space, half of them after English words,
// many of them copies of earlier ones with their ASCII letters' case changed
// (second bytes in "A"-"Z" included), a few empty, with and without tags: the hash table keeps exactly the lines the counting
// tree keeps, and the counting sort gives the order of a stable sort by group.
TEST(ListOperationsTest, FastPathsGiveTheResultsOfThePlainOnes)
{
    test::CRandomText random(12);
    size_t duplicates = 0;
    for (int round = 0; round < 40; ++round) {
        const bool tagForm = random.OneIn(2);
        std::vector<std::string> lines;
        for (size_t n = 200 + random.Below(800); n > 0; --n) {
            std::string line;
            if (!lines.empty() && random.OneIn(3)) {
                line = random.Pick(lines);
                for (char& c : line)
                    if (random.OneIn(2) && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) c ^= 0x20;
                if (tagForm) line = "/D/F(" + std::to_string(random.Below(99)) + ") " + line.substr(line.find(") ") + 2);
            } else {
                line = random.Line();
                // Runs of ASCII long enough to be folded eight bytes at once.
                for (size_t words = random.OneIn(2) ? 2 + random.Below(4) : 0; words > 0; --words)
                    line = random.Pick(std::vector<std::string>{"Apple ", "the ", "STONE ", "Mountains ", "of "}) + line;
                if (random.OneIn(8)) line = random.Pick(std::vector<std::string>{"\x81\xA1", "\x81\x9C", "* "}) + line;
                if (tagForm) line = "/D/F(" + std::to_string(random.Below(99)) + ") " + line;
                line += "\r\n";
            }
            lines.push_back(!tagForm && random.OneIn(100) ? "" : line);
        }
        CExStringList list;
        for (const std::string& line : lines) list.Append(line);

        const std::vector<bool> byTree = FirstCopiesByTree(list, tagForm);
        const std::optional<std::vector<bool>> byHash = FirstCopies(list, tagForm);
        ASSERT_TRUE(byHash);
        ASSERT_EQ(*byHash, byTree) << "round " << round;
        duplicates += static_cast<size_t>(std::count(byTree.begin(), byTree.end(), false));

        std::vector<std::string> expected = lines;
        std::stable_sort(expected.begin(), expected.end(), [&](const std::string& a, const std::string& b) {
            return LineKindGroup(a, tagForm) < LineKindGroup(b, tagForm);
        });
        ASSERT_TRUE(SortByLineKind(list, tagForm));
        ASSERT_EQ(Items(list), expected) << "round " << round;
    }
    EXPECT_GT(duplicates, 2000u) << "the rounds must hold duplicates to compare";
}

// Stopped at any step, an operation leaves the list as it was; it is asked
// after every few thousand lines.
TEST(ListOperationsTest, AStopLeavesTheListAsItWas)
{
    CExStringList list;
    for (size_t i = 0; i < 3 * ListPace::kLinesPerStep; ++i) list.Append(i % 3 ? "* b\r\n" : "\x81\xA1" "a\r\n");
    const std::vector<std::string> before = Items(list);
    for (size_t stopAt : {ListPace::kLinesPerStep, 2 * ListPace::kLinesPerStep}) {
        std::vector<size_t> asked;
        const ListPace pace([&](size_t done) {
            asked.push_back(done);
            return done < stopAt;
        });
        EXPECT_FALSE(RemoveDuplicateLines(list, false, pace)) << stopAt;
        EXPECT_FALSE(SortByLineKind(list, false, pace)) << stopAt;
        EXPECT_EQ(Items(list), before) << stopAt;
        EXPECT_EQ(asked.back(), stopAt);
    }
    EXPECT_TRUE(SortByLineKind(list, false, ListPace([](size_t) { return true; })));
    EXPECT_EQ(list[0], "\x81\xA1" "a\r\n");
    EXPECT_EQ(list[ListPace::kLinesPerStep], "* b\r\n");
}

class ResultCommandsTest : public test::SearchFixture {};

TEST_F(ResultCommandsTest, SortedFlagUntilTheResultsAreDeleted)
{
    doc.Results().Append(std::string_view("x\r\n"));
    EXPECT_FALSE(doc.IsSorted());
    doc.SortResults(false);
    EXPECT_TRUE(doc.IsSorted());
    doc.DeleteResults();
    EXPECT_FALSE(doc.IsSorted());
    EXPECT_TRUE(doc.Results().IsEmpty());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ResultCommandsTest, NarrowingByWordOrGroupWithBoundaries)
{
    const auto word = [](const char* keyword, bool ignoreCase = false, MatchMode mode = MatchMode::Substring) {
        return NarrowRequest{keyword, true, false, ignoreCase, mode};
    };
    const auto group = [](const char* name) { return NarrowRequest{name, false, true, false, MatchMode::Substring}; };
    struct Case {
        const char* name;
        NarrowRequest request;
        std::vector<std::string> kept;
    } cases[] = {
        {"plain word, case respected", word("Cat"), {"Cat food\r\n"}},
        {"case ignored", word("Cat", true), {"Cat food\r\n", "a cat\r\n", "category\r\n"}},
        {"whole word", word("cat", true, MatchMode::WholeWord), {"Cat food\r\n", "a cat\r\n"}},
        {"prefix", word("cat", false, MatchMode::Prefix), {"a cat\r\n", "category\r\n"}},
        {"empty keyword keeps all", word(""), {"Cat food\r\n", "a cat\r\n", "category\r\n", "dog\r\n"}},
        {"group", group("pets"), {"a cat\r\n", "category\r\n", "dog\r\n"}},
        {"group without words", group("none"), {"Cat food\r\n", "a cat\r\n", "category\r\n", "dog\r\n"}},
        {"neither", {"cat", false, false, false, MatchMode::Substring},
         {"Cat food\r\n", "a cat\r\n", "category\r\n", "dog\r\n"}},
        {"second byte never starts an occurrence", word("@"), {}},
    };
    Set("WordGroup", "pets", "cat|dog|");
    for (const Case& c : cases) {
        doc.DeleteResults();
        for (const char* line : {"Cat food\r\n", "a cat\r\n", "category\r\n", "dog\r\n"}) doc.Results().Append(std::string_view(line));
        if (std::string(c.name).starts_with("second")) {
            doc.DeleteResults();
            doc.Results().Append(std::string_view("\x81\x40\r\n"));
        }
        doc.Narrow(c.request);
        EXPECT_EQ(Lines(), c.kept) << c.name;
    }
}

// The window's duplicate check pumps and shows how far it is; the stop request
// ends it with the list whole, and a search may start again afterwards.
TEST_F(ResultCommandsTest, LongListOperationsPumpShowProgressAndStop)
{
    for (size_t i = 0; i < 3 * ListPace::kLinesPerStep; ++i) doc.Results().Append(std::string_view(i % 2 ? "a\r\n" : "b\r\n"));
    int pumpsWhenBusy = 0;
    host.onPump = [&] {
        pumpsWhenBusy += app.busy;
        if (host.pumps == 2) app.stopRequested = true;
    };
    EXPECT_FALSE(doc.CheckDuplicates(false));
    EXPECT_EQ(doc.Results().Count(), 3 * ListPace::kLinesPerStep);
    EXPECT_EQ(pumpsWhenBusy, 2) << "no search can start from the pump";
    ASSERT_EQ(host.captions.size(), 3u);
    EXPECT_EQ(host.captions[0], "Zelkle1 <<" + Sjis("重複チェック中") + " 33%>>");
    EXPECT_EQ(host.captions[1], "Zelkle1 <<" + Sjis("重複チェック中") + " 66%>>");
    EXPECT_EQ(host.captions.back(), "Zelkle1");
    EXPECT_FALSE(app.busy);
    EXPECT_FALSE(app.stopRequested);

    host.onPump = nullptr;
    EXPECT_TRUE(doc.CheckDuplicates(false));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"b\r\n", "a\r\n"}));
    EXPECT_FALSE(doc.IsSorted());
    EXPECT_TRUE(doc.SortResults(false));
    EXPECT_TRUE(doc.IsSorted());
}

}  // namespace
}  // namespace quilsk
