#include <gtest/gtest.h>

#include "results/result_line.h"
#include "results/result_list.h"

namespace quilsk {
namespace {

TEST(ExStringListTest, LongestLengthCountsCrLfAndResetsOnClear)
{
    CExStringList list;
    EXPECT_EQ(list.GetLongestLength(), -1);
    list.Append(std::string_view("ab\r\n"));
    list.Append(std::string_view("abcd\r\n"));
    EXPECT_EQ(list.UpdateLongestLength(), 6);
    list.Clear();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.GetLongestLength(), -1);
}

TEST(ExStringListTest, GetLongestLengthComputesOnlyWhenUnknown)
{
    CExStringList list;
    list.Append(std::string_view("abc\r\n"));
    EXPECT_EQ(list.GetLongestLength(), 5);
    list.Append(std::string_view("abcdefgh\r\n"));
    EXPECT_EQ(list.GetLongestLength(), 5) << "known until the next update";
    EXPECT_EQ(list.UpdateLongestLength(), 10);
}

TEST(ExStringListTest, RemovingDuringAWalkContinuesWithTheNextLine)
{
    CExStringList list;
    for (const char* s : {"1", "2", "3", "4"}) list.Append(std::string_view(s));
    auto pos = list.Remove(list.Head());
    EXPECT_EQ(*pos, "2");
    EXPECT_EQ(pos, list.Head());
    ++pos;
    pos = list.Remove(pos);
    EXPECT_EQ(*pos, "4");
    std::vector<std::string> backward;
    for (auto it = list.Tail(); it != list.End();) {
        backward.push_back(*it);
        if (it == list.Head()) break;
        --it;
    }
    EXPECT_EQ(backward, (std::vector<std::string>{"4", "2"}));
}

TEST(ExStringListTest, LongestLengthAfterRemovalsCountsOnlyTheLinesHeld)
{
    CExStringList list;
    list.Append(std::string_view("a very long line\r\n"));
    list.Append(std::string_view("ab\r\n"));
    list.Remove(list.Head());
    EXPECT_EQ(list.UpdateLongestLength(), 4);
}

TEST(ResultLineTest, TagFormNumbersTakeSevenColumnsOrMore)
{
    struct Case {
        long number;
        const char* tag;
    } cases[] = {{1, "(      1) "}, {12, "(     12) "}, {1234567, "(1234567) "}, {12345678, "(12345678) "}};
    for (const Case& c : cases)
        EXPECT_EQ(MakeTagResultLine("/D/A.TXT", c.number, "text"), std::string("/D/A.TXT") + c.tag + "text\r\n");
    EXPECT_EQ(MakePlainResultLine("text"), "text\r\n");
}

}  // namespace
}  // namespace quilsk
