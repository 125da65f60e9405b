#include <gtest/gtest.h>

#include "settings/keyword_history.h"
#include "settings/settings_store.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

class KeywordHistoryTest : public ::testing::Test {
protected:
    void Search(const std::string& keyword1, const std::string& keyword2 = "", bool record1 = true, bool record2 = false)
    {
        ASSERT_TRUE(history.Record(store, record1 ? &keyword1 : nullptr, record2 ? &keyword2 : nullptr));
    }

    test::CTempDir dir;
    CSettingsStore store{dir / "quilsk.ini"};
    CKeywordHistory history;
};

TEST_F(KeywordHistoryTest, LoadSkipsEmptyValuesAndCaseVariants)
{
    ASSERT_TRUE(store.WriteStrings("History", {{"Keyword1A", "apple"}, {"Keyword1B", "Apple"}, {"Keyword1C", ""},
                                               {"Keyword1D", "pear"}, {"Keyword2A", "x"}}));
    history.Load(store);
    EXPECT_EQ(history.Entries(1), (std::vector<std::string>{"apple", "pear"}));
    EXPECT_EQ(history.Entries(2), std::vector<std::string>{"x"});
}

TEST_F(KeywordHistoryTest, RecordMovesARepeatedKeywordToTheHead)
{
    Search("pear");
    Search("plum");
    Search("pear");
    EXPECT_EQ(history.Entries(1), (std::vector<std::string>{"pear", "plum"}));
    EXPECT_EQ(store.GetString("History", "Keyword1A", ""), "pear");
    EXPECT_EQ(store.GetString("History", "Keyword1B", ""), "plum");
}

TEST_F(KeywordHistoryTest, ACaseVariantKeepsTheStoredSpelling)
{
    Search("apple");
    Search("banana");
    Search("APPLE");
    EXPECT_EQ(history.Entries(1), (std::vector<std::string>{"apple", "banana"}));
    EXPECT_EQ(store.GetString("History", "Keyword1A", ""), "apple");
}

TEST_F(KeywordHistoryTest, GroupsAreNotRecordedButAnEmptyKeyword2Is)
{
    Search("animals", "", false, true);
    EXPECT_TRUE(history.Entries(1).empty());
    EXPECT_EQ(history.Entries(2), std::vector<std::string>{""});
    CKeywordHistory reloaded;
    reloaded.Load(store);
    EXPECT_TRUE(reloaded.Entries(2).empty()) << "the empty value is skipped at the next start";
}

TEST_F(KeywordHistoryTest, ThirtyKeywordsStayInMemoryAndTheNewest26AreStored)
{
    ASSERT_TRUE(store.WriteString("History", "Keyword1Z", "stale"));
    history.Load(store);
    for (int i = 0; i < 30; ++i) Search("kw" + std::to_string(i));
    EXPECT_EQ(history.Entries(1).size(), 31u);
    EXPECT_EQ(history.Entries(1).front(), "kw29");
    EXPECT_EQ(history.Entries(1).back(), "stale");
    EXPECT_EQ(store.GetString("History", "Keyword1A", ""), "kw29");
    EXPECT_EQ(store.GetString("History", "Keyword1Z", ""), "kw4");
    CKeywordHistory reloaded;
    reloaded.Load(store);
    EXPECT_EQ(reloaded.Entries(1).size(), 26u);
}

// Two programs on one settings file, each with the history it loaded at start:
// each search stores the other's entries too and brings them into memory.
TEST_F(KeywordHistoryTest, AnotherProgramsSearchesAreKeptAndSeen)
{
    CSettingsStore otherStore{dir / "quilsk.ini"};
    CKeywordHistory other;
    Search("pear");
    other.Load(otherStore);
    history.Load(store);
    Search("plum");
    const std::string fig = "fig";
    ASSERT_TRUE(other.Record(otherStore, &fig, nullptr));
    EXPECT_EQ(other.Entries(1), (std::vector<std::string>{"fig", "plum", "pear"}));
    Search("PEAR");
    EXPECT_EQ(history.Entries(1), (std::vector<std::string>{"pear", "fig", "plum"}));
    CKeywordHistory reloaded;
    reloaded.Load(store);
    EXPECT_EQ(reloaded.Entries(1), history.Entries(1));
}

}  // namespace
}  // namespace quilsk
