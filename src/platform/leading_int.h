#pragma once

#include <string_view>

// The number a setting or a number field holds: its leading decimal digits.

namespace quilsk {

// The leading decimal number of a text (blanks, then an optional sign); 0 when
// there is none. Clamped to the range of int.
int LeadingInt(std::string_view text);

}  // namespace quilsk
