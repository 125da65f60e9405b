#include <gtest/gtest.h>

#include "results/ex_string_list.h"

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

}  // namespace
}  // namespace quilsk
