#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversion between the engine's cp932 byte strings and UTF-8, used only at the
// edges: drawing, widgets, terminal output, typed text and file-system names.

namespace quilsk {

// Never fails: an invalid or incomplete sequence becomes U+FFFD and conversion
// goes on with the next byte.
std::string Cp932ToUtf8(std::string_view cp932);

// nullopt when the text is not valid UTF-8 or holds a character cp932 cannot write.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

}  // namespace quilsk
