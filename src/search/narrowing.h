#pragma once

#include "results/result_list.h"

namespace quilsk {

class CSettingsStore;

// Keeps the lines that hold the narrowing keyword of section "ReSea": a plain
// word ("Word" = 1) or the words of a word group ("Group" = 1), matched with
// the boundary rules its flags ask for, case ignored when "IgnoreCase" is 1.
// A group without words, or neither flag set, leaves the list as it is.
void NarrowResults(CExStringList& lines, const CSettingsStore& store);

}  // namespace quilsk
