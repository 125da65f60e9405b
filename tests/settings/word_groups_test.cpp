#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "settings/word_groups.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::Sjis;

TEST(SplitStoredListTest, DropsEmptyItemsAndKeepsTwoByteCharactersWhole)
{
    struct Case {
        std::string text;
        std::vector<std::string> items;
    } cases[] = {
        {"cat||dog|", {"cat", "dog"}},
        {"|a|", {"a"}},
        {"", {}},
        {"last", {"last"}},
        {Sjis("ポンプ|ソース|"), {Sjis("ポンプ"), Sjis("ソース")}},  // ポ is 0x837C: its trail byte is "|"
        {"a b|x\x81", {"a b", "x\x81"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitStoredList(c.text), c.items) << c.text;
}

class WordGroupStoreTest : public ::testing::Test {
protected:
    test::CTempDir dir;
    CSettingsStore store{dir / "quilsk.ini"};
};

TEST_F(WordGroupStoreTest, NoSectionMeansNoNamesAndNoWords)
{
    EXPECT_TRUE(ReadGroupNames(store).empty());
    EXPECT_TRUE(ReadGroupWords(store, "animals").empty());
}

TEST_F(WordGroupStoreTest, ThirtyNamesOfTenBytesSplitAfterTheValueCrossing200Bytes)
{
    std::vector<std::string> names;
    for (int i = 0; i < 30; ++i) names.push_back("group-" + std::string(i < 10 ? "00" : "0") + std::to_string(i) + "x");
    ASSERT_EQ(names[0].size(), 10u);
    ASSERT_TRUE(WriteGroupNames(store, names));
    const std::string first = store.GetString("WordGroupNames", "Name", "", CSettingsStore::kWhole);
    EXPECT_EQ(first.size(), 209u);
    EXPECT_EQ(first.substr(0, 11), "group-000x|");
    EXPECT_EQ(store.GetString("WordGroupNames", "Name1", "", CSettingsStore::kWhole).size(), 121u);
    EXPECT_EQ(store.GetString("WordGroupNames", "Name2", "missing"), "missing");
    EXPECT_EQ(ReadGroupNames(store), names);
}

TEST_F(WordGroupStoreTest, AShorterListClearsTheKeysAfterIt)
{
    std::vector<std::string> many(40, "");
    for (size_t i = 0; i < many.size(); ++i) many[i] = "name" + std::to_string(100 + i);
    ASSERT_TRUE(WriteGroupNames(store, many));
    ASSERT_FALSE(store.GetString("WordGroupNames", "Name1", "").empty());
    ASSERT_TRUE(WriteGroupNames(store, {"only"}));
    EXPECT_EQ(ReadGroupNames(store), std::vector<std::string>{"only"});
    EXPECT_EQ(store.GetString("WordGroupNames", "Name1", "x"), "");
    ASSERT_TRUE(WriteGroupNames(store, {}));
    EXPECT_EQ(store.GetString("WordGroupNames", "Name", "x"), "");
    EXPECT_TRUE(ReadGroupNames(store).empty());
}

TEST_F(WordGroupStoreTest, NamesDifferingOnlyInCaseAreOneGroup)
{
    ASSERT_TRUE(store.WriteString("WordGroupNames", "Name", "Pets|pets|Tools|"));
    EXPECT_EQ(ReadGroupNames(store), (std::vector<std::string>{"Pets", "Tools"}));
    ASSERT_TRUE(WriteGroupWords(store, "Pets", {"cat", "dog"}));
    EXPECT_EQ(ReadGroupWords(store, "PETS"), (std::vector<std::string>{"cat", "dog"}));
}

TEST_F(WordGroupStoreTest, LongWordListsAreReadWhole)
{
    std::vector<std::string> words;
    for (int i = 0; i < 300; ++i) words.push_back("word" + std::to_string(i));
    ASSERT_TRUE(WriteGroupWords(store, "big", words));
    EXPECT_EQ(ReadGroupWords(store, "big"), words);
    ASSERT_TRUE(WriteGroupWords(store, "big", {}));
    EXPECT_TRUE(ReadGroupWords(store, "big").empty());
}

TEST_F(WordGroupStoreTest, WordsWithBlanksAtEitherEndAreReadBackAsWritten)
{
    const std::vector<std::string> words{" lead", "\ttab", "trail ", "mid dle"};
    ASSERT_TRUE(WriteGroupWords(store, "g", words));
    EXPECT_EQ(ReadGroupWords(store, "g"), words);
    EXPECT_EQ(store.GetString("WordGroup", "g", "", CSettingsStore::kWhole), "| lead|\ttab|trail |mid dle|")
        << "the leading separator is an empty item, dropped on reading";
    ASSERT_TRUE(WriteGroupWords(store, "g", {"plain", " second"}));
    EXPECT_EQ(store.GetString("WordGroup", "g", ""), "plain| second|");
}

TEST(StorableWordTest, TheSeparatorOnlyAsACharacterOfItsOwn)
{
    struct Case {
        std::string word;
        bool storable;
    } cases[] = {
        {"apple", true},  {Sjis("ポンプ"), true}, {" lead", true},   {"a|b", false},           {"|", false},
        {"a\nb", false}, {"a\rb", false},     {"x\x81", false}, {std::string("a\0b", 3), false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsStorableWord(c.word), c.storable) << testing::PrintToString(c.word);
}

}  // namespace
}  // namespace quilsk
