#pragma once

#include <string>
#include <vector>

#include "search/search_request.h"

// A keyword search through the index: the walk finds the postings of the
// keyword's word, each posting names a line of a dictionary file, and the lines
// that pass the same test as a headword-only scan are appended to the results.

namespace quilsk {

class CExStringList;
class CHost;
class CSettingsStore;
class CZelklexDoc;

struct IndexQuery {
    enum class Situation { OneWord, SeveralTokens, SecondKeyword };

    Situation situation = Situation::OneWord;
    std::string keyword;   // folded when case is ignored
    std::string walkWord;  // what the walk looks for: the keyword, or its first token
    bool walkByPrefix = false;
    MatchMode mode = MatchMode::WholeWord;  // WholeWord or Prefix
    bool ignoreCase = false;
    std::vector<std::string> secondary;  // the second keyword's words (AND, NOT)
    MatchMode secondaryMode = MatchMode::Substring;
    Combination combination = Combination::And;
    bool skipExamples = false;
    bool tagForm = false;
};

enum class IndexSearchEnd { Done, NoIndexFile, UnsupportedVersion, Unreadable };

// Runs the search and appends its lines to the document's results. Shows the
// version message itself, except in the second-keyword situation, and a message
// when the data file or the table is there but cannot be read (a FIFO, a
// directory). Ends early, keeping what it found, when the stop request is set.
IndexSearchEnd RunIndexSearch(CZelklexDoc& doc, const IndexQuery& query, const std::string& indexPath,
                              const std::string& tablePath);

}  // namespace quilsk
