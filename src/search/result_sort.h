#pragma once

#include "results/result_list.h"

namespace quilsk {

// Regroups the lines, keeping their order within each group: "■" lines, "●"
// lines, example lines ("* "), other lines holding " : ", then the rest. In tag
// form a line's kind is read after its first ") ".
void SortByLineKind(CExStringList& lines, bool tagForm);

}  // namespace quilsk
