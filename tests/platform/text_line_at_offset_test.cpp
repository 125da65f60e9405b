#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/regular_file.h"
#include "platform/text_file_reader.h"
#include "platform/text_line_at_offset.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using namespace test;

// Lines of every length up to well past the reader's chunk, with CR bytes
// alone and in runs (each is dropped, so a line may take more bytes than it
// yields), Shift-JIS bytes and, now and then, the end-of-text byte 0x1A.
std::string LinesOfEveryLength(std::mt19937& random, size_t lines)
{
    static const char kBytes[] = {'a', 'b', ' ', '\r', '\x82', '\xA0', '\x5C', '\x0A'};
    std::string text;
    for (size_t n = 0; n < lines; ++n) {
        const size_t length = n % 7 == 0 ? random() % 20000 : random() % 100;
        const unsigned crShare = n % 5 == 0 ? 2 : 40;  // some lines mostly CR
        for (size_t i = 0; i < length; ++i)
            text += random() % crShare == 0 ? '\r' : kBytes[random() % (sizeof kBytes - 1)];
        if (random() % 97 == 0) text += '\x1A';
        text += n % 3 == 0 ? "\r\n" : "\n";
    }
    return text;
}

// A line read at an offset is what text mode reads from there over the whole
// file in memory, whatever the line's length, its CR bytes and the limit.
TEST(TextLineAtOffsetTest, ReadsWhatTextModeReadsFromTheOffset)
{
    CTempDir dir;
    std::mt19937 random(20261209);
    const std::string text = LinesOfEveryLength(random, 400);
    WriteBytes(dir / "dict.txt", text);
    const CRegularFile file(dir / "dict.txt");
    ASSERT_TRUE(file.IsOpen());
    CTextLineAtOffsetReader reader;
    std::string got(30000, '\0');
    std::string expected(30000, '\0');
    for (int n = 0; n < 4000; ++n) {
        // Line starts mostly, as postings give them; any byte and the end too.
        size_t offset = random() % (text.size() + 2);
        if (n % 2 == 0) {
            const size_t lf = text.rfind('\n', offset);
            offset = lf == std::string::npos ? 0 : lf + 1;
        }
        const size_t limits[] = {1, 2, 100, 1023, 1024, 1025, 6117, 8192, 30000};
        const size_t maxBytes = limits[random() % std::size(limits)];
        const size_t copied = reader.Read(file.Fd(), offset, got.data(), maxBytes);
        size_t want = 0;
        if (offset < text.size()) {
            const char* next = text.data() + offset;
            want = TakeTextRead(next, text.data() + text.size(), expected.data(), maxBytes);
        }
        ASSERT_EQ(got.substr(0, copied), expected.substr(0, want)) << "offset " << offset << ", limit " << maxBytes;
    }
}

}  // namespace
}  // namespace quilsk
