#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "results/result_list.h"

namespace quilsk {

// One distinct string of a `CStringTree` and how often it was inserted.
struct CNode {
    std::string text;
    mutable std::uint32_t count = 1;
};

// A counting set of strings ordered without regard to case (CompareIgnoreCaseA:
// two-byte characters never fold). Balanced, so result lists that arrive sorted
// (as dictionary lines do) stay fast and shallow.
class CStringTree {
public:
    // Stores the text or counts one more insertion of it.
    const CNode& Insert(std::string_view text);

private:
    struct FoldedLess {
        using is_transparent = void;
        bool operator()(const CNode& a, const CNode& b) const;
        bool operator()(const CNode& a, std::string_view b) const;
        bool operator()(std::string_view a, const CNode& b) const;
    };

    std::set<CNode, FoldedLess> m_nodes;
};

// Removes every line equal (case ignored) to an earlier one; in tag form
// the path and line number before the first ") " take no part.
void RemoveDuplicateLines(CExStringList& lines, bool tagForm);

}  // namespace quilsk
