#include "platform/char_case.h"
#include "search/quick_mode.h"
#include "support/search_fixture.h"

namespace quilsk {
namespace {

using test::Sjis;

class QuickModeTest : public test::SearchFixture {
protected:
    void SetUp() override
    {
        AddFile("d/ZELK5.A", "apple\r\n");
        AddFile("d/ZELK5.B", "banana apple\r\n");
        AddFile("d/README", "apple readme\r\n");
        AddFile("hoi/ZELK-HOI.TXT", "supplement apple\r\n");
        Register(Category::Main, "d", "ZELK5*.*");
        Register(Category::Supplement, "hoi", "ZELK-HOI.*");
        Set("Quick", "A", "ZELK5.A");
    }

    std::vector<std::string> ScannedNames() const
    {
        std::vector<std::string> names;
        for (const std::string& path : host.scannedFiles) names.push_back(path.substr(path.rfind('/') + 1));
        return names;
    }
};

TEST_F(QuickModeTest, QuickPutsTheLettersFilesFirstWithoutScanningThemTwice)
{
    Set("Quick", "B", "ZELK5.B");
    request.searchModeSetting = 1;
    SetKeywords("banana");
    Search();
    EXPECT_EQ(ScannedNames(), (std::vector<std::string>{"ZELK5.B", "ZELK5.A", "ZELK-HOI.TXT"}));
}

TEST_F(QuickModeTest, QuickWithoutAnEntryPutsTheWholeDirectoryFirst)
{
    request.searchModeSetting = 1;
    SetKeywords("cherry");
    Search();
    EXPECT_EQ(ScannedNames(), (std::vector<std::string>{"README", "ZELK5.A", "ZELK5.B", "ZELK-HOI.TXT"}));
}

TEST_F(QuickModeTest, SuperQuickReadsOnlyTheLettersFilesWithoutFilters)
{
    AddFile("d/ZELK5.A", "* apple example\r\napple : ringo\r\n");
    request.searchModeSetting = 2;
    request.skipExamples = true;
    request.headwordOnly = true;
    SetKeywords("apple");
    EXPECT_EQ(Search(), (std::vector<std::string>{"* apple example\r\n", "apple : ringo\r\n"}));
    EXPECT_EQ(ScannedNames(), std::vector<std::string>{"ZELK5.A"});

    SetKeywords("zebra");
    EXPECT_TRUE(Search().empty());
    EXPECT_TRUE(host.scannedFiles.size() == 1 && host.messages.empty()) << "no letter entry: nothing read, no message";
}

TEST_F(QuickModeTest, AJapaneseKeywordScansInNormalMode)
{
    request.searchModeSetting = 2;
    SetKeywords(Sjis("りんご"));
    Search();
    EXPECT_EQ(ScannedNames(), (std::vector<std::string>{"ZELK5.A", "ZELK5.B", "ZELK-HOI.TXT"}));
}

TEST_F(QuickModeTest, AutomaticRecognitionByExtension)
{
    Register(Category::Main, "auto", "*.*");
    for (const char* name : {"ZELK5.A", "ZELKB.TXT", "ZELKC1.TXT", "ZELK5.D01", "ZELK5.E-G", "README", "ZELK5.H-2",
                             "ZELK9.TXT", "Z.1AB", "ZELK5.M-K", ".X"})
        AddFile(std::string("auto/") + name, "");
    AddFile("auto/" + std::string("\xE3\x82\xA2.TXT"), "");  // ア: its trail byte looks like "A"
    Set("Quick", "Z", "kept");
    ASSERT_TRUE(AutoRecognizeQuickLetters(store));
    const std::pair<const char*, const char*> expected[] = {
        {"A", "ZELK5.A"}, {"B", "ZELKB.TXT"}, {"C", "ZELKC1.TXT"}, {"D", "ZELK5.D0*"}, {"E", "ZELK5.E-G"},
        {"F", "ZELK5.E-G"}, {"G", "ZELK5.E-G"}, {"H", "ZELK5.H*"}, {"K", "ZELK9.TXT"}, {"M", ""}, {"Z", "kept"}};
    for (const auto& [letter, value] : expected) EXPECT_EQ(store.GetString("Quick", letter, ""), value) << letter;

    Register(Category::Main, "empty", "*.*");
    EXPECT_FALSE(AutoRecognizeQuickLetters(store));
    EXPECT_EQ(store.GetString("Quick", "A", ""), "ZELK5.A");
}

}  // namespace
}  // namespace quilsk
