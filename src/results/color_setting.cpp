#include "results/color_setting.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/settings_store.h"

namespace quilsk {

namespace {

// strtol with base 0 as a 32-bit long reads it: out-of-range values saturate.
std::uint32_t ParseWithPrefixBase(const std::string& text)
{
    long long parsed = std::strtoll(text.c_str(), nullptr, 0);
    if (parsed > INT32_MAX) parsed = INT32_MAX;
    if (parsed < INT32_MIN) parsed = INT32_MIN;
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(parsed));
}

}  // namespace

void CColorSetting::Load(const CSettingsStore& store, const SettingKey& setting)
{
    value = ParseWithPrefixBase(store.Get(setting));
}

void CColorSetting::Load(const CSettingsStore& store, const SettingKey& setting, const CColorSetting& fallback)
{
    const std::string fallbackText = std::to_string(static_cast<int>(fallback.value));
    value = static_cast<std::uint32_t>(store.GetInt(setting.WithFallback(fallbackText)));
}

bool CColorSetting::Save(CSettingsStore& store, const SettingKey& setting) const
{
    return store.Write(setting, static_cast<int>(value));
}

}  // namespace quilsk
