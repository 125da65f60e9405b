#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "platform/cp932.h"
#include "platform/engine_text.h"
#include "terminal/message_language.h"

namespace quilsk {
namespace {

TEST(MessageLanguageTest, TheFirstChoiceOfTheLocaleDecides)
{
    struct Case {
        MessageLocale locale;
        bool english;
    } cases[] = {
        {{"", "", "", "en_US.UTF-8"}, true},
        {{"", "", "", "en"}, true},
        {{"", "", "", "en@quot"}, true},
        {{"", "", "", "ja_JP.UTF-8"}, false},
        {{"", "", "", "C"}, false},
        {{"", "", "", "C.UTF-8"}, false},
        {{"", "", "", "POSIX"}, false},
        {{"", "", "", ""}, false},
        {{"", "", "", "eo"}, false},
        {{"", "", "", "enx_US"}, false},
        {{"", "", "en_GB.UTF-8", "ja_JP.UTF-8"}, true},
        {{"", "ja_JP.UTF-8", "en_GB.UTF-8", "en_GB.UTF-8"}, false},
        {{"", "en_US", "", "ja_JP"}, true},
        {{"en:ja", "", "", "ja_JP.UTF-8"}, true},
        {{"ja:en", "C", "", "en_US.UTF-8"}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WantsEnglishMessages(c.locale), c.english)
            << c.locale.language << "|" << c.locale.lcAll << "|" << c.locale.lcMessages << "|" << c.locale.lang;
}

TEST(MessageLanguageTest, TheTableHoldsTheEngineTextsOfTheTranslationFile)
{
    struct Case {
        const char* source;
        const char* english;  // nullptr: not in the table
    } cases[] = {
        {"キーワードの初期化に失敗しました(;_;)", "Couldn't prepare the keywords (;_;)"},
        {" <<検索中 ", " <<searching "},
        {"インデックスのファイルを読み込めません: ", "Can't read the index file: "},
        // A text of the desktop application's, and none at all.
        {"作業中です。もう少しお待ちください。", nullptr},
        {"", nullptr},
        {"キーワードの初期化に失敗しました", nullptr},
    };
    for (const Case& c : cases) {
        const char* found = EnglishEngineText(c.source);
        if (!c.english)
            EXPECT_EQ(found, nullptr) << c.source;
        else
            EXPECT_STREQ(found, c.english) << c.source;
    }
}

TEST(EngineTextTest, TheInstalledTranslatorServesTheTextsAsCp932)
{
    const char* source = "キーワードの初期化に失敗しました(;_;)";
    EXPECT_EQ(Engine::tr(source), Cp932Literal(source));
    SetEngineTranslator([](const char* text) -> std::optional<std::string> {
        if (std::strcmp(text, "失敗しました(/_;)") == 0) return "😀";  // cp932 cannot write it
        if (std::strcmp(text, "キーワードの初期化に失敗しました(;_;)") == 0) return "英語 keywords";
        return std::nullopt;
    });
    EXPECT_EQ(Engine::tr(source), Cp932Literal("英語 keywords"));
    EXPECT_EQ(Engine::tr("失敗しました(/_;)"), Cp932Literal("失敗しました(/_;)"));
    EXPECT_EQ(Engine::tr("未登録"), Cp932Literal("未登録"));
    SetEngineTranslator({});
    EXPECT_EQ(Engine::tr(source), Cp932Literal(source));
}

}  // namespace
}  // namespace quilsk
