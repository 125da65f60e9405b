#pragma once

#include <cstddef>
#include <string_view>

class QFontMetrics;

// Which byte of a drawn row of cp932 text lies under a horizontal position: the
// first byte whose run from the row's start, drawn with `metrics`, reaches x.
// A position over a two-byte character gives its first byte; a position at or
// left of 0 gives 0; one beyond the text gives text.size().

namespace quilsk {

enum class EscBytes { Drawn, Hidden };

// With EscBytes::Hidden the row is measured as the one-row display draws it:
// the runs between ESC bytes one after another, the ESC bytes taking no room.
size_t ByteAtX(const QFontMetrics& metrics, std::string_view text, int x, EscBytes esc);

}  // namespace quilsk
