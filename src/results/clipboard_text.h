#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text result lines give another program through the clipboard: what the
// window shows, without the ESC bytes that mark highlighted spans (they would
// arrive as control characters), each line ended by LF. No size limit.

namespace quilsk {

class CExStringList;

// The text without its ESC bytes (cp932: ESC never occurs as a trail byte).
std::string WithoutEscBytes(std::string_view text);

// Lines `first` to `last` (both included, 0-based) of the list, each shown as
// the window shows it, without ESC bytes, ending in LF; cp932.
std::string ClipboardText(const CExStringList& results, size_t first, size_t last);

}  // namespace quilsk
