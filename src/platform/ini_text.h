#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// INI text as the private-profile functions treat it: section and key names match
// without regard to ASCII case, blanks around names and values are ignored, the
// first of repeated sections or keys wins. Edits keep every other byte as it was.

namespace quilsk {

using IniValues = std::vector<std::pair<std::string, std::string>>;

// The value of `key` in `section` (cut at a NUL byte); nullopt when either is missing.
std::optional<std::string> IniLookup(std::string_view content, std::string_view section, std::string_view key);

// `content` with the keys of `section` set to the given values: an existing value
// is replaced in place, a new key goes at the end of its section, a new section
// at the end of the text, all in the text's own line-ending style.
std::string IniApply(std::string_view content, std::string_view section, const IniValues& values);

}  // namespace quilsk
