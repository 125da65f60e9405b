#include <gtest/gtest.h>

#include "results/color_setting.h"
#include "results/result_colors.h"
#include "settings/settings_store.h"
#include "settings/standard_profile.h"
#include "settings/window_placement.h"
#include "support/test_support.h"

namespace quilsk {
namespace {

using test::CTempDir;
using test::ReadBytes;
using test::WriteBytes;

class ViewSettingsTest : public ::testing::Test {
protected:
    CTempDir dir;
    std::filesystem::path file = dir / "quilsk.ini";
    CSettingsStore store{file};
};

TEST_F(ViewSettingsTest, ColoursDefaultToBlackOnWhiteWithReverseHighlight)
{
    const ResultColors colors = ReadResultColors(store);
    EXPECT_EQ(colors.background, 0xFFFFFFu);
    EXPECT_EQ(colors.text, 0u);
    EXPECT_EQ(colors.highlightText, 0xFFFFFFu);
    EXPECT_EQ(colors.highlightBackground, 0u);
    EXPECT_FALSE(std::filesystem::exists(file));

    WriteBytes(file, "[Color]\nBkColor=255\nTxtColor=65280\n");
    const ResultColors mixed = ReadResultColors(store);
    EXPECT_EQ(mixed.highlightText, 255u) << "the highlight follows the colours just read";
    EXPECT_EQ(mixed.highlightBackground, 65280u);
}

TEST_F(ViewSettingsTest, BaseColoursTakeTheirBaseFromThePrefixHighlightsAreDecimal)
{
    struct Case {
        const char* stored;
        std::uint32_t base;       // as "BkColor"
        std::uint32_t highlight;  // as "HlTxtColor"
    } cases[] = {{"255", 255, 255}, {"0xFF00", 0xFF00, 0}, {"010", 8, 10}, {"12abc", 12, 12}, {"abc", 0, 0}};
    for (const Case& c : cases) {
        ASSERT_TRUE(store.WriteString("Color", "BkColor", c.stored));
        ASSERT_TRUE(store.WriteString("Color", "HlTxtColor", c.stored));
        const ResultColors colors = ReadResultColors(store);
        EXPECT_EQ(colors.background, c.base) << c.stored;
        EXPECT_EQ(colors.highlightText, c.highlight) << c.stored;
    }
}

TEST_F(ViewSettingsTest, ColourIsSavedAsDecimalColourReference)
{
    ASSERT_TRUE(SaveResultColor(store, ResultColorKey::HighlightBackground, CColorSetting::Rgb(0x12, 0x34, 0x56)));
    EXPECT_EQ(store.GetString("Color", "HlBkColor", ""), "5649426");  // 0x563412
}

TEST_F(ViewSettingsTest, PlacementDefaultsAndRoundTrip)
{
    EXPECT_FALSE(IsPlacementSaved(store));
    const WindowPlacement d = ReadWindowPlacement(store);
    EXPECT_EQ(d.left, 0);
    EXPECT_EQ(d.top, 0);
    EXPECT_EQ(d.right, 500);
    EXPECT_EQ(d.bottom, 350);
    EXPECT_EQ(d.maxX, -1);
    EXPECT_EQ(d.showCmd, kShowNormal);

    WindowPlacement p;
    p.showCmd = kShowMaximized;
    p.left = -20;
    p.top = 30;
    p.right = 820;
    p.bottom = 630;
    ASSERT_TRUE(WriteWindowPlacement(store, p));
    EXPECT_EQ(ReadBytes(file),
              "[WindowSize]\nFlags=1\nshowCmd=3\nMinPosX=0\nMinPosY=0\nMaxPosX=-1\nMaxPosY=-1\n"
              "NormPosL=-20\nNormPosT=30\nNormPosR=820\nNormPosB=630\n");
    const WindowPlacement back = ReadWindowPlacement(store);
    EXPECT_EQ(back.left, -20);
    EXPECT_EQ(back.bottom, 630);
    EXPECT_EQ(back.showCmd, kShowMaximized);
}

TEST_F(ViewSettingsTest, StandardProfileKeepsFourRecentFilesAndWritesOnlyWhatIsSet)
{
    CStandardProfile profile;
    profile.Load(store);
    ASSERT_TRUE(profile.Save(store));
    EXPECT_FALSE(std::filesystem::exists(file)) << "nothing to write";

    WriteBytes(file, "[Recent File List]\nFile1=/a.txt\nFile2=\nFile3=/c.txt\n[Settings]\nPreviewPages=2\n");
    profile.Load(store);
    EXPECT_EQ(profile.RecentFiles(), (std::vector<std::string>{"/a.txt", "/c.txt"}));
    for (const char* path : {"/d.txt", "/e.txt", "/c.txt", "/f.txt"}) profile.AddRecentFile(path);
    EXPECT_EQ(profile.RecentFiles(), (std::vector<std::string>{"/f.txt", "/c.txt", "/e.txt", "/d.txt"}));
    ASSERT_TRUE(profile.Save(store));
    EXPECT_EQ(store.GetInt("Settings", "PreviewPages", 0), 2) << "kept as it was read";

    CStandardProfile again;
    again.Load(store);
    EXPECT_EQ(again.RecentFiles(), profile.RecentFiles());

    WriteBytes(file, "[Recent File List]\nFile1=/a.txt\nFile2=\nFile3=/c.txt\n");
    again.Load(store);
    ASSERT_TRUE(again.Save(store));
    again.Load(store);
    EXPECT_EQ(again.RecentFiles(), (std::vector<std::string>{"/a.txt", "/c.txt"})) << "no stale entry comes back";
    EXPECT_EQ(store.GetString("Settings", "PreviewPages", "unset"), "unset") << "0 is not written";
}

TEST_F(ViewSettingsTest, RemovingTheLastRecentFileIsWrittenSoItDoesNotComeBack)
{
    WriteBytes(file, "[Recent File List]\nFile1=/gone.txt\nFile2=/kept.txt\n");
    CStandardProfile profile;
    profile.Load(store);
    profile.RemoveRecentFile("/gone.txt");
    profile.RemoveRecentFile("/never-listed.txt");
    EXPECT_EQ(profile.RecentFiles(), (std::vector<std::string>{"/kept.txt"}));
    profile.RemoveRecentFile("/kept.txt");
    ASSERT_TRUE(profile.Save(store));

    CStandardProfile again;
    again.Load(store);
    EXPECT_TRUE(again.RecentFiles().empty());
}

}  // namespace
}  // namespace quilsk
