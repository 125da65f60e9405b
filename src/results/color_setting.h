#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A colour kept in the settings file as the decimal text of its colour
// reference 0x00BBGGRR.

namespace quilsk {

class CSettingsStore;

using ColorRef = uint32_t;

constexpr ColorRef RgbColor(uint8_t red, uint8_t green, uint8_t blue)
{
    return static_cast<ColorRef>(red) | static_cast<ColorRef>(green) << 8 | static_cast<ColorRef>(blue) << 16;
}
constexpr uint8_t RedOf(ColorRef c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t GreenOf(ColorRef c) { return static_cast<uint8_t>(c >> 8 & 0xFF); }
constexpr uint8_t BlueOf(ColorRef c) { return static_cast<uint8_t>(c >> 16 & 0xFF); }

class CColorSetting {
public:
    CColorSetting(std::string section, std::string key) : m_section(std::move(section)), m_key(std::move(key)) {}

    // Reads the stored text as a number whose base follows from its prefix
    // (decimal, 0x hexadecimal, 0 octal); the default when the key is missing.
    ColorRef Load(const CSettingsStore& store, uint8_t red, uint8_t green, uint8_t blue);
    // Reads a decimal number; the other colour's value when the key is missing.
    ColorRef LoadDefaultingTo(const CSettingsStore& store, const CColorSetting& other);
    bool Save(CSettingsStore& store, ColorRef value);

    ColorRef Value() const { return m_value; }

private:
    std::string m_section;
    std::string m_key;
    ColorRef m_value = 0;
};

// The four colours of a result view, section "Color".
struct ResultColors {
    ColorRef background;
    ColorRef text;
    ColorRef highlightText;
    ColorRef highlightBackground;
};

enum class ResultColorKey { Text, Background, HighlightText, HighlightBackground };

// Read afresh: white background and black text by default, the highlight the
// reverse of whatever those two are.
ResultColors ReadResultColors(const CSettingsStore& store);
bool SaveResultColor(CSettingsStore& store, ResultColorKey key, ColorRef value);

}  // namespace quilsk
