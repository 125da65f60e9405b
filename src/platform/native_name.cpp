#include "platform/native_name.h"

#include "platform/cp932.h"

namespace quilsk {

namespace {

// cp932 bytes that convert without a single replacement character, which no
// cp932 character maps to.
std::optional<std::string> StrictCp932ToUtf8(std::string_view cp932)
{
    std::string utf8 = Cp932ToUtf8(cp932);
    if (utf8.find("\xEF\xBF\xBD") != std::string::npos) return std::nullopt;
    return utf8;
}

}  // namespace

bool IsValidUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        char32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k) {
            const auto t = static_cast<unsigned char>(text[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            code = (code << 6) | (t & 0x3F);
        }
        // No overlong forms, no surrogates, nothing above U+10FFFF.
        if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::optional<std::string> NativeNameToCp932(std::string_view name)
{
    if (IsValidUtf8(name)) return Utf8ToCp932(name);
    if (StrictCp932ToUtf8(name)) return std::string(name);
    return std::nullopt;
}

std::optional<std::string> NativeNameToUtf8(std::string_view name)
{
    if (IsValidUtf8(name)) return std::string(name);
    return StrictCp932ToUtf8(name);
}

}  // namespace quilsk
