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

// EUC-JP text (the published free dictionaries) as UTF-8; nullopt when invalid.
std::optional<std::string> EucJpToUtf8(std::string_view eucJp);

// The program's own texts are written in UTF-8 in the source; this gives their
// cp932 bytes. Every such text is writable in cp932, so failure is a programming
// error and aborts.
std::string Cp932Literal(std::string_view utf8);

}  // namespace quilsk
