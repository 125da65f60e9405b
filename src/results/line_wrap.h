#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// How the wrapping display mode breaks a line into rows of at most `columns`
// columns, counting one column per byte: a half-width character takes one, a
// full-width character two. A row ends after a blank or beside a full-width
// character when it can; a run with no such place is cut at the row's end, never
// inside a character. The blanks at a break are dropped.

namespace quilsk {

struct WrapRow {
    size_t begin;
    size_t end;
};

std::vector<WrapRow> WrapRows(std::string_view text, size_t columns);
// The number of rows WrapRows gives, without building them; 1 for an empty text.
size_t CountWrapRows(std::string_view text, size_t columns);

}  // namespace quilsk
