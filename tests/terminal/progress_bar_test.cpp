#include <gtest/gtest.h>

#include "terminal/progress_bar.h"
#include "platform/cp932.h"

namespace quilsk {
namespace {

TEST(ProgressBarTest, LineShowsFilesBytesTimeLeftAndTheItem)
{
    const std::string item = Cp932Literal("/dict/ZELK略語.TXT");
    struct Case {
        WorkProgress progress;
        std::string note;
        double elapsed;
        size_t width;
        std::string line;
    } cases[] = {
        {{item, 2, 10, 250'000'000, 1'000'000'000}, "12 lines", 3.0, 100,
         "[=====>              ] 3/10 files  250.0 MB / 1.00 GB  0:09 left  12 lines  ZELK略語.TXT"},
        // No size known: the bar follows the files.
        {{"EDICT.A", 5, 10, 0, 0}, "writing", 1.0, 80, "[==========>         ] 6/10 files  0:01 left  writing  EDICT.A"},
        // Nothing known: no bar, no time.
        {{"vrnindex.ini", 0, 0, 0, 0}, "replacing", 1.0, 80, "replacing  vrnindex.ini"},
        // Before any time has passed or any byte is done, no estimate.
        {{"a", 0, 3, 0, 900}, "", 0.0, 80, "[>                   ] 1/3 files  0 B / 900 B  a"},
        {{"a", 3, 3, 900, 900}, "", 2.0, 80, "[====================] 3/3 files  900 B / 900 B  a"},
        {{"a", 0, 1, 1500, 3'000}, "", 3700.0, 80, "[==========>         ] 1/1 files  1.5 kB / 3.0 kB  1:01:40 left  a"},
        // Narrow terminals: no bar below 60 columns, nothing below 20.
        {{"a", 1, 4, 0, 0}, "", 0.0, 40, "2/4 files  a"},
        {{"a", 1, 4, 0, 0}, "", 0.0, 19, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatProgressLine(c.progress, c.note, c.elapsed, c.width), c.line);
}

TEST(ProgressBarTest, LineNeverReachesTheLastColumn)
{
    const std::string item = Cp932Literal("/辞書/とても長い名前の辞書ファイル.TXT");
    for (size_t width = 20; width <= 120; ++width) {
        const std::string line = FormatProgressLine({item, 1, 30, 5'000, 90'000}, "1234 lines", 1.0, width);
        EXPECT_LT(TerminalColumns(line), width) << line;
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(line).value_or("")), line) << "cut between characters: " << line;
    }
    EXPECT_EQ(TerminalColumns("ab辞書ｱ"), 7u);
}

struct Drawing {
    std::string drawn;
    double now = 0;
    CProgressBar Bar(bool enabled)
    {
        return CProgressBar(enabled, 80, [this](std::string_view text) { drawn += text; }, [this] { return now; });
    }
};

TEST(ProgressBarTest, NothingIsDrawnWhenNotEnabled)
{
    Drawing d;
    {
        CProgressBar bar = d.Bar(false);
        EXPECT_FALSE(bar.Enabled());
        bar.Show({"a", 0, 2, 0, 10});
        d.now = 5;
        bar.Show({"b", 1, 2, 5, 10});
        bar.Clear();
    }
    EXPECT_EQ(d.drawn, "");
}

TEST(ProgressBarTest, RedrawsAreThrottledButANewFileShowsAtOnce)
{
    Drawing d;
    {
        CProgressBar bar = d.Bar(true);
        bar.Show({"a", 0, 2, 0, 0}, "1 line");
        bar.Show({"a", 0, 2, 0, 0}, "2 lines");  // same file, no time passed: not drawn
        bar.Show({"b", 1, 2, 0, 0}, "2 lines");  // the next file: drawn
        d.now = 0.2;
        bar.Show({"b", 1, 2, 0, 0}, "3 lines");  // a tenth of a second later: drawn
    }
    EXPECT_EQ(d.drawn, "\r[>                   ] 1/2 files  1 line  a\x1b[K"
                       "\r[==========>         ] 2/2 files  2 lines  b\x1b[K"
                       "\r[==========>         ] 2/2 files  0:00 left  3 lines  b\x1b[K"
                       "\r\x1b[K")
        << "the line is removed when the bar goes";
}

}  // namespace
}  // namespace quilsk
