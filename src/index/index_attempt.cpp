#include "search/zelklex_doc.h"

namespace quilsk {

// The index search is not available yet: every search scans.
bool CZelklexDoc::TryIndexSearch() { return false; }

}  // namespace quilsk
