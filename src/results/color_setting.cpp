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

void CColorSetting::Load(const CSettingsStore& store, std::string_view section, std::string_view key, std::uint8_t red,
                         std::uint8_t green, std::uint8_t blue)
{
    const std::string fallback = std::to_string(Rgb(red, green, blue));
    value = ParseWithPrefixBase(store.GetString(section, key, fallback));
}

void CColorSetting::Load(const CSettingsStore& store, std::string_view section, std::string_view key,
                         const CColorSetting& fallback)
{
    value = static_cast<std::uint32_t>(store.GetInt(section, key, static_cast<int>(fallback.value)));
}

bool CColorSetting::Save(CSettingsStore& store, std::string_view section, std::string_view key) const
{
    return store.WriteInt(section, key, static_cast<int>(value));
}

}  // namespace quilsk
