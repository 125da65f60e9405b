#pragma once

#include <cstddef>
#include <string_view>

#include "results/result_list.h"
#include "search/list_pace.h"

namespace quilsk {

// The group a line sorts into: 0 "■" lines, 1 "●" lines, 2 example lines
// ("* "), 3 other lines holding " : ", 4 the rest. In tag form a line's kind is
// read after its first ") ".
size_t LineKindGroup(std::string_view line, bool tagForm);

// Regroups the lines by LineKindGroup, keeping their order within each group.
// Returns false, with the list unchanged, when stopped.
bool SortByLineKind(CExStringList& lines, bool tagForm, const ListPace& pace = {});

}  // namespace quilsk
