#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "results/result_list.h"
#include "search/list_pace.h"

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

// What two lines are compared by: the whole line, or in tag form what follows
// the first ") " (the path and line number take no part).
std::string_view DuplicateKey(std::string_view line, bool tagForm);

// For every line, whether it is the first of the lines equal to it (case
// ignored). Through a hash table of the folded keys; nullopt when stopped.
std::optional<std::vector<bool>> FirstCopies(const CExStringList& lines, bool tagForm, const ListPace& pace = {});
// The same through the counting tree, one line after another: the plain
// reference the hash table is held to.
std::vector<bool> FirstCopiesByTree(const CExStringList& lines, bool tagForm);

// Removes every line equal (case ignored) to an earlier one. Returns false,
// with the list unchanged, when stopped.
bool RemoveDuplicateLines(CExStringList& lines, bool tagForm, const ListPace& pace = {});

}  // namespace quilsk
