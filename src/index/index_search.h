#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "text/match_mode.h"

// A keyword search through the index: the walk finds the postings of an index
// word of the keyword (index_key.h), each posting names a line of a dictionary
// file, and the lines that pass the test the headword-only scan makes go to
// the search's sink in the order the scan meets them.

namespace quilsk {

class CHitSink;
class CHost;
class CSettingsStore;

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
    // More postings than this cost more to read one by one than the scan costs.
    size_t mostPostings = SIZE_MAX;
};

enum class IndexSearchEnd { Done, NoIndexFile, UnsupportedVersion, Unreadable, BeingRebuilt, TooManyPostings };

// Runs the search and hands its lines to the sink. Shows the version message
// itself, except when there is a second keyword, and a message when the data
// file or the table is there but cannot be read (a FIFO, a directory), or when
// a build kept replacing the index's files for longer than the settings store's
// lock timeout. Ends early, keeping what it found, when the sink asks to stop.
// With more postings than the query's `mostPostings` it hands on nothing and
// ends with TooManyPostings.
// `indexDir` (cp932, ending in a separator) holds the data files and the table;
// `store` gives the lock timeout and the file numbers when the index has no table.
IndexSearchEnd RunIndexSearch(const IndexQuery& query, const std::string& indexDir, const CSettingsStore& store,
                              CHost& host, CHitSink& sink);

}  // namespace quilsk
