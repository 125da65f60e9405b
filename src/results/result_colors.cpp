#include "results/result_colors.h"

#include "results/color_setting.h"

namespace quilsk {

namespace {

const SettingKey& KeyOf(ResultColorKey key)
{
    switch (key) {
    case ResultColorKey::Text: return setting::kTextColor;
    case ResultColorKey::Background: return setting::kBackgroundColor;
    case ResultColorKey::HighlightText: return setting::kHighlightTextColor;
    case ResultColorKey::HighlightBackground: return setting::kHighlightBackgroundColor;
    }
    return setting::kTextColor;
}

}  // namespace

ResultColors ReadResultColors(const CSettingsStore& store)
{
    CColorSetting background, text, highlightText, highlightBackground;
    background.Load(store, KeyOf(ResultColorKey::Background));
    text.Load(store, KeyOf(ResultColorKey::Text));
    highlightText.Load(store, KeyOf(ResultColorKey::HighlightText), background);
    highlightBackground.Load(store, KeyOf(ResultColorKey::HighlightBackground), text);
    return {background.value, text.value, highlightText.value, highlightBackground.value};
}

bool SaveResultColor(CSettingsStore& store, ResultColorKey key, std::uint32_t value)
{
    CColorSetting setting;
    setting.value = value;
    return setting.Save(store, KeyOf(key));
}

}  // namespace quilsk
