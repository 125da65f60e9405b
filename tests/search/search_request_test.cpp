#include <gtest/gtest.h>

#include "search/search_request.h"
#include "settings/settings_store.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

class SearchRequestTest : public ::testing::Test {
protected:
    test::CTempDir dir;
    CSettingsStore store{dir / "quilsk.ini"};
};

TEST_F(SearchRequestTest, DefaultsWithoutASettingsFile)
{
    const SearchRequest r = ReadSearchRequest(store);
    EXPECT_TRUE(r.keyword1IsWord);
    EXPECT_TRUE(r.keyword2IsWord);
    EXPECT_EQ(r.combination, Combination::And);
    EXPECT_EQ(r.mode1, MatchMode::Substring);
    EXPECT_EQ(r.mode2, MatchMode::Substring);
    EXPECT_FALSE(r.ignoreCase);
    EXPECT_FALSE(r.headwordOnly);
    EXPECT_FALSE(r.skipExamples);
    EXPECT_FALSE(r.tagForm);
    EXPECT_EQ(r.hitsPerRefresh, 20);
    EXPECT_EQ(r.searchMode, SearchMode::Normal);
    EXPECT_FALSE(r.useIndex);
    EXPECT_FALSE(r.sortResults);
    EXPECT_FALSE(r.checkDuplicates);
    EXPECT_EQ(r.column, "70");
}

TEST_F(SearchRequestTest, MatchModePrecedenceAndFlagsCountOnlyWhenOne)
{
    struct Case {
        const char *word, *forward, *back;
        MatchMode expected;
    } cases[] = {{"1", "1", "1", MatchMode::WholeWord}, {"0", "1", "1", MatchMode::Prefix},
                 {"0", "0", "1", MatchMode::Suffix},    {"2", "2", "2", MatchMode::Substring},
                 {"1abc", "0", "0", MatchMode::WholeWord}};
    for (const Case& c : cases) {
        ASSERT_TRUE(store.WriteStrings("Options", {{"KW2Word", c.word}, {"KW2Forward", c.forward}, {"KW2Back", c.back}}));
        EXPECT_EQ(ReadSearchRequest(store).mode2, c.expected) << c.word << c.forward << c.back;
    }
}

TEST_F(SearchRequestTest, CombinationTestsOrThenAndThenNot)
{
    struct Case {
        const char *andFlag, *notFlag, *orFlag;
        Combination expected;
    } cases[] = {{"1", "0", "1", Combination::Or},
                 {"0", "1", "0", Combination::Not},
                 {"1", "1", "0", Combination::And},
                 {"0", "0", "0", Combination::None}};
    for (const Case& c : cases) {
        ASSERT_TRUE(store.WriteStrings("Keyword", {{"AndSearch", c.andFlag}, {"NotSearch", c.notFlag}, {"OrSearch", c.orFlag}}));
        EXPECT_EQ(ReadSearchRequest(store).combination, c.expected);
    }
}

TEST_F(SearchRequestTest, GroupDecidedByTheWordFlagAloneAndHitsNeverBelowOne)
{
    ASSERT_TRUE(store.WriteStrings("Option", {{"Kw1Word", "0"}, {"KW1Group", "0"}}));
    ASSERT_TRUE(store.WriteStrings("Options", {{"Hits", "abc"}, {"Mode", "7"}}));
    const SearchRequest r = ReadSearchRequest(store);
    EXPECT_FALSE(r.keyword1IsWord);
    EXPECT_EQ(r.hitsPerRefresh, 1);
    EXPECT_EQ(r.searchMode, SearchMode::Normal);
    ASSERT_TRUE(store.WriteString("Options", "Hits", "-5"));
    EXPECT_EQ(ReadSearchRequest(store).hitsPerRefresh, 1);
}

TEST_F(SearchRequestTest, NarrowRequestFromItsOwnSection)
{
    NarrowRequest r = ReadNarrowRequest(store);
    EXPECT_TRUE(r.keywordIsWord);
    EXPECT_FALSE(r.keywordIsGroup);
    EXPECT_FALSE(r.ignoreCase);
    EXPECT_EQ(r.mode, MatchMode::Substring);
    EXPECT_EQ(r.keyword, "");

    ASSERT_TRUE(store.WriteStrings("ReSea", {{"Word", "0"}, {"Group", "1"}, {"IgnoreCase", "1"}, {"WordSearch", "2"},
                                             {"Before", "1"}, {"Back", "1"}, {"Keyword", "pets"}}));
    r = ReadNarrowRequest(store);
    EXPECT_FALSE(r.keywordIsWord);
    EXPECT_TRUE(r.keywordIsGroup);
    EXPECT_TRUE(r.ignoreCase);
    EXPECT_EQ(r.mode, MatchMode::Prefix) << "a flag of 2 is not set; prefix beats suffix";
    EXPECT_EQ(r.keyword, "pets");
    // Keyword 1's whole-word flag lives in "Options"; narrowing reads only its own.
    ASSERT_TRUE(store.WriteStrings("Options", {{"KW1Word", "1"}, {"IgnoreCase", "0"}}));
    EXPECT_TRUE(ReadNarrowRequest(store).ignoreCase);
}

}  // namespace
}  // namespace quilsk
