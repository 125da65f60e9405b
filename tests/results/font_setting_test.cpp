#include <gtest/gtest.h>

#include "results/color_setting.h"
#include "results/font_setting.h"
#include "settings/settings_store.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

class FontAndColorSettingTest : public ::testing::Test {
protected:
    test::CTempDir dir;
    CSettingsStore store{dir / "quilsk.ini"};
};

TEST_F(FontAndColorSettingTest, FontReadsFourteenNumbersAndWritesSixteen)
{
    CFontSetting font;
    ASSERT_TRUE(font.Load(store));
    EXPECT_EQ(font.FormatNumbers(), setting::kTextFont.fallback);
    EXPECT_EQ(font.font.faceName, "FixedSys");

    store.WriteString("Font", "TextFont", "-16 0 0 0 700 1 0 257 128 1 2 1 49 255 7 7");
    store.WriteString("Font", "TextFontFace", "IPAGothic");
    ASSERT_TRUE(font.Load(store));
    EXPECT_EQ(font.font.height, -16);
    EXPECT_EQ(font.font.weight, 700);
    EXPECT_EQ(font.font.italic, 1);
    EXPECT_EQ(font.font.strikeOut, 1);  // a byte field keeps the low byte
    EXPECT_EQ(font.font.pitchAndFamily, 49);
    EXPECT_EQ(font.color, 255u);
    EXPECT_EQ(font.font.faceName, "IPAGothic");
    ASSERT_TRUE(font.Save(store));
    EXPECT_EQ(store.GetString("Font", "TextFont", ""), "-16 0 0 0 700 1 0 1 128 1 2 1 49 255 0 0");
}

TEST_F(FontAndColorSettingTest, EmptyNumbersFailAndChangeNothingShortOnesKeepTheRest)
{
    CFontSetting font;
    font.font.weight = 700;
    store.WriteString("Font", "TextFont", "");
    store.WriteString("Font", "TextFontFace", "Other");
    EXPECT_FALSE(font.Load(store));
    EXPECT_EQ(font.font.weight, 700);
    EXPECT_EQ(font.font.faceName, "FixedSys");

    store.WriteString("Font", "TextFont", "-20 5 x 9");
    ASSERT_TRUE(font.Load(store));
    EXPECT_EQ(font.font.height, -20);
    EXPECT_EQ(font.font.width, 5);
    EXPECT_EQ(font.font.escapement, 0);
    EXPECT_EQ(font.font.weight, 700);
    EXPECT_EQ(font.font.faceName, "Other");
}

TEST_F(FontAndColorSettingTest, ColoursReadTheirPrefixBaseOrDecimalWithTheirFallback)
{
    struct Case {
        const char* stored;
        std::uint32_t prefixBase;
        std::uint32_t decimal;
    } cases[] = {
        {"255", 255, 255},
        {"0xFF00", 0xFF00, 0},
        {"010", 8, 10},
        {"  42abc", 42, 42},
        {"blue", 0, 0},
    };
    for (const Case& c : cases) {
        store.WriteString("Color", "BkColor", c.stored);
        CColorSetting background;
        background.Load(store, setting::kBackgroundColor);
        EXPECT_EQ(background.value, c.prefixBase) << c.stored;
        CColorSetting highlight;
        highlight.Load(store, setting::kBackgroundColor, background);
        EXPECT_EQ(highlight.value, c.decimal) << c.stored;
    }

    CColorSetting text;
    text.Load(store, setting::kTextColor.WithFallback(std::to_string(CColorSetting::Rgb(0x12, 0x34, 0x56))));
    EXPECT_EQ(text.value, 0x563412u);
    CColorSetting highlightText;
    highlightText.Load(store, setting::kHighlightTextColor, text);
    EXPECT_EQ(highlightText.value, text.value);
    ASSERT_TRUE(highlightText.Save(store, setting::kHighlightTextColor));
    EXPECT_EQ(store.GetString("Color", "HlTxtColor", ""), "5649426");
}

}  // namespace
}  // namespace quilsk
