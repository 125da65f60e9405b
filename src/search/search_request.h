#pragma once

#include <string>

#include "text/match_mode.h"

namespace quilsk {

class CSettingsStore;

enum class SearchMode { Normal = 0, Quick = 1, SuperQuick = 2 };

// The settings of one search: the desktop application reads them from the
// settings file after the search dialog closes, the command line builds them
// from the stored settings and its options.
struct SearchRequest {
    std::string keyword1;
    std::string keyword2;
    bool keyword1IsWord = true;
    bool keyword2IsWord = true;
    bool keyword1IsGroup = false;
    bool keyword2IsGroup = false;

    bool andSearch = true;
    bool notSearch = false;
    bool orSearch = false;

    bool keyword1WholeWord = false;
    bool keyword1Prefix = false;
    bool keyword1Suffix = false;
    bool keyword2WholeWord = false;
    bool keyword2Prefix = false;
    bool keyword2Suffix = false;
    bool ignoreCase = false;

    bool headwordOnly = false;
    bool skipExamples = false;
    bool tagForm = false;
    int hitsPerRefresh = 20;  // never below 1: it is a divisor
    bool sortResults = false;
    bool checkDuplicates = false;

    int searchModeSetting = 0;
    bool useIndex = false;
    std::string indexDir;
    std::string column = "70";
    // How many threads scan the files of a pass: 0 for one a processor.
    unsigned scanThreads = 0;

    // Derived from the fields above by DeriveRequestValues.
    MatchMode mode1 = MatchMode::Substring;
    MatchMode mode2 = MatchMode::Substring;
    Combination combination = Combination::And;
    SearchMode searchMode = SearchMode::Normal;
};

MatchMode DeriveMatchMode(bool wholeWord, bool prefix, bool suffix);
Combination DeriveCombination(bool andSearch, bool notSearch, bool orSearch);
// Modes other than 0, 1 and 2 count as Normal.
SearchMode DeriveSearchMode(int setting);

// Computes the derived values and keeps the hits per refresh at 1 or more.
void DeriveRequestValues(SearchRequest& request);
SearchRequest ReadSearchRequest(const CSettingsStore& store);

// The keyword one narrowing keeps the result lines of.
struct NarrowRequest {
    std::string keyword;
    // A plain word when keywordIsWord, else the name of a word group when
    // keywordIsGroup; with neither, narrowing leaves the list as it is.
    bool keywordIsWord = true;
    bool keywordIsGroup = false;
    bool ignoreCase = false;
    MatchMode mode = MatchMode::Substring;
};

NarrowRequest ReadNarrowRequest(const CSettingsStore& store);

}  // namespace quilsk
