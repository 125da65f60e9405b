#include <gtest/gtest.h>

#include "results/copy_text.h"
#include "results/result_list.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

std::string LineOf(size_t bytes) { return std::string(bytes - 2, 'a') + "\r\n"; }

TEST(CopyTextTest, TakesWholeLinesWhileTheTextStaysBelowTheLimit)
{
    struct Case {
        const char* name;
        std::vector<size_t> lineBytes;
        size_t copiedLines;
    } cases[] = {
        {"empty list", {}, 0},
        {"exactly 32,766 bytes", {16383, 16383}, 2},
        {"one byte more", {16383, 16384}, 1},
        {"one line of 32,767 bytes", {32767}, 0},
        {"the walk stops at the first line that does not fit", {30000, 3000, 10}, 1},
    };
    for (const Case& c : cases) {
        CExStringList results;
        std::string expected;
        for (size_t i = 0; i < c.lineBytes.size(); ++i) {
            results.Append(LineOf(c.lineBytes[i]));
            if (i < c.copiedLines) expected += LineOf(c.lineBytes[i]);
        }
        const CopyText copy = BuildCopyText(results);
        EXPECT_EQ(copy.text, expected) << c.name;
        EXPECT_EQ(copy.linesLeftOut, c.copiedLines < c.lineBytes.size()) << c.name;
    }
}

TEST(CopyTextTest, WarningIsTheCp932OfTheJapaneseText)
{
    EXPECT_EQ(kCopyTextTooLongWarning,
              test::Sjis("32KBを越えました。クリップボード経由ではすべてのデータの転送は不可能です。"
                         "ファイル経由をご利用ください。"));
}

}  // namespace
}  // namespace quilsk
