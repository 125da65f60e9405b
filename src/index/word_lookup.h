#pragma once

#include <cstddef>
#include <string_view>

namespace quilsk {

// The run of bytes around `byteIndex` that are neither ASCII white space, ASCII
// punctuation nor control bytes (ESC marks highlighted spans, so a highlighted
// word is a word); empty when the byte there is none of the word's.
std::string_view WordAround(std::string_view line, size_t byteIndex);

}  // namespace quilsk
