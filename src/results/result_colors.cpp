#include "results/result_colors.h"

#include "results/color_setting.h"

namespace quilsk {

namespace {

constexpr const char* kSection = "Color";

const char* KeyOf(ResultColorKey key)
{
    switch (key) {
    case ResultColorKey::Text: return "TxtColor";
    case ResultColorKey::Background: return "BkColor";
    case ResultColorKey::HighlightText: return "HlTxtColor";
    case ResultColorKey::HighlightBackground: return "HlBkColor";
    }
    return "";
}

}  // namespace

ResultColors ReadResultColors(const CSettingsStore& store)
{
    CColorSetting background, text, highlightText, highlightBackground;
    background.Load(store, kSection, KeyOf(ResultColorKey::Background), 255, 255, 255);
    text.Load(store, kSection, KeyOf(ResultColorKey::Text), 0, 0, 0);
    highlightText.Load(store, kSection, KeyOf(ResultColorKey::HighlightText), background);
    highlightBackground.Load(store, kSection, KeyOf(ResultColorKey::HighlightBackground), text);
    return {background.value, text.value, highlightText.value, highlightBackground.value};
}

bool SaveResultColor(CSettingsStore& store, ResultColorKey key, std::uint32_t value)
{
    CColorSetting setting;
    setting.value = value;
    return setting.Save(store, kSection, KeyOf(key));
}

}  // namespace quilsk
