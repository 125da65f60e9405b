#pragma once

#include "results/result_list.h"
#include "search/list_pace.h"
#include "search/search_request.h"

namespace quilsk {

class CSettingsStore;

// Keeps the lines that hold the narrowing keyword: a plain word or the words of
// a word group (read from `store`), matched with the boundary rules the request
// asks for. A group without words, or a keyword neither word nor group, leaves
// the list as it is. Returns false, with the list unchanged, when stopped.
bool NarrowResults(CExStringList& lines, const NarrowRequest& request, const CSettingsStore& store,
                   const ListPace& pace = {});

}  // namespace quilsk
