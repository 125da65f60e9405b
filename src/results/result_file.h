#pragma once

#include <string>
#include <string_view>

#include "platform/status.h"

// A saved result file: the bytes of every result line one after another, in
// list order, exactly as held (CR LF endings, ESC bytes and tags included), with
// nothing before, between or after them.

namespace quilsk {

class CExStringList;

// Replaces the file atomically, so a failed save never leaves half a file.
Status SaveResultFile(const CExStringList& results, std::string_view cp932Path);

// Replaces the list by the lines of a result file, each line ending after its
// LF. A line that ends without CR LF gets it, as every result line ends in CR
// LF. On failure the list is unchanged.
Status LoadResultFile(std::string_view cp932Path, CExStringList& results);

}  // namespace quilsk
