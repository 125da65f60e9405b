#pragma once

#include <string>
#include <vector>

#include "search/search_request.h"

// A keyword search through the index: the walk finds the postings of an index
// word of the keyword (index_key.h), each posting names a line of a dictionary
// file, and the lines that pass the test the headword-only scan makes are
// appended to the results in the order the scan meets them.

namespace quilsk {

class CExStringList;
class CHost;
class CSettingsStore;
class CZelklexDoc;

struct IndexQuery {
    std::string walkWord;  // the index word the walk looks for
    bool walkByPrefix = false;
    // The scan's test: the keyword's one word, folded when case is ignored.
    std::vector<std::string> primary;
    MatchMode mode = MatchMode::WholeWord;  // WholeWord or Prefix
    bool ignoreCase = false;
    std::vector<std::string> secondary;  // the second keyword's words (AND, NOT)
    MatchMode secondaryMode = MatchMode::Substring;
    Combination combination = Combination::And;
    bool skipExamples = false;
    bool tagForm = false;
};

enum class IndexSearchEnd { Done, NoIndexFile, UnsupportedVersion, Unreadable, BeingRebuilt };

// Runs the search and appends its lines to the document's results. Shows the
// version message itself, except when there is a second keyword, and a message
// when the data file or the table is there but cannot be read (a FIFO, a
// directory), or when a build kept replacing the index's files for longer than
// the settings store's lock timeout. Ends early, keeping what it found, when the
// stop request is set.
// `indexDir` (cp932, ending in a separator) holds the data files and the table.
IndexSearchEnd RunIndexSearch(CZelklexDoc& doc, const IndexQuery& query, const std::string& indexDir);

}  // namespace quilsk
