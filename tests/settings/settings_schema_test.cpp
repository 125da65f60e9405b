#include <gtest/gtest.h>

#include <set>

#include "platform/char_case.h"
#include "settings/settings_schema.h"
#include "settings/settings_store.h"

namespace quilsk {
namespace {

TEST(SettingsSchemaTest, EachKeyOnceAndEachDefaultReadableAsItsType)
{
    std::set<std::pair<std::string, std::string>> seen;
    for (const SettingKey& s : KnownSettings()) {
        const std::string name = std::string(s.section) + "/" + std::string(s.key);
        EXPECT_TRUE(seen.emplace(ToLowerA(s.section), ToLowerA(s.key)).second) << name << " is declared twice";
        if (s.type == SettingType::Flag) {
            EXPECT_TRUE(s.fallback == "0" || s.fallback == "1") << name;
        }
        if (s.type == SettingType::Integer) {
            EXPECT_EQ(std::to_string(LeadingInt(s.fallback)), s.fallback) << name;
        }
    }
}

TEST(SettingsSchemaTest, FindsFixedFamilyAndCategoryKeysIgnoringAsciiCase)
{
    struct Case {
        std::string section;
        std::string key;
        const char* fallback;  // nullptr: not a key the program reads
    } cases[] = {
        {"option", "kw1word", "1"},  // keyword 1 is a plain word
        {"OPTIONS", "KW1WORD", "0"},  // whole-word match: another section, another default
        {"Options", "Hits", "20"},
        {"Font", "TextFontFace", "FixedSys"},
        {"quick", "Q", ""},
        {"WordGroup", "any group", ""},
        {setting::kCategorySections[0], "DIR", ""},
        {setting::kCategorySections[9], "filename", ""},
        {"Elsewhere", "Dir", nullptr},
        {"Options", "NoSuchKey", nullptr},
        {"Option", "", nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<SettingKey> found = FindSetting(c.section, c.key);
        ASSERT_EQ(found.has_value(), c.fallback != nullptr) << c.section << "/" << c.key;
        if (found) {
            EXPECT_EQ(found->fallback, c.fallback) << c.section << "/" << c.key;
        }
    }
}

TEST(SettingsSchemaTest, RunTimeKeysAreSpelledAsStored)
{
    EXPECT_EQ(HistoryKey(1, 0), "Keyword1A");
    EXPECT_EQ(HistoryKey(2, 25), "Keyword2Z");
    EXPECT_EQ(RecentFileKey(0), "File1");
    EXPECT_EQ(WordGroupNamesKey(0), "Name");
    EXPECT_EQ(WordGroupNamesKey(2), "Name2");
}

}  // namespace
}  // namespace quilsk
