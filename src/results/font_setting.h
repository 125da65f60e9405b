#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The result windows' font as the settings file keeps it: one entry holds
// sixteen integers (height, width, escapement, orientation, weight, italic,
// underline, strike-out, character set, output precision, clip precision,
// quality, pitch and family, colour, two zeros), another the face name.

namespace quilsk {

class CSettingsStore;

struct FontDescription {
    int height = -13;  // negative: the character height in pixels
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;  // 400 normal, 700 bold
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 128;
    std::uint8_t outPrecision = 1;
    std::uint8_t clipPrecision = 2;
    std::uint8_t quality = 1;
    std::uint8_t pitchAndFamily = 1;
    std::string faceName = "FixedSys";  // cp932
};

class CFontSetting {
public:
    // The result window's font. False, changing nothing, when the stored numbers
    // are an empty text. Fields the text does not reach keep their values.
    bool Load(const CSettingsStore& store);
    bool Save(CSettingsStore& store) const;

    // The numbers as they are stored.
    std::string FormatNumbers() const;
    // Reads up to fourteen leading integers; false when the text is empty.
    bool ParseNumbers(std::string_view text);

    FontDescription font;
    std::uint32_t color = 0;  // 0x00BBGGRR
};

}  // namespace quilsk
