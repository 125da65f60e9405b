#pragma once

#include <cstdio>
#include <string>

#include "results/result_list.h"

namespace quilsk::cli {

enum class OutputForm { Utf8, Utf8Highlighted, Raw };

// Writes the result lines: as stored (Raw), or as UTF-8 lines ending in LF with
// the spans between ESC bytes in reverse video (Utf8Highlighted) or with the ESC
// bytes left out (Utf8). Stops at the first write error; returns its errno, 0
// when everything was written.
int WriteResults(std::FILE* out, const CExStringList& lines, OutputForm form);

}  // namespace quilsk::cli
