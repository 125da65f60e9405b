#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/line_wrap.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::Sjis;

std::vector<std::string> Rows(const std::string& text, size_t columns)
{
    std::vector<std::string> rows;
    for (const WrapRow& row : WrapRows(text, columns)) rows.push_back(text.substr(row.begin, row.end - row.begin));
    EXPECT_EQ(CountWrapRows(text, columns), rows.size()) << text;
    return rows;
}

TEST(LineWrapTest, ARowHoldsAtMostTheColumnsAndBreaksAtGoodPlaces)
{
    struct Case {
        const char* name;
        std::string text;
        size_t columns;
        std::vector<std::string> rows;
    } cases[] = {
        {"exactly the width", std::string(70, 'x'), 70, {std::string(70, 'x')}},
        {"one byte over", std::string(71, 'x'), 70, {std::string(70, 'x'), "x"}},
        {"empty", "", 70, {""}},
        {"after a blank", "apple pie", 7, {"apple", "pie"}},
        {"blank run dropped", "ab   cd ef", 4, {"ab", "cd", "ef"}},
        {"blank right at the end", "abcd efgh", 4, {"abcd", "efgh"}},
        {"indent kept", "  ab cd", 5, {"  ab", "cd"}},
        {"beside full-width", Sjis("abりんご"), 5, {Sjis("abり"), Sjis("んご")}},
        {"never inside a character", Sjis("aりんご"), 4, {Sjis("aり"), Sjis("んご")}},
        {"full-width wider than a row", Sjis("りa"), 1, {Sjis("り"), "a"}},
        {"full-width then word", Sjis("り") + "apple", 5, {Sjis("り"), "apple"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Rows(c.text, c.columns), c.rows) << c.name;
}

TEST(LineWrapTest, EveryByteOutsideTheBreaksIsShownOnce)
{
    const std::string text = Sjis("apple : りんご、リンゴの木 the apple of one's eye 目に入れても痛くないもの");
    for (size_t columns = 1; columns < 30; ++columns) {
        std::string joined;
        for (const WrapRow& row : WrapRows(text, columns)) {
            ASSERT_LE(row.end - row.begin, std::max<size_t>(columns, 2)) << columns;
            joined += text.substr(row.begin, row.end - row.begin);
        }
        std::string withoutBlanks = text;
        std::erase(withoutBlanks, ' ');
        std::erase(joined, ' ');
        EXPECT_EQ(joined, withoutBlanks) << columns;
    }
}

}  // namespace
}  // namespace quilsk
