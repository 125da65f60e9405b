#pragma once

#include <QString>
#include <cstddef>

// The texts of the status bar that tell what a search did and is doing.

namespace quilsk {

struct ScanProgress;

// "N 件", and that the search was stopped when it was.
QString ResultCountText(size_t lines, bool stopped);

// Where a running scan is: files and megabytes done of the pass's, the lines
// found so far and the file being read.
QString ScanProgressText(const ScanProgress& progress);

}  // namespace quilsk
