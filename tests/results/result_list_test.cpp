#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

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

std::vector<std::string> Items(const CExStringList& list) { return {list.begin(), list.end()}; }

TEST(ExStringListTest, KeepingAndReorderingKeepTheLinesAndTheirWalk)
{
    CExStringList list;
    for (const char* s : {"1", "", "3", "4", "5"}) list.Append(std::string_view(s));
    const uint64_t appended = list.Generation();
    list.KeepOnly({true, true, true, true, true});
    EXPECT_EQ(list.Generation(), appended) << "keeping every line changes nothing";
    list.KeepOnly({false, true, false, true, true});
    EXPECT_NE(list.Generation(), appended);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"", "4", "5"}));
    list.Reorder({2, 0, 1});
    EXPECT_EQ(Items(list), (std::vector<std::string>{"5", "", "4"}));
    std::vector<std::string> backward;
    for (auto it = list.end(); it != list.begin();) backward.emplace_back(*--it);
    EXPECT_EQ(backward, (std::vector<std::string>{"4", "", "5"}));
    EXPECT_EQ(list[2], "4");
    EXPECT_EQ(list.end() - list.begin(), 3);
}

TEST(ExStringListTest, LongestLengthAfterRemovalsCountsOnlyTheLinesHeld)
{
    CExStringList list;
    list.Append(std::string_view("a very long line\r\n"));
    list.Append(std::string_view("ab\r\n"));
    list.KeepOnly({false, true});
    EXPECT_EQ(list.UpdateLongestLength(), 4);
}

// A million short lines cost their bytes and at most 24 bytes each; lines
// longer than a block, removals of most lines and clearing hold no more than
// the lines need.
TEST(ExStringListTest, HoldsTheLinesBytesAndAtMost24BytesALine)
{
    constexpr size_t kLines = 1'000'000;
    constexpr size_t kBlock = 1 << 20;
    CExStringList list;
    std::string line = "line 0000000 : gyou\r\n";
    size_t bytes = 0;
    for (size_t i = 0; i < kLines; ++i) {
        std::snprintf(line.data() + 5, 8, "%07zu", i);
        line[12] = ' ';
        list.Append(line);
        bytes += line.size();
    }
    const std::string huge(3 * kBlock, 'h');
    list.Append(huge);
    bytes += huge.size();
    EXPECT_LE(list.BytesHeld(), bytes + 24 * list.Count() + 2 * kBlock);
    EXPECT_EQ(list[999'999], "line 0999999 : gyou\r\n");
    EXPECT_EQ(list[kLines], huge);

    std::vector<bool> everyTenth(list.Count());
    for (size_t i = 0; i < kLines; i += 10) everyTenth[i] = true;
    list.KeepOnly(everyTenth);
    ASSERT_EQ(list.Count(), kLines / 10);
    EXPECT_EQ(list[99'999], "line 0999990 : gyou\r\n");
    EXPECT_LE(list.BytesHeld(), bytes / 10 + 24 * list.Count() + 2 * kBlock) << "the removed lines' bytes are given back";
    list.Clear();
    EXPECT_EQ(list.BytesHeld(), 0u);
    EXPECT_TRUE(list.IsEmpty());
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
