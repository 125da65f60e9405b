#include "search/duplicate_check.h"
#include "search/result_sort.h"
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

}  // namespace
}  // namespace quilsk
