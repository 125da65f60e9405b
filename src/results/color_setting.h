#pragma once

#include <cstdint>

#include "settings/settings_schema.h"

// A colour kept in the settings file as the decimal text of its 0x00BBGGRR value.

namespace quilsk {

class CSettingsStore;

class CColorSetting {
public:
    static constexpr std::uint32_t Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b) << 16;
    }

    // The stored text read as an integer whose prefix gives the base (decimal,
    // 0x hexadecimal, 0 octal); the entry's default when the key is missing.
    void Load(const CSettingsStore& store, const SettingKey& setting);
    // The stored text read as a decimal integer; `fallback` when the key is missing.
    void Load(const CSettingsStore& store, const SettingKey& setting, const CColorSetting& fallback);
    bool Save(CSettingsStore& store, const SettingKey& setting) const;

    std::uint32_t value = 0;
};

}  // namespace quilsk
