#pragma once

#include <cstdint>

// The four colours of the result windows, section "Color", read afresh at every
// paint so a colour changed in one window shows in all of them.

namespace quilsk {

class CSettingsStore;

struct ResultColors {
    std::uint32_t background;  // 0x00BBGGRR
    std::uint32_t text;
    std::uint32_t highlightText;
    std::uint32_t highlightBackground;
};

enum class ResultColorKey { Text, Background, HighlightText, HighlightBackground };

// White background and black text by default; the highlight defaults to the
// reverse of whatever those two are.
ResultColors ReadResultColors(const CSettingsStore& store);
bool SaveResultColor(CSettingsStore& store, ResultColorKey key, std::uint32_t value);

}  // namespace quilsk
