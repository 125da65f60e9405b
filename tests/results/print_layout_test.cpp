#include <gtest/gtest.h>

#include <map>

#include "results/print_layout.h"
#include "settings/settings_store.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::CTempDir;

// Lines named "L0", "L1", ... with CR LF; `rows[i]` is what measuring line i gives.
struct Measured {
    CExStringList results;
    std::map<std::string, int, std::less<>> rows;
    std::map<std::string, int, std::less<>> measurements;

    explicit Measured(const std::vector<int>& lineRows)
    {
        for (size_t i = 0; i < lineRows.size(); ++i) {
            rows["L" + std::to_string(i)] = lineRows[i];
            results.Append("L" + std::to_string(i) + "\r\n");
        }
    }
    std::vector<PrintPage> LayOut(int lines, int maxPages)
    {
        PrintOptions options;
        options.lines = lines;
        options.maxPages = maxPages;
        return LayOutPrintPages(results, options, [this](std::string_view text) {
            ++measurements[std::string(text)];
            return rows.at(std::string(text));
        });
    }
};

std::vector<int> OneRowLines(size_t count) { return std::vector<int>(count, 1); }

// A page as "first line index" + "x count", with "cut" when cut.
std::string Describe(const CExStringList& results, const PrintPage& page)
{
    std::string text = std::to_string(std::distance(results.begin(), page.first)) + "x" + std::to_string(page.lineCount);
    return page.cut ? text + " cut" : text;
}

TEST(PrintLayoutTest, PagesHoldFewerRowsThanLineAndOversizeLinesGetAPageOfTheirOwn)
{
    struct Case {
        const char* name;
        std::vector<int> rows;
        int lines;
        int maxPages;
        std::vector<std::string> pages;
    } cases[] = {
        {"100 one-row lines", OneRowLines(100), 30, 10, {"0x29", "29x29", "58x29", "87x13"}},
        {"page limit 3", OneRowLines(100), 30, 3, {"0x29", "29x29", "58x29"}},
        {"exactly 29 lines", OneRowLines(29), 30, 10, {"0x29"}},
        {"wrapped lines", {10, 10, 10, 20, 9, 1}, 30, 10, {"0x2", "2x1", "3x2", "5x1"}},
        {"a line of Line - 1 rows fits", {29}, 30, 10, {"0x1"}},
        {"a line of Line rows is cut", {30}, 30, 10, {"0x1 cut"}},
        {"lines after an oversize line print as usual", {1, 40, 1, 1}, 30, 10, {"0x1", "1x1 cut", "2x2"}},
        {"two oversize lines in a row", {5, 50, 60, 5}, 30, 10, {"0x1", "1x1 cut", "2x1 cut", "3x1"}},
        {"page limit reached on an oversize line", {1, 40, 1}, 30, 2, {"0x1", "1x1 cut"}},
        {"lines without rows", {0, 0, 0}, 30, 10, {"0x3"}},
        {"empty list", {}, 30, 10, {}},
        {"nonsense Line still holds one row", {1, 1, 2}, 0, 10, {"0x1", "1x1", "2x1 cut"}},
        {"nonsense Page still prints one", OneRowLines(40), 30, 0, {"0x29"}},
    };
    for (const Case& c : cases) {
        Measured measured(c.rows);
        std::vector<std::string> pages;
        for (const PrintPage& page : measured.LayOut(c.lines, c.maxPages))
            pages.push_back(Describe(measured.results, page));
        EXPECT_EQ(pages, c.pages) << c.name;
    }
}

TEST(PrintLayoutTest, EachLineIsMeasuredOnceWithoutCrLfAndNoneAfterTheLastPage)
{
    Measured measured(OneRowLines(100));
    ASSERT_EQ(measured.LayOut(30, 3).size(), 3u);
    EXPECT_EQ(measured.measurements.size(), 88u) << "87 printed lines and the one that starts page 4";
    for (const auto& [text, count] : measured.measurements) EXPECT_EQ(count, 1) << text;
}

TEST(PrintLayoutTest, OptionsAreReadAsLeadingNumbersWithTheirDefaults)
{
    CTempDir dir;
    CSettingsStore store(dir / "quilsk.ini");
    PrintOptions options = ReadPrintOptions(store);
    EXPECT_EQ((std::vector<int>{options.lines, options.columns, options.maxPages, options.top, options.left}),
              (std::vector<int>{30, 70, 10, 0, 0}));

    ASSERT_TRUE(store.WriteStrings("printopt", {{"LINE", "25 rows"}, {"Column", "80"}, {"Page", ""},
                                                {"Top", "-5"}, {"Left", "12"}}));
    options = ReadPrintOptions(store);
    EXPECT_EQ((std::vector<int>{options.lines, options.columns, options.maxPages, options.top, options.left}),
              (std::vector<int>{25, 80, 0, -5, 12}));
}

}  // namespace
}  // namespace quilsk
