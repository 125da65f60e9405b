#include "results/font_setting.h"

#include <climits>
#include <cstdlib>

#include "settings/settings_store.h"

namespace quilsk {

namespace {

// One integer as "%d" reads it: blanks, an optional sign, digits. Advances `pos`.
bool ReadInt(const std::string& text, size_t& pos, long& value)
{
    const char* begin = text.c_str() + pos;
    char* end = nullptr;
    value = std::strtol(begin, &end, 10);
    if (end == begin) return false;
    pos += static_cast<size_t>(end - begin);
    return true;
}

int ClampToInt(long value) { return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value); }

}  // namespace

std::string CFontSetting::FormatNumbers() const
{
    const FontDescription& f = font;
    std::string text;
    for (long n : {static_cast<long>(f.height), static_cast<long>(f.width), static_cast<long>(f.escapement),
                   static_cast<long>(f.orientation), static_cast<long>(f.weight), static_cast<long>(f.italic),
                   static_cast<long>(f.underline), static_cast<long>(f.strikeOut), static_cast<long>(f.charSet),
                   static_cast<long>(f.outPrecision), static_cast<long>(f.clipPrecision), static_cast<long>(f.quality),
                   static_cast<long>(f.pitchAndFamily), static_cast<long>(color), 0L, 0L}) {
        if (!text.empty()) text += ' ';
        text += std::to_string(n);
    }
    return text;
}

bool CFontSetting::ParseNumbers(std::string_view view)
{
    if (view.empty()) return false;
    const std::string text(view);
    FontDescription& f = font;
    int* const ints[] = {&f.height, &f.width, &f.escapement, &f.orientation, &f.weight};
    std::uint8_t* const bytes[] = {&f.italic,       &f.underline,     &f.strikeOut, &f.charSet,
                                   &f.outPrecision, &f.clipPrecision, &f.quality,   &f.pitchAndFamily};
    size_t pos = 0;
    long value = 0;
    for (int* field : ints) {
        if (!ReadInt(text, pos, value)) return true;
        *field = ClampToInt(value);
    }
    for (std::uint8_t* field : bytes) {
        if (!ReadInt(text, pos, value)) return true;
        *field = static_cast<std::uint8_t>(value);
    }
    if (ReadInt(text, pos, value)) color = static_cast<std::uint32_t>(value);
    return true;
}

bool CFontSetting::Load(const CSettingsStore& store)
{
    CFontSetting loaded = *this;
    if (!loaded.ParseNumbers(store.Get(setting::kTextFont))) return false;
    loaded.font.faceName = store.Get(setting::kTextFontFace);
    *this = std::move(loaded);
    return true;
}

bool CFontSetting::Save(CSettingsStore& store) const
{
    return store.Write({{setting::kTextFont, FormatNumbers()}, {setting::kTextFontFace, font.faceName}});
}

}  // namespace quilsk
