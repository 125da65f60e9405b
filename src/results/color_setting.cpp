#include "results/color_setting.h"

#include <cstdlib>

#include "app/settings_store.h"

namespace quilsk {

namespace {

constexpr std::string_view kSection = "Color";

std::string KeyOf(ResultColorKey key)
{
    switch (key) {
    case ResultColorKey::Text: return "TxtColor";
    case ResultColorKey::Background: return "BkColor";
    case ResultColorKey::HighlightText: return "HlTxtColor";
    case ResultColorKey::HighlightBackground: return "HlBkColor";
    }
    return {};
}

}  // namespace

ColorRef CColorSetting::Load(const CSettingsStore& store, uint8_t red, uint8_t green, uint8_t blue)
{
    const std::string fallback = std::to_string(RgbColor(red, green, blue));
    const std::string text = store.GetString(m_section, m_key, fallback);
    m_value = static_cast<ColorRef>(std::strtol(text.c_str(), nullptr, 0));
    return m_value;
}

ColorRef CColorSetting::LoadDefaultingTo(const CSettingsStore& store, const CColorSetting& other)
{
    m_value = static_cast<ColorRef>(store.GetInt(m_section, m_key, static_cast<int>(other.m_value)));
    return m_value;
}

bool CColorSetting::Save(CSettingsStore& store, ColorRef value)
{
    m_value = value;
    return store.WriteInt(m_section, m_key, static_cast<int>(value));
}

ResultColors ReadResultColors(const CSettingsStore& store)
{
    CColorSetting background(std::string(kSection), KeyOf(ResultColorKey::Background));
    CColorSetting text(std::string(kSection), KeyOf(ResultColorKey::Text));
    CColorSetting highlightText(std::string(kSection), KeyOf(ResultColorKey::HighlightText));
    CColorSetting highlightBackground(std::string(kSection), KeyOf(ResultColorKey::HighlightBackground));
    background.Load(store, 255, 255, 255);
    text.Load(store, 0, 0, 0);
    highlightText.LoadDefaultingTo(store, background);
    highlightBackground.LoadDefaultingTo(store, text);
    return {background.Value(), text.Value(), highlightText.Value(), highlightBackground.Value()};
}

bool SaveResultColor(CSettingsStore& store, ResultColorKey key, ColorRef value)
{
    return CColorSetting(std::string(kSection), KeyOf(key)).Save(store, value);
}

}  // namespace quilsk
