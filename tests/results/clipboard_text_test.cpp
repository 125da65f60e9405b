#include <gtest/gtest.h>

#include "results/clipboard_text.h"
#include "results/result_list.h"

namespace quilsk {
namespace {

TEST(ClipboardTextTest, SelectedLinesWithoutEscBytesEachEndingInLf)
{
    CExStringList results;
    // ESC is never a trail byte: every 0x1B goes, even one right after a lead byte.
    for (const char* line : {"\x1b" "apple\x1b : \x97\xD1\x8C\xE7\r\n", "plain\r\n", "\x1b\x1b\r\n", "no ending",
                             "\x8B\x1b" "x\r\n"})
        results.Append(std::string(line));
    struct Case {
        size_t first;
        size_t last;
        std::string text;
    } cases[] = {
        {0, 0, "apple : \x97\xD1\x8C\xE7\n"},
        {0, 1, "apple : \x97\xD1\x8C\xE7\nplain\n"},
        {2, 3, "\nno ending\n"},
        {4, 4, "\x8Bx\n"},
        {3, 99, "no ending\n\x8Bx\n"},  // the end of the list ends the text
        {5, 9, ""},
        {1, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClipboardText(results, c.first, c.last), c.text) << c.first << ".." << c.last;
}

TEST(ClipboardTextTest, HasNoSizeLimit)
{
    CExStringList results;
    const std::string line(98, 'w');
    for (int i = 0; i < 5000; ++i) results.Append(line + "\r\n");
    const std::string text = ClipboardText(results, 0, 4999);
    EXPECT_EQ(text.size(), 5000u * 99u);
    EXPECT_EQ(text.find('\r'), std::string::npos);
}

}  // namespace
}  // namespace quilsk
