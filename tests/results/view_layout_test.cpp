#include <gtest/gtest.h>

#include <string>

#include "results/result_list.h"
#include "results/view_layout.h"

namespace quilsk {
namespace {

TEST(ViewLayoutTest, GapIsAThirteenthOfTheCellHeightPlusOne)
{
    struct Case {
        int cell, gap, pitch;
    } cases[] = {{16, 2, 18}, {12, 1, 13}, {13, 2, 15}, {26, 3, 29}};
    for (const Case& c : cases) {
        EXPECT_EQ(MetricsForCellHeight(c.cell).lineGap, c.gap) << c.cell;
        EXPECT_EQ(MetricsForCellHeight(c.cell).LinePitch(), c.pitch) << c.cell;
    }
}

TEST(ViewLayoutTest, OneRowModePlacesEveryLineOfALongList)
{
    CExStringList lines;
    for (int i = 0; i < 50000; ++i) lines.Append(std::string_view("line\r\n"));
    CViewLayout layout;
    layout.Update(lines, MetricsForCellHeight(16), false, 70);
    EXPECT_EQ(layout.Height(), 1 + 50000 * 18) << "no 16-bit cap";
    EXPECT_EQ(layout.Top(49999), 1 + 49999 * 18);
    EXPECT_EQ(layout.LineAt(layout.Top(49999)), 49999u);
    EXPECT_EQ(layout.LineAt(layout.Top(49999) + 17), 49999u) << "the gap belongs to its line";
    EXPECT_EQ(layout.LineAt(layout.Height()), 50000u);
    EXPECT_EQ(layout.LineAt(0), 0u);
}

TEST(ViewLayoutTest, WrappingModeCountsWrappedRowsAndTheGapOnce)
{
    CExStringList lines;
    lines.Append(std::string(70, 'a') + "\r\n");  // one row
    lines.Append(std::string(71, 'b') + "\r\n");  // two rows
    lines.Append(std::string(141, 'c') + "\r\n"); // three rows
    lines.Append(std::string_view("d\r\n"));
    CViewLayout layout;
    layout.Update(lines, MetricsForCellHeight(16), true, 70);
    EXPECT_EQ(layout.Top(0), 1);
    EXPECT_EQ(layout.Top(1), 1 + 18);
    EXPECT_EQ(layout.Top(2), 1 + 18 + 2 * 16 + 2);
    EXPECT_EQ(layout.Top(3), 1 + 18 + 34 + 3 * 16 + 2);
    EXPECT_EQ(layout.Height(), layout.Top(3) + 18);
    EXPECT_EQ(layout.LineAt(layout.Top(2) + 40), 2u);
    EXPECT_EQ(layout.LineAt(layout.Top(3)), 3u);
}

TEST(ViewLayoutTest, FollowsAppendsAndNoticesEveryOtherChange)
{
    CExStringList lines;
    CViewLayout layout;
    const LineMetrics metrics = MetricsForCellHeight(16);
    auto appendWide = [&] { lines.Append(std::string(100, 'w') + "\r\n"); };
    appendWide();
    layout.Update(lines, metrics, true, 70);
    EXPECT_EQ(layout.Height(), 1 + 34);

    appendWide();
    layout.Update(lines, metrics, true, 70);
    EXPECT_EQ(layout.Height(), 1 + 2 * 34) << "an appended line is measured";

    lines.Clear();
    lines.Append(std::string_view("x\r\n"));
    lines.Append(std::string_view("y\r\n"));
    lines.Append(std::string_view("z\r\n"));
    layout.Update(lines, metrics, true, 70);
    EXPECT_EQ(layout.Height(), 1 + 3 * 18) << "cleared and refilled past the old count";

    lines.KeepOnly({false, true, true});
    appendWide();
    layout.Update(lines, metrics, true, 70);
    EXPECT_EQ(layout.Height(), 1 + 2 * 18 + 34) << "a removal is noticed even when the count is back";

    layout.Update(lines, metrics, true, 200);
    EXPECT_EQ(layout.Height(), 1 + 3 * 18) << "a wider wrap is measured afresh";
    layout.Update(lines, MetricsForCellHeight(12), false, 200);
    EXPECT_EQ(layout.Height(), 1 + 3 * 13);
}

TEST(ViewLayoutTest, EmptyListHasNoHeight)
{
    CExStringList lines;
    CViewLayout layout;
    for (bool wrapped : {false, true}) {
        layout.Update(lines, MetricsForCellHeight(16), wrapped, 70);
        EXPECT_EQ(layout.Height(), 0);
        EXPECT_EQ(layout.LineAt(5), 0u);
    }
}

}  // namespace
}  // namespace quilsk
