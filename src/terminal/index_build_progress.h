#pragma once

#include "terminal/progress_bar.h"
#include "index/index_builder.h"

// The progress bar of an index build, shared by quilsk-cli and idxmakr.

namespace quilsk {

// Shows the step on the bar: the dictionary files read with their bytes, then
// the index files written, then the files replaced.
void ShowIndexBuildProgress(CProgressBar& bar, const IndexBuildProgress& progress);

}  // namespace quilsk
