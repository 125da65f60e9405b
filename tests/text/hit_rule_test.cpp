#include <gtest/gtest.h>

#include "text/keyword_match.h"

namespace quilsk {
namespace {

struct HitCase {
    const char* line;
    bool expected;
};

void ExpectHits(const HitRule& rule, std::initializer_list<HitCase> cases, const char* what)
{
    for (const HitCase& c : cases) EXPECT_EQ(IsHit(c.line, rule), c.expected) << what << ": " << c.line;
}

TEST(HitRuleTest, CombinationsOfTwoWordLists)
{
    const std::vector<std::string> catDog = {"cat", "dog"};
    const std::vector<std::string> blackWhite = {"black", "white"};
    const std::vector<std::string> none;

    ExpectHits({&catDog, &blackWhite, MatchMode::Substring, MatchMode::Substring, Combination::Not},
               {{"a dog and a white cat", false}, {"a cat only", true}, {"white only", false}}, "NOT");
    ExpectHits({&catDog, &blackWhite, MatchMode::Substring, MatchMode::Substring, Combination::And},
               {{"the cat is white", true}, {"the cat is grey", false}, {"black and white", false}}, "AND");
    ExpectHits({&catDog, &none, MatchMode::Substring, MatchMode::Substring, Combination::And},
               {{"hotdog", true}, {"horse", false}}, "AND without secondary words");
    ExpectHits({&catDog, &blackWhite, MatchMode::Substring, MatchMode::Substring, Combination::Or},
               {{"a dog", true}, {"a black dog", true}}, "OR looks only at the primary list");
    ExpectHits({&catDog, &blackWhite, MatchMode::Substring, MatchMode::Substring, Combination::None},
               {{"a white cat", false}}, "no combination set");
}

TEST(HitRuleTest, EachListUsesItsKeywordsMatchMode)
{
    const std::vector<std::string> dog = {"dog"};
    const std::vector<std::string> cat = {"cat"};
    const HitRule rule{&dog, &cat, MatchMode::WholeWord, MatchMode::WholeWord, Combination::And};
    ExpectHits(rule, {{"dog category cat", true}, {"dog category", false}, {"dogs and cats", false}}, "whole words");
    const HitRule prefix{&dog, &cat, MatchMode::Prefix, MatchMode::Suffix, Combination::And};
    ExpectHits(prefix, {{"dogs bobcat", true}, {"hotdog bobcat", false}, {"dogs catalog", false}}, "prefix and suffix");
}

}  // namespace
}  // namespace quilsk
