#include "platform/char_case.h"
#include "support/search_fixture.h"

namespace quilsk {
namespace {

using test::Sjis;

class DictionaryScanTest : public test::SearchFixture {
protected:
    std::vector<std::string> SearchFile(const std::string& bytes, const std::string& keyword)
    {
        AddFile("d/zelk5.txt", bytes);
        Register(Category::Main, "d", "ZELK5*.*");
        request.tagForm = true;
        SetKeywords(keyword);
        std::vector<std::string> lines = Search();
        const std::string prefix = DirOf("d") + "zelk5.txt";  // as on disk
        for (std::string& line : lines) {
            EXPECT_EQ(line.substr(0, prefix.size()), prefix);
            line.erase(0, prefix.size());
        }
        return lines;
    }
};

TEST_F(DictionaryScanTest, TextModeReadsAndLineNumbers)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::string keyword;
        std::vector<std::string> expected;
    } cases[] = {
        {"no final line feed", "one\r\ntwo\r\nlast key", "key", {"(      3) last key\r\n"}},
        {"CR dropped everywhere", "a\rb key\r\r\n", "b key", {"(      1) ab key\r\n"}},
        {"CR-only endings make one line", "x\rkey\ry\r", "key", {"(      1) xkeyy\r\n"}},
        {"0x1A ends the file", "key one\r\n\x1Akey two\r\n", "key", {"(      1) key one\r\n"}},
        {"NUL ends the line's text", std::string("key\0hidden\r\nhidden key\r\n", 24), "hidden", {"(      2) hidden key\r\n"}},
        {"lead byte at the end of a line", "key\x82\r\nnext\r\n", "key", {"(      1) key\x82\r\n"}},
        {"lead byte at the end of the file", "x\r\nkey\x82", "key", {"(      2) key\x82\r\n"}},
        {"empty file", "", "key", {}},
    };
    for (Case& c : cases) {
        doc.DeleteResults();
        EXPECT_EQ(SearchFile(c.bytes, c.keyword), c.expected) << c.name;
    }
}

TEST_F(DictionaryScanTest, LongLinesAreReadInPiecesThatCountAsLines)
{
    const std::string longLine = std::string(6117, 'a') + "tail-key" + std::string(10, 'b');
    const auto lines = SearchFile("first key\r\n" + longLine + "\r\nafter key\r\n", "key");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "(      1) first key\r\n");
    EXPECT_EQ(lines[1], "(      3) tail-key" + std::string(10, 'b') + "\r\n");
    EXPECT_EQ(lines[2], "(      4) after key\r\n");
}

// The progress report counts the bytes of each pass's files: those before the
// file being read, and all of them.
TEST_F(DictionaryScanTest, ProgressCountsTheBytesOfEachPass)
{
    AddFile("d/ZELK5.A", "apple\r\n");                      // 7 bytes
    AddFile("d/ZELK5.B", "banana apple\r\n" + std::string(100, 'x'));  // 114
    AddFile("c/BIL.TXT", "corpus apple\r\n");              // 14
    Register(Category::Main, "d", "ZELK5*.*");
    Register(Category::Corpus, "c", "BIL.TXT");
    SetKeywords("apple");
    ASSERT_EQ(Search().size(), 3u);
    const std::vector<std::pair<uint64_t, uint64_t>> expected = {{0, 121}, {7, 121}, {0, 14}};
    EXPECT_EQ(host.scannedBytes, expected);
}

TEST_F(DictionaryScanTest, TagLinesAndTheCaptionShowThePathAsSpeltOnDisk)
{
    AddFile("Dict/Zelk5.txt", "key one\r\n");
    // Registered in upper case, as earlier versions stored directories.
    ASSERT_TRUE(WriteRegistration(store, Category::Main, {ToUpperA(DirOf("Dict")), "ZELK5*.*"}));
    request.tagForm = true;
    SetKeywords("key");
    const std::string real = DirOf("Dict") + "Zelk5.txt";
    EXPECT_EQ(Search(), std::vector<std::string>{real + "(      1) key one\r\n"});
    ASSERT_FALSE(host.captions.empty());
    EXPECT_NE(host.captions.front().find(real), std::string::npos) << host.captions.front();
}

TEST_F(DictionaryScanTest, MissingAndUnreadableFilesYieldNothingWithoutAMessage)
{
    Register(Category::Main, "nowhere", "*.*");
    Register(Category::Corpus, "", "");
    SetKeywords("x");
    EXPECT_TRUE(Search().empty());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DictionaryScanTest, ASupplementWithoutDirectoryIsListedInTheCurrentDirectory)
{
    AddFile("d/zelk5.a", "main key\r\n");
    AddFile("cwd/zelk-hoi.txt", "supplement key\r\n");
    Register(Category::Main, "d", "ZELK5*.*");
    ASSERT_TRUE(WriteRegistration(store, Category::Supplement, {"", "ZELK-HOI.*"}));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir / "cwd");
    SetKeywords("key");
    const auto lines = Search();
    std::filesystem::current_path(previous);
    EXPECT_EQ(lines, (std::vector<std::string>{"main key\r\n", "supplement key\r\n"}));
}

}  // namespace
}  // namespace quilsk
